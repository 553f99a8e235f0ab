// Placeholder catalogue until the loaders land: the static images and buffers, nothing loaded.
#include "game/assets/catalogue.h"

AssetCatalogue assets;

void loadImages() {}
void loadSounds() {}
