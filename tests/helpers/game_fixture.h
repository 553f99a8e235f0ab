// Shared set-up of the game tests: one headless window for the whole test program, the
// catalogue pictures the rules measure given known sizes, and a program-start game state
// with a seeded rand, a fake clock well past zero and no key held.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "game/assets/catalogue.h"
#include "game/monsters/kind_table.h"
#include "game/shell/catalogue_measures.h"
#include "game/world/drawing_counters.h"
#include "game/world/game_state.h"
#include "game/world/lists.h"
#include "graphics/graphics_state.h"
#include "graphics/image.h"
#include "graphics/window.h"
#include "platform/base/random.h"
#include "platform/fake/fake_platform.h"
#include "tests/helpers/world_fixture.h"

namespace test_game {

constexpr std::uint64_t kStartTick = 1000000;
constexpr int kPlayerW = 60;
constexpr int kPlayerH = 80;

// Opens the headless 1600 x 960 window (again if another test left a different one) and
// sizes the pictures whose sizes the rules read; other test files may size them otherwise.
inline void prepareCatalogue() {
  if (gfx::graphicsState.window == nullptr || gfx::graphicsState.window->width() != 1600 ||
      gfx::graphicsState.window->height() != 960) {
    windowHandle = gfx::openGraphics(1600, 960, 0);
  }
  setDrawTarget(nullptr);
  for (IMAGE& image : assets.norImages) image.resize(kPlayerW, kPlayerH);
  assets.eatImages[0].resize(40, 30);
  assets.plrBulletImage.resize(10, 10);
  assets.boomImage.resize(20, 20);
  assets.blastImages[0].resize(100, 100);
  for (IMAGE& image : assets.sharkMoveImages) image.resize(100, 50);
  assets.sharkAtkImage.resize(100, 60);
  assets.planeImage.resize(80, 40);
  useGameMonsterKinds();
  takeCatalogueMeasures();
}

// A monster of the given kind standing idle at (x, y), its pictures the catalogue's.
inline void placeMonster(int slot, float x, float y, std::int32_t hitPoints = 100, std::int8_t kind = 1) {
  Monster& m = monsters[slot];
  m = Monster{};
  m.alive = 1;
  m.hitPoints = hitPoints;
  m.damage = 4;
  m.speed = 2;
  m.kind = kind;
  m.x = x;
  m.y = y;
  m.moveFrames = {kind == 3 ? &assets.planeImage : assets.sharkMoveImages, 0, kind == 3 ? std::int8_t(1) : std::int8_t(8)};
  m.attackFrames = {kind == 3 ? &assets.planeImage : &assets.sharkAtkImage, 0, 1};
  m.hurtFrames = m.attackFrames;
}

// The score spelt from scoreHead along next.
inline std::string scoreText() {
  std::string text;
  for (const ScoreDigit* d = scoreHead; d; d = d->next) text += d->digit;
  return text;
}

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    prepareCatalogue();
    clearGameState();
    clearDrawingCounters();
    platform::fake::releaseAll();
    platform::fake::setTickCount(kStartTick);
    platform::randomSeed(12345);
  }
  void TearDown() override {
    clearGameState();
    clearDrawingCounters();
    platform::fake::releaseAll();
  }

  // A player ready to act: the values of a fresh round at a chosen place.
  static void freshPlayerAt(float x, float y) { test_world::readyPlayerAt(x, y); }
};

}  // namespace test_game
