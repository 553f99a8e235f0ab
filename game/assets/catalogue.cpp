// The asset catalogue: the static images and sound buffers and their loading from the
// fixed files under resources/. Audio start-up runs before the sound buffers are
// constructed, because SFML opens its audio device with the first buffer.
#include "game/assets/catalogue.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "graphics/image_file.h"
#include "platform/audio/audio.h"
#include "platform/fatal.h"
#include "platform/paths.h"

namespace {

struct AudioBeforeBuffers {
  AudioBeforeBuffers() { platform::startAudio(); }
} audioBeforeBuffers;

constexpr const char* kImageDir = ".\\resources\\images\\";
constexpr const char* kCharacterDir = ".\\resources\\images\\pillowkin\\";
constexpr const char* kMusicDir = ".\\resources\\music\\";

// Adds the files "<dir><stem><first + k>.png", k = 0 .. count - 1, of consecutive images.
void addNumbered(std::vector<PictureFile>& files, IMAGE* images, int count, const char* dir, const char* stem,
                 int first) {
  for (int k = 0; k < count; ++k)
    files.push_back({&images[k], std::string(dir) + stem + std::to_string(first + k) + ".png"});
}

void addNamed(std::vector<PictureFile>& files, IMAGE* images, const char* dir,
              std::initializer_list<const char*> names) {
  int k = 0;
  for (const char* name : names) files.push_back({&images[k++], std::string(dir) + name});
}

void loadSound(sf::SoundBuffer& buffer, const std::string& windowsPath) {
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
    std::vector<PictureFile> f;
    addNumbered(f, a.norImages, 8, kCharacterDir, "nor", 1);
    addNamed(f, &a.dieImage, kCharacterDir, {"die0.png"});
    addNumbered(f, a.attImages, 3, kCharacterDir, "att", 1);
    addNumbered(f, a.runImages, 20, kCharacterDir, "run", 1);
    addNumbered(f, a.shootImages, 3, kCharacterDir, "shoot", 1);
    addNamed(f, &a.defendImage, kCharacterDir, {"defend.png"});
    addNamed(f, a.sharkMoveImages, kCharacterDir,
             {"sharkMove1.png", "sharkMove2.png", "sharkMove3.png", "sharkMove4.png", "sharkMove5.png",
              "sharkMove7.png", "sharkMove8.png", "sharkMove9.png"});
    addNamed(f, &a.plrBulletImage, kCharacterDir, {"plrBullet.png"});
    addNamed(f, a.enmBulletImages, kCharacterDir,
             {"enmbullet.png", "enmbullet30.png", "enmbullet60.png", "enmbullet90.png", "enmbullet120.png",
              "enmbullet150.png", "enmbullet-30.png", "enmbullet-60.png", "enmbullet-90.png", "enmbullet-120.png",
              "enmbullet-150.png", "enmbullet-180.png"});
    addNamed(f, &a.sharkAtkImage, kCharacterDir, {"sharkAtk.png"});
    addNamed(f, &a.sharkHittedImage, kCharacterDir, {"sharkHitted.png"});
    addNamed(f, &a.planeImage, kCharacterDir, {"plane.png"});
    addNamed(f, &a.blackCloudImage, kCharacterDir, {"black cloud0.png"});
    addNamed(f, &a.bcHittedImage, kCharacterDir, {"bcHitted.png"});
    addNumbered(f, a.bcAtkImages, 5, kCharacterDir, "bcatk", 1);
    addNamed(f, &a.boomImage, kCharacterDir, {"boom.png"});
    // The last picture is loaded four times into four images: the attack rests on it.
    addNamed(f, a.kingAtkImages, kCharacterDir,
             {"kingatk.png", "kingatk1.png", "kingatk2.png", "kingatk3.png", "kingatk4.png", "kingatk5.png",
              "kingatk6.png", "kingatk6.png", "kingatk6.png", "kingatk6.png"});
    addNumbered(f, a.kingImages, 10, kCharacterDir, "king", 1);
    addNumbered(f, a.blastImages, 27, kCharacterDir, "blast", 1);
    addNumbered(f, a.sleepImages, 4, kImageDir, "sleep", 1);
    addNamed(f, &a.backgroundImage, kImageDir, {"white.png"});
    addNumbered(f, a.meatImages, 4, kCharacterDir, "meat", 1);
    addNumbered(f, a.eatImages, 6, kCharacterDir, "eat", 1);
    return f;
  }();
  return files;
}

const std::vector<SoundFile>& soundFiles() {
  static const std::vector<SoundFile> files = [] {
    AssetCatalogue& a = assets;
    std::vector<SoundFile> f;
    for (auto [buffer, name] : {std::pair{&a.blastSound, "blast.mp3"}, {&a.boomSound, "boom.ogg"},
                                {&a.shootSound, "shoot.ogg"}, {&a.planeSound, "plane.ogg"},
                                {&a.playerAtkSound, "playeratk.ogg"}, {&a.sharkRollSound, "sharkroll.ogg"},
                                {&a.waterShootSound, "watershoot.mp3"}, {&a.waterHitSound, "waterhit.mp3"},
                                {&a.kingAtkSound, "kingatk.mp3"}})
      f.push_back({buffer, std::string(kMusicDir) + name});
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
