// Start-up and round reset: the random seed, text settings, the monster table, the assets,
// the sleeping figure's place; then per round the fresh player, empty lists and score '0'.
#include "game/shell/startup.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "game/assets/catalogue.h"
#include "game/monsters/kind_table.h"
#include "game/shell/catalogue_measures.h"
#include "game/world/game_state.h"
#include "game/world/lists.h"
#include "game/world/monster_table.h"
#include "graphics/draw.h"
#include "platform/base/fatal.h"
#include "platform/base/paths.h"
#include "platform/base/random.h"
#include "platform/seam/clock.h"

namespace {

void readMonsterTable() {
  // A directory opens like a file but throws on the first read: only files are read.
  const std::string path = platform::nativePath("monsterData.txt");
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) platform::fatalError("data text open fail");
  std::ifstream file(path, std::ios::binary);
  if (!file) platform::fatalError("data text open fail");
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  int badLine = parseMonsterTable(text, monsterKinds);
  if (badLine != 0) platform::fatalError("data text format fail: line " + std::to_string(badLine) + "\n");
}

}  // namespace

void applyTextSettings() {
  gfx::setBackColour(0xFFFFFF);
  gfx::setFont(100, 0, "Consolas");
  gfx::setTextColour(0xFF9600);
}

void startUp() {
  randomSeed = static_cast<unsigned>(platform::calendarSeconds());
  platform::randomSeed(randomSeed);
  loadRun();
}

void loadRun() {
  applyTextSettings();
  useGameMonsterKinds();
  readMonsterTable();
  loadImages();
  takeCatalogueMeasures();
  loadSounds();
  sleepX = 800 - assets.sleepImages[0].width() / 2;
  sleepY = 960 - assets.sleepImages[0].height();
}

void resetRound() {
  freeScore();
  clearRoundTally();
  freeBooms();
  freeShots();
  freeMeats();
  player.hitPoints = 50;
  player.damage = 3;
  player.energy = 150;
  player.x = static_cast<float>(platform::randomNumber() % 1450);
  player.speed = 5;
  player.invulnerable = 0;
  player.ammo = 30;
  player.y = static_cast<float>(platform::randomNumber() % 610);
  auto* digit = newListElement<ScoreDigit>("malloc fail\n");
  digit->digit = '0';
  digit->next = nullptr;
  digit->prev = nullptr;
  for (Monster& slot : monsters) {
    slot.alive = 0;
    slot.state = kMonsterIdle;
  }
  scoreHead = scoreTail = digit;
}
