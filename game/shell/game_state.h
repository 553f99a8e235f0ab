// The process-wide game state: one Player, the kind table, seven monster slots, the heads
// of the five lists and the sleep position. Lives for the whole run; startUp fills what
// lasts (kinds, assets, sleep position), resetRound what a round resets.
#pragma once
#include "game/shell/records.h"

extern Player player;
extern MonsterKind monsterKinds[kKindCount];
extern Monster monsters[kSlotCount];
extern PlayerShot* playerShots;
extern EnemyShot* enemyShots;
extern Boom* booms;
extern Meat* meats;
extern ScoreDigit* scoreHead;
extern ScoreDigit* scoreTail;
extern int sleepX;
extern int sleepY;
extern void* windowHandle;

// Puts the whole state back as it is at program start (tests and the headless driver).
void clearGameState();
