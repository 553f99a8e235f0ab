// The four monster behaviours, each called once per update tick for a living slot.
#pragma once
#include <cstdint>

void sharkBehaviour(std::int32_t slot);
void cloudBehaviour(std::int32_t slot);
void planeBehaviour(std::int32_t slot);
void kingBehaviour(std::int32_t slot);
