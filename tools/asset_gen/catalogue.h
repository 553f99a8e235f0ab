// The files the game loads at start: every picture with the canvas size it is drawn at,
// every sound with its intended length. The names, their order and the canvas sizes come
// from the game's list of picture sets (game/assets/picture_sets.h). Generation and checking
// both work from this list.
#pragma once

#include <string>
#include <vector>

namespace assetgen {

// Canvas sizes shared by the drawing code and the list of picture sets.
constexpr int kPlayerW = 64, kPlayerH = 84;
constexpr int kSharkW = 128, kSharkH = 72;
constexpr int kCloudW = 140, kCloudH = 90;
constexpr int kPlaneW = 150, kPlaneH = 80;
constexpr int kKingW = 128, kKingH = 140;
constexpr int kShotW = 18, kShotH = 18;
constexpr int kBulletLength = 28, kBulletThickness = 14;
constexpr int kBombW = 40, kBombH = 40;
constexpr int kBlastSide = 220;
constexpr int kMeatW = 48, kMeatH = 36;
constexpr int kSleepW = 300, kSleepH = 160;
constexpr int kBackgroundW = 1600, kBackgroundH = 960;
constexpr int kCrosshairSide = 32;

constexpr const char* kImageDir = "resources/images";
constexpr const char* kCharacterDir = "resources/images/pillowkin";
constexpr const char* kMusicDir = "resources/music";

// The twelve headings of the enemy bullet, in degrees, clockwise on screen (0 points right),
// in the order the game loads them.
const std::vector<int>& bulletHeadings();
// The file of the bullet turned to one of those headings: the name at the same place in
// the game's set of enemy bullets.
std::string bulletFileName(int degrees);
// Canvas of the bullet turned to a heading: the bounding box of the turned drop, even sides.
void bulletCanvasSize(int degrees, int& width, int& height);

struct PictureFile {
  std::string dir;
  std::string name;
  int width;
  int height;
};

struct SoundFile {
  std::string name;
  double seconds;
};

// One image of the game's catalogue, in loading order; a file may appear more than once.
struct ImageSlot {
  std::string set;
  std::string file;
};

// Every distinct picture file, in first-use order.
const std::vector<PictureFile>& pictureFiles();
// Every sound file, in loading order.
const std::vector<SoundFile>& soundFiles();
// The 130 image slots of the game, in loading order.
const std::vector<ImageSlot>& imageSlots();

const PictureFile* findPicture(const std::string& name);

}  // namespace assetgen
