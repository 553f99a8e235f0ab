// The asset catalogue: the static images and sound buffers and their loading from the
// fixed files under resources/. Audio start-up runs before the sound buffers are
// constructed, because SFML opens its audio device with the first buffer.
#include "game/assets/catalogue.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "graphics/image_file.h"
#include "platform/audio/audio.h"

namespace {

struct AudioBeforeBuffers {
  AudioBeforeBuffers() { platform::startAudio(); }
} audioBeforeBuffers;

constexpr const char* kImageDir = ".\\resources\\images\\";
constexpr const char* kCharacterDir = ".\\resources\\images\\pillowkin\\";
constexpr const char* kMusicDir = ".\\resources\\music\\";

// Loads count images from "<dir><stem><first + k>.png", k = 0 .. count - 1.
void loadNumbered(IMAGE* images, int count, const char* dir, const char* stem, int first) {
  for (int k = 0; k < count; ++k) {
    const std::string path = std::string(dir) + stem + std::to_string(first + k) + ".png";
    gfx::loadImageFile(&images[k], path.c_str(), 0, 0, false);
  }
}

void loadNamed(IMAGE* images, const char* dir, std::initializer_list<const char*> files) {
  int k = 0;
  for (const char* file : files) {
    const std::string path = std::string(dir) + file;
    gfx::loadImageFile(&images[k++], path.c_str(), 0, 0, false);
  }
}

void loadSound(sf::SoundBuffer& buffer, const char* file) {
  std::string path = std::string(kMusicDir) + file;
  std::replace(path.begin(), path.end(), '\\', '/');
  // SFML's FLAC check spins for ever on a directory it could open: only files are tried.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error) || !buffer.loadFromFile(path)) {
    std::fputs("sound load fail\n", stdout);
    std::fflush(stdout);
    std::_Exit(1);
  }
}

}  // namespace

AssetCatalogue assets;

void loadImages() {
  AssetCatalogue& a = assets;
  loadNumbered(a.norImages, 8, kCharacterDir, "nor", 1);
  loadNamed(&a.dieImage, kCharacterDir, {"die0.png"});
  loadNumbered(a.attImages, 3, kCharacterDir, "att", 1);
  loadNumbered(a.runImages, 20, kCharacterDir, "run", 1);
  loadNumbered(a.shootImages, 3, kCharacterDir, "shoot", 1);
  loadNamed(&a.defendImage, kCharacterDir, {"defend.png"});
  loadNamed(a.sharkMoveImages, kCharacterDir,
            {"sharkMove1.png", "sharkMove2.png", "sharkMove3.png", "sharkMove4.png",
             "sharkMove5.png", "sharkMove7.png", "sharkMove8.png", "sharkMove9.png"});
  loadNamed(&a.plrBulletImage, kCharacterDir, {"plrBullet.png"});
  loadNamed(a.enmBulletImages, kCharacterDir,
            {"enmbullet.png", "enmbullet30.png", "enmbullet60.png", "enmbullet90.png",
             "enmbullet120.png", "enmbullet150.png", "enmbullet-30.png", "enmbullet-60.png",
             "enmbullet-90.png", "enmbullet-120.png", "enmbullet-150.png", "enmbullet-180.png"});
  loadNamed(&a.sharkAtkImage, kCharacterDir, {"sharkAtk.png"});
  loadNamed(&a.sharkHittedImage, kCharacterDir, {"sharkHitted.png"});
  loadNamed(&a.planeImage, kCharacterDir, {"plane.png"});
  loadNamed(&a.blackCloudImage, kCharacterDir, {"black cloud0.png"});
  loadNamed(&a.bcHittedImage, kCharacterDir, {"bcHitted.png"});
  loadNumbered(a.bcAtkImages, 5, kCharacterDir, "bcatk", 1);
  loadNamed(&a.boomImage, kCharacterDir, {"boom.png"});
  // The last picture is loaded four times into four images: the attack rests on it.
  loadNamed(a.kingAtkImages, kCharacterDir,
            {"kingatk.png", "kingatk1.png", "kingatk2.png", "kingatk3.png", "kingatk4.png",
             "kingatk5.png", "kingatk6.png", "kingatk6.png", "kingatk6.png", "kingatk6.png"});
  loadNumbered(a.kingImages, 10, kCharacterDir, "king", 1);
  loadNumbered(a.blastImages, 27, kCharacterDir, "blast", 1);
  loadNumbered(a.sleepImages, 4, kImageDir, "sleep", 1);
  loadNamed(&a.backgroundImage, kImageDir, {"white.png"});
  loadNumbered(a.meatImages, 4, kCharacterDir, "meat", 1);
  loadNumbered(a.eatImages, 6, kCharacterDir, "eat", 1);
}

void loadSounds() {
  platform::startAudio();
  AssetCatalogue& a = assets;
  loadSound(a.blastSound, "blast.mp3");
  loadSound(a.boomSound, "boom.ogg");
  loadSound(a.shootSound, "shoot.ogg");
  loadSound(a.planeSound, "plane.ogg");
  loadSound(a.playerAtkSound, "playeratk.ogg");
  loadSound(a.sharkRollSound, "sharkroll.ogg");
  loadSound(a.waterShootSound, "watershoot.mp3");
  loadSound(a.waterHitSound, "waterhit.mp3");
  loadSound(a.kingAtkSound, "kingatk.mp3");
}
