// The catalogue of picture and sound files: their names, folders and loading order come
// from the game's table of catalogue files, the canvas size of every set from the same list
// of picture sets; this adds the length of every sound.
#include "tools/asset_gen/catalogue.h"

#include <algorithm>
#include <cmath>

#include "game/assets/catalogue_files.h"
#include "game/assets/picture_sets.h"

namespace assetgen {

namespace {

struct CanvasSize {
  int width;
  int height;
};

// The canvas of every image set, from the list of picture sets. The enemy bullets (0 x 0
// there) get theirs from their headings.
const std::vector<CanvasSize>& setCanvases() {
#define DA_PICTURE_CANVAS(field, folder, file, width, height) {width, height},
#define DA_PICTURES_CANVAS(field, folder, count, files, width, height) {width, height},
  static const std::vector<CanvasSize> sizes = {DA_PICTURE_SETS(DA_PICTURE_CANVAS, DA_PICTURES_CANVAS)};
#undef DA_PICTURE_CANVAS
#undef DA_PICTURES_CANVAS
  return sizes;
}

// The length of every sound in seconds, in the order of soundFileNames().
const std::vector<double>& soundSeconds() {
  static const std::vector<double> seconds = {
      1.2,   // blast
      0.9,   // boom
      0.16,  // shoot
      0.8,   // plane
      0.3,   // playeratk
      0.55,  // sharkroll
      0.45,  // watershoot
      0.4,   // waterhit
      1.1,   // kingatk
  };
  return seconds;
}

const char* folderPath(PictureFolder folder) { return folder == PictureFolder::Images ? kImageDir : kCharacterDir; }

const PictureSet& bulletSet() {
  const std::vector<PictureSet>& sets = pictureSets();
  return *std::find_if(sets.begin(), sets.end(),
                       [](const PictureSet& s) { return std::string(s.name) == "enmBulletImages"; });
}

}  // namespace

const std::vector<int>& bulletHeadings() {
  static const std::vector<int> headings = {0,   30,  60,  90,   120,  150,
                                            -30, -60, -90, -120, -150, -180};
  return headings;
}

std::string bulletFileName(int degrees) {
  const std::vector<int>& headings = bulletHeadings();
  return bulletSet().files.at(std::size_t(std::find(headings.begin(), headings.end(), degrees) - headings.begin()));
}

void bulletCanvasSize(int degrees, int& width, int& height) {
  const double a = kBulletLength / 2.0, b = kBulletThickness / 2.0;
  const double t = degrees * M_PI / 180.0;
  const double halfW = std::sqrt(a * a * std::cos(t) * std::cos(t) + b * b * std::sin(t) * std::sin(t));
  const double halfH = std::sqrt(a * a * std::sin(t) * std::sin(t) + b * b * std::cos(t) * std::cos(t));
  width = 2 * static_cast<int>(std::ceil(halfW - 1e-9));
  height = 2 * static_cast<int>(std::ceil(halfH - 1e-9));
}

const std::vector<PictureFile>& pictureFiles() {
  static const std::vector<PictureFile> files = [] {
    std::vector<PictureFile> out;
    for (std::size_t set = 0; set < pictureSets().size(); ++set) {
      const PictureSet& s = pictureSets()[set];
      const std::string dir = folderPath(s.folder);
      for (const std::string& f : s.files) {
        bool seen = false;
        for (const PictureFile& p : out) seen = seen || (p.dir == dir && p.name == f);
        if (seen) continue;
        int w = setCanvases().at(set).width, h = setCanvases().at(set).height;
        if (w == 0) {
          for (int deg : bulletHeadings())
            if (bulletFileName(deg) == f) bulletCanvasSize(deg, w, h);
        }
        out.push_back({dir, f, w, h});
      }
    }
    return out;
  }();
  return files;
}

const std::vector<SoundFile>& soundFiles() {
  static const std::vector<SoundFile> files = [] {
    std::vector<SoundFile> out;
    for (std::size_t k = 0; k < soundFileNames().size(); ++k)
      out.push_back({soundFileNames()[k], soundSeconds().at(k)});
    return out;
  }();
  return files;
}

const std::vector<ImageSlot>& imageSlots() {
  static const std::vector<ImageSlot> slots = [] {
    std::vector<ImageSlot> out;
    for (const PictureSet& s : pictureSets())
      for (const std::string& f : s.files) out.push_back({s.name, f});
    return out;
  }();
  return slots;
}

const PictureFile* findPicture(const std::string& name) {
  for (const PictureFile& p : pictureFiles())
    if (p.name == name) return &p;
  return nullptr;
}

}  // namespace assetgen
