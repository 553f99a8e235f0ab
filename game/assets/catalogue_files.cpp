// The table of the catalogue's file names, made from the list of picture sets. Runs of
// numbered files ("nor1.png" to "nor8.png") are spelled by one helper; every other name is
// written out.
#include "game/assets/catalogue_files.h"

#include "game/assets/picture_sets.h"

namespace {

// "<stem><first>.png" to "<stem><last>.png".
std::vector<std::string> numbered(const char* stem, int first, int last) {
  std::vector<std::string> names;
  for (int k = first; k <= last; ++k) names.push_back(stem + std::to_string(k) + ".png");
  return names;
}

// File names written out, one per image.
template <typename... Names>
std::vector<std::string> names(Names... files) {
  return {files...};
}

}  // namespace

const std::vector<PictureSet>& pictureSets() {
#define DA_PICTURE_ROW(field, folder, file, width, height) {#field, PictureFolder::folder, {file}},
#define DA_PICTURES_ROW(field, folder, count, files, width, height) {#field, PictureFolder::folder, files},
  static const std::vector<PictureSet> sets = {DA_PICTURE_SETS(DA_PICTURE_ROW, DA_PICTURES_ROW)};
#undef DA_PICTURE_ROW
#undef DA_PICTURES_ROW
  return sets;
}

const std::vector<std::string>& soundFileNames() {
  static const std::vector<std::string> names = {"blast.mp3",      "boom.ogg",      "shoot.ogg",
                                                 "plane.ogg",      "playeratk.ogg", "sharkroll.ogg",
                                                 "watershoot.mp3", "waterhit.mp3",  "kingatk.mp3"};
  return names;
}
