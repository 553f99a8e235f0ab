// What the last animation step chose to show (ShownPictures in records.h): written by the
// step's parts, read by the drawing, which changes nothing of it.
#pragma once
#include "game/world/records.h"

extern ShownPictures shownPictures;
