// The seven monster slots: spawning from the kind table and the shared move-target rule.
#pragma once
#include <cstdint>

// Fills every free slot when at most three are busy.
void spawnMonsters();

// Sets a move target for the slot by its kind (state 4, heading, stepSpeed).
void chooseWanderTarget(std::int32_t slot);
