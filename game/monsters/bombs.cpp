// Placeholder until the monster rules land.
#include "game/monsters/bombs.h"

void updateBooms() {}
void drawBooms() {}
