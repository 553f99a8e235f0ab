// The bookkeeping of a kill: one point on the score while the player lives, and a piece of
// meat one time in eight where the monster fell.
#pragma once
#include <cstdint>

// Called by every rule that brings a slot's hit points to 0 or below (the slot is already
// free). Allocation failure prints "malloc fail\n" and ends the process with status 1.
void onMonsterKilled(std::int32_t slot);
