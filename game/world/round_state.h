// The part of the game state that a round resets: one Player, seven monster slots and the
// heads of the five lists. List elements are heap blocks allocated one at a time and freed
// with std::free; a list head (null when empty) owns its elements.
#pragma once
#include "game/world/records.h"

extern Player player;
extern Monster monsters[kSlotCount];
extern PlayerShot* playerShots;
extern EnemyShot* enemyShots;
extern Boom* booms;
extern Meat* meats;
extern ScoreDigit* scoreHead;
extern ScoreDigit* scoreTail;

// Free whole lists and leave their heads null (the score: both ends).
void freeScore();
void freeBooms();
void freeShots();  // player shots, then enemy shots
void freeMeats();
