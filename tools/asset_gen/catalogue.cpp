// The catalogue of picture and sound files, their directories and sizes.
#include "tools/asset_gen/catalogue.h"

#include <cmath>

namespace assetgen {

namespace {

struct SetSpec {
  const char* set;
  const char* dir;
  std::vector<std::string> files;
  int width;
  int height;
};

std::vector<std::string> numbered(const char* stem, int first, int last) {
  std::vector<std::string> names;
  for (int i = first; i <= last; ++i) names.push_back(stem + std::to_string(i) + ".png");
  return names;
}

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The 23 image sets in loading order. Bullets get their sizes per heading below.
const std::vector<SetSpec>& sets() {
  static const std::vector<SetSpec> table = [] {
    std::vector<std::string> bullets;
    for (int deg : bulletHeadings()) bullets.push_back(bulletFileName(deg));
    std::vector<std::string> kingAtk = concat({"kingatk.png"}, numbered("kingatk", 1, 6));
    for (int i = 0; i < 3; ++i) kingAtk.push_back("kingatk6.png");
    return std::vector<SetSpec>{
        {"norImages", kCharacterDir, numbered("nor", 1, 8), kPlayerW, kPlayerH},
        {"dieImage", kCharacterDir, {"die0.png"}, kPlayerW, kPlayerH},
        {"attImages", kCharacterDir, numbered("att", 1, 3), kPlayerW, kPlayerH},
        {"runImages", kCharacterDir, numbered("run", 1, 20), kPlayerW, kPlayerH},
        {"shootImages", kCharacterDir, numbered("shoot", 1, 3), kPlayerW, kPlayerH},
        {"defendImage", kCharacterDir, {"defend.png"}, kPlayerW, kPlayerH},
        {"sharkMoveImages", kCharacterDir,
         concat(numbered("sharkMove", 1, 5), numbered("sharkMove", 7, 9)), kSharkW, kSharkH},
        {"plrBulletImage", kCharacterDir, {"plrBullet.png"}, kShotW, kShotH},
        {"enmBulletImages", kCharacterDir, bullets, 0, 0},
        {"sharkAtkImage", kCharacterDir, {"sharkAtk.png"}, kSharkW, kSharkH},
        {"sharkHittedImage", kCharacterDir, {"sharkHitted.png"}, kSharkW, kSharkH},
        {"planeImage", kCharacterDir, {"plane.png"}, kPlaneW, kPlaneH},
        {"blackCloudImage", kCharacterDir, {"black cloud0.png"}, kCloudW, kCloudH},
        {"bcHittedImage", kCharacterDir, {"bcHitted.png"}, kCloudW, kCloudH},
        {"bcAtkImages", kCharacterDir, numbered("bcatk", 1, 5), kCloudW, kCloudH},
        {"boomImage", kCharacterDir, {"boom.png"}, kBombW, kBombH},
        {"kingAtkImages", kCharacterDir, kingAtk, kKingW, kKingH},
        {"kingImages", kCharacterDir, numbered("king", 1, 10), kKingW, kKingH},
        {"blastImages", kCharacterDir, numbered("blast", 1, 27), kBlastSide, kBlastSide},
        {"sleepImages", kImageDir, numbered("sleep", 1, 4), kSleepW, kSleepH},
        {"backgroundImage", kImageDir, {"white.png"}, kBackgroundW, kBackgroundH},
        {"meatImages", kCharacterDir, numbered("meat", 1, 4), kMeatW, kMeatH},
        {"eatImages", kCharacterDir, numbered("eat", 1, 6), kPlayerW, kPlayerH},
    };
  }();
  return table;
}

}  // namespace

const std::vector<int>& bulletHeadings() {
  static const std::vector<int> headings = {0,   30,  60,  90,   120,  150,
                                            -30, -60, -90, -120, -150, -180};
  return headings;
}

std::string bulletFileName(int degrees) {
  return degrees == 0 ? std::string("enmbullet.png")
                      : "enmbullet" + std::to_string(degrees) + ".png";
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
    for (const SetSpec& s : sets()) {
      for (const std::string& f : s.files) {
        bool seen = false;
        for (const PictureFile& p : out) seen = seen || (p.dir == s.dir && p.name == f);
        if (seen) continue;
        int w = s.width, h = s.height;
        if (w == 0) {
          for (int deg : bulletHeadings())
            if (bulletFileName(deg) == f) bulletCanvasSize(deg, w, h);
        }
        out.push_back({s.dir, f, w, h});
      }
    }
    return out;
  }();
  return files;
}

const std::vector<SoundFile>& soundFiles() {
  static const std::vector<SoundFile> files = {
      {"blast.mp3", 1.2},     {"boom.ogg", 0.9},      {"shoot.ogg", 0.16},
      {"plane.ogg", 0.8},     {"playeratk.ogg", 0.3}, {"sharkroll.ogg", 0.55},
      {"watershoot.mp3", 0.45}, {"waterhit.mp3", 0.4}, {"kingatk.mp3", 1.1},
  };
  return files;
}

const std::vector<ImageSlot>& imageSlots() {
  static const std::vector<ImageSlot> slots = [] {
    std::vector<ImageSlot> out;
    for (const SetSpec& s : sets())
      for (const std::string& f : s.files) out.push_back({s.set, f});
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
