// Placeholder until the monster rules land.
#include "game/monsters/monster_drawing.h"

void drawMonsters() {}
