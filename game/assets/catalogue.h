// The asset catalogue: 131 pictures in 24 sets and 9 sounds, loaded from fixed file names
// under resources/ at start-up and again before every further round. Images of a set are
// consecutive, so a set is handed around as its first image plus a count.
#pragma once
#include "platform/audio/sound_buffer.h"
#include <string>
#include <vector>

#include "game/assets/picture_sets.h"
#include "graphics/image.h"

// The images are the fields of the list of picture sets: IMAGE norImages[8], IMAGE dieImage, ...
#define DA_PICTURE_FIELD(field, folder, file, width, height) IMAGE field;
#define DA_PICTURES_FIELD(field, folder, count, files, width, height) IMAGE field[count];
struct AssetCatalogue {
  DA_PICTURE_SETS(DA_PICTURE_FIELD, DA_PICTURES_FIELD)

  platform::SoundBuffer blastSound;
  platform::SoundBuffer boomSound;
  platform::SoundBuffer shootSound;
  platform::SoundBuffer planeSound;
  platform::SoundBuffer playerAtkSound;
  platform::SoundBuffer sharkRollSound;
  platform::SoundBuffer waterShootSound;
  platform::SoundBuffer waterHitSound;
  platform::SoundBuffer kingAtkSound;
};
#undef DA_PICTURE_FIELD
#undef DA_PICTURES_FIELD

extern AssetCatalogue assets;

// One file of the catalogue and what it loads into; paths are as the catalogue names them
// (".\\resources\\...", with backslashes).
struct PictureFile {
  IMAGE* image;
  std::string path;
};
struct SoundFile {
  platform::SoundBuffer* buffer;
  std::string path;
};

// The 131 picture files and the 9 sound files in loading order.
const std::vector<PictureFile>& pictureFiles();
const std::vector<SoundFile>& soundFiles();

// Loads the 24 image sets in catalogue order; a missing picture stays empty, silently.
void loadImages();

// Loads the 9 sounds in catalogue order; the first that fails prints "sound load fail\n"
// and ends the process with status 1.
void loadSounds();
