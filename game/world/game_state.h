// The process-wide game state: one Player, the kind table, seven monster slots, the heads
// of the five lists and the sleep position. Lives for the whole run; startUp fills what
// lasts (kinds, assets, sleep position), resetRound what a round resets.
// List elements are allocated one at a time with std::malloc and freed with std::free; a
// list head (null when empty) owns its elements.
#pragma once
#include "game/world/records.h"

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

// Free whole lists and leave their heads null (the score: both ends).
void freeScore();
void freeBooms();
void freeShots();  // player shots, then enemy shots
void freeMeats();

// Puts the whole state back as it is at program start (tests and the headless driver):
// the player's specialCooldown 60, every other number 0, every list freed and empty, the
// drawing counters 0. The window handle is kept.
void clearGameState();
