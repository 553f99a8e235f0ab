// The catalogue pictures the world's rules hand to records (a dropped bomb's picture, an
// enemy shot's bullet, a blast's frames), set by start-up before the first round.
#pragma once
#include "game/world/records.h"

extern WorldPictures worldPictures;
