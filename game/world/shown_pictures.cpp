// The pictures the last animation step chose; empty until the first step.
#include "game/world/shown_pictures.h"

ShownPictures shownPictures{};
