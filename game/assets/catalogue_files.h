// The names of the catalogue's files: the 24 picture sets in loading order, each with the
// folder its files sit in and one file name per image, and the 9 sound files in loading
// order. A plain table made from the list of picture sets (picture_sets.h) that knows no
// game state: the game's catalogue builds its load lists from it, and the asset generator
// writes the files it names.
#pragma once
#include <string>
#include <vector>

// The folder of a set's pictures: resources/images or its character folder,
// resources/images/pillowkin.
enum class PictureFolder { Images, Character };

struct PictureSet {
  const char* name;  // the catalogue's images it fills, "norImages"
  PictureFolder folder;
  std::vector<std::string> files;  // one per image in loading order; a file may repeat
};

// The 24 picture sets in loading order, 131 images in all.
const std::vector<PictureSet>& pictureSets();

// The 9 sound files of resources/music, in loading order.
const std::vector<std::string>& soundFileNames();
