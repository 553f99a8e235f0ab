// Placeholder until the monster behaviours land.
#include "game/monsters/behaviours.h"

void sharkBehaviour(std::int32_t) {}
void cloudBehaviour(std::int32_t) {}
void planeBehaviour(std::int32_t) {}
void kingBehaviour(std::int32_t) {}
