// The asset catalogue: the static images and sound buffers and their loading from the
// fixed files under resources/ that the table of catalogue files names. Audio start-up runs
// before the sound buffers are constructed, because SFML opens its audio device with the
// first buffer.
#include "game/assets/catalogue.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "game/assets/catalogue_files.h"
#include "graphics/image_file.h"
#include "platform/audio/audio.h"
#include "platform/base/fatal.h"
#include "platform/base/paths.h"

namespace {

struct AudioBeforeBuffers {
  AudioBeforeBuffers() { platform::startAudio(); }
} audioBeforeBuffers;

constexpr const char* kImageDir = ".\\resources\\images\\";
constexpr const char* kCharacterDir = ".\\resources\\images\\pillowkin\\";
constexpr const char* kMusicDir = ".\\resources\\music\\";

void loadSound(platform::SoundBuffer& buffer, const std::string& windowsPath) {
  const std::string path = platform::nativePath(windowsPath);
  // SFML's FLAC check spins for ever on a directory it could open: only files are tried.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error) || !buffer.loadFromFile(path)) {
    platform::fatalError("sound load fail\n");
  }
}

}  // namespace

AssetCatalogue assets;

const std::vector<PictureFile>& pictureFiles() {
  static const std::vector<PictureFile> files = [] {
    AssetCatalogue& a = assets;
    // The first image of every set, in the order of pictureSets(); a set's images follow it.
#define DA_FIRST_IMAGE(field, folder, file, width, height) &a.field,
#define DA_FIRST_IMAGES(field, folder, count, files, width, height) a.field,
    const std::vector<IMAGE*> firstImages = {DA_PICTURE_SETS(DA_FIRST_IMAGE, DA_FIRST_IMAGES)};
#undef DA_FIRST_IMAGE
#undef DA_FIRST_IMAGES
    std::vector<PictureFile> f;
    for (std::size_t set = 0; set < pictureSets().size(); ++set) {
      const PictureSet& s = pictureSets()[set];
      const std::string dir = s.folder == PictureFolder::Images ? kImageDir : kCharacterDir;
      IMAGE* image = firstImages.at(set);
      for (const std::string& name : s.files) f.push_back({image++, dir + name});
    }
    return f;
  }();
  return files;
}

const std::vector<SoundFile>& soundFiles() {
  static const std::vector<SoundFile> files = [] {
    AssetCatalogue& a = assets;
    // The buffers in the order of soundFileNames().
    const std::vector<platform::SoundBuffer*> buffers = {&a.blastSound,      &a.boomSound,      &a.shootSound,
                                                   &a.planeSound,      &a.playerAtkSound, &a.sharkRollSound,
                                                   &a.waterShootSound, &a.waterHitSound,  &a.kingAtkSound};
    std::vector<SoundFile> f;
    for (std::size_t k = 0; k < soundFileNames().size(); ++k)
      f.push_back({buffers.at(k), std::string(kMusicDir) + soundFileNames()[k]});
    return f;
  }();
  return files;
}

void loadImages() {
  for (const PictureFile& file : pictureFiles()) gfx::loadImageFile(file.image, file.path.c_str(), 0, 0, false);
}

void loadSounds() {
  platform::startAudio();
  for (const SoundFile& file : soundFiles()) loadSound(*file.buffer, file.path);
}
