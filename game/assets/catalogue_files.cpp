// The table of the catalogue's file names. Runs of numbered files ("nor1.png" to
// "nor8.png") are spelled by one helper; every other name is written out.
#include "game/assets/catalogue_files.h"

namespace {

// "<stem><first>.png" to "<stem><last>.png".
std::vector<std::string> numbered(const char* stem, int first, int last) {
  std::vector<std::string> names;
  for (int k = first; k <= last; ++k) names.push_back(stem + std::to_string(k) + ".png");
  return names;
}

}  // namespace

const std::vector<PictureSet>& pictureSets() {
  constexpr PictureFolder kImages = PictureFolder::Images;
  constexpr PictureFolder kCharacter = PictureFolder::Character;
  static const std::vector<PictureSet> sets = {
      {"norImages", kCharacter, numbered("nor", 1, 8)},
      {"dieImage", kCharacter, {"die0.png"}},
      {"attImages", kCharacter, numbered("att", 1, 3)},
      {"runImages", kCharacter, numbered("run", 1, 20)},
      {"shootImages", kCharacter, numbered("shoot", 1, 3)},
      {"defendImage", kCharacter, {"defend.png"}},
      {"sharkMoveImages", kCharacter,
       {"sharkMove1.png", "sharkMove2.png", "sharkMove3.png", "sharkMove4.png", "sharkMove5.png", "sharkMove7.png",
        "sharkMove8.png", "sharkMove9.png"}},
      {"plrBulletImage", kCharacter, {"plrBullet.png"}},
      {"enmBulletImages", kCharacter,
       {"enmbullet.png", "enmbullet30.png", "enmbullet60.png", "enmbullet90.png", "enmbullet120.png",
        "enmbullet150.png", "enmbullet-30.png", "enmbullet-60.png", "enmbullet-90.png", "enmbullet-120.png",
        "enmbullet-150.png", "enmbullet-180.png"}},
      {"sharkAtkImage", kCharacter, {"sharkAtk.png"}},
      {"sharkHittedImage", kCharacter, {"sharkHitted.png"}},
      {"planeImage", kCharacter, {"plane.png"}},
      {"blackCloudImage", kCharacter, {"black cloud0.png"}},
      {"bcHittedImage", kCharacter, {"bcHitted.png"}},
      {"bcAtkImages", kCharacter, numbered("bcatk", 1, 5)},
      {"boomImage", kCharacter, {"boom.png"}},
      // The last picture is loaded four times into four images: the attack rests on it.
      {"kingAtkImages", kCharacter,
       {"kingatk.png", "kingatk1.png", "kingatk2.png", "kingatk3.png", "kingatk4.png", "kingatk5.png",
        "kingatk6.png", "kingatk6.png", "kingatk6.png", "kingatk6.png"}},
      {"kingImages", kCharacter, numbered("king", 1, 10)},
      {"blastImages", kCharacter, numbered("blast", 1, 27)},
      {"sleepImages", kImages, numbered("sleep", 1, 4)},
      {"backgroundImage", kImages, {"white.png"}},
      {"meatImages", kCharacter, numbered("meat", 1, 4)},
      {"eatImages", kCharacter, numbered("eat", 1, 6)},
  };
  return sets;
}

const std::vector<std::string>& soundFileNames() {
  static const std::vector<std::string> names = {"blast.mp3",      "boom.ogg",      "shoot.ogg",
                                                 "plane.ogg",      "playeratk.ogg", "sharkroll.ogg",
                                                 "watershoot.mp3", "waterhit.mp3",  "kingatk.mp3"};
  return names;
}
