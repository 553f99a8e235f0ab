// The per-tick world pass (dash and knock-back steps, moving monsters, shots, bombs, meat)
// and the bookkeeping of a kill (score and meat).
#pragma once
#include <cstdint>

void updateWorld();
void onMonsterKilled(std::int32_t slot);
