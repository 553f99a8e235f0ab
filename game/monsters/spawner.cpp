// Placeholder until the monster rules land.
#include "game/monsters/spawner.h"

void spawnMonsters() {}
void chooseWanderTarget(std::int32_t) {}
