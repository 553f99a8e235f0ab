// The part of the game state that lasts the whole run: the kind table read from
// monsterData.txt, the sleeping figure's place, the window handle and the seed rand was last
// given. startUp fills it, before the title and again before every further round.
#pragma once
#include "game/world/records.h"

extern MonsterKind monsterKinds[kKindCount];
extern int sleepX;
extern int sleepY;
extern void* windowHandle;
extern unsigned randomSeed;
