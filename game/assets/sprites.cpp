// Placeholder sprite drawing until compositing lands.
#include "game/assets/sprites.h"

void drawSprite(int, int, const IMAGE&) {}
void blendSprite(int, int, const IMAGE&) {}
void drawSpriteMirrored(int, int, const IMAGE&) {}
void drawPlayerSprite(int, int, const IMAGE&) {}
