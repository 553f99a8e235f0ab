// Placeholder until the monster rules land.
#include "game/monsters/shot_hits.h"

void resolveShotHits() {}
