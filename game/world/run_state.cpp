// The whole-run part of the game state, zero at program start.
#include "game/world/run_state.h"

MonsterKind monsterKinds[kKindCount];
int sleepX = 0;
int sleepY = 0;
void* windowHandle = nullptr;
unsigned randomSeed = 0;
