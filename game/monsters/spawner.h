// The seven monster slots: spawning from the kind table and the shared move-target rule.
// Slots are filled by spawnMonsters with the kind's numbers, behaviour and picture runs;
// a slot is free again when its hit points reach 0 (alive cleared by the hit).
#pragma once
#include <cstdint>

#include "game/world/records.h"

// Fills every free slot when at most three are busy: per slot rand() % 4 picks the kind
// record, then rand() % 1450 and rand() % 610 the position. A record whose kind code has no
// row in the table of kinds fills nothing (start-up refuses such tables; the slot stays free).
void spawnMonsters();

// Sets the behaviour and the three picture runs of a slot from its kind's row; returns false
// for a code no kind has and leaves the slot as it was.
bool setUpMonsterKind(Monster& monster, std::int8_t kind);

// Sets a move target for the slot by its kind's wander (state 4, heading, stepSpeed).
void chooseWanderTarget(std::int32_t slot);
