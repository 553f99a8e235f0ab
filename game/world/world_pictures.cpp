// The catalogue pictures the world hands to records; none until start-up sets them.
#include "game/world/world_pictures.h"

WorldPictures worldPictures{};
