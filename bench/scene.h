// Shared by the frame benchmarks (header only: every bench/*.cpp is its own program).
// Enters the staged directory, runs the real start-up with the generated catalogue on
// whatever window backend the program links, and builds the busy scene: the player, seven
// monsters of all four kinds, 60 player shots, 40 enemy shots, 3 bombs in mid-blast, 6
// pieces of meat and a three-digit score.
#pragma once
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "game/assets/catalogue.h"
#include "game/monsters/spawner.h"
#include "game/shell/startup.h"
#include "game/world/enemy_shots.h"
#include "game/world/game_state.h"
#include "game/world/lists.h"
#include "graphics/draw.h"
#include "graphics/window.h"
#include "platform/seam/clock.h"

namespace bench_scene {

// Moves into DA_STAGE_DIR (or stays, when the current directory is staged). False, with
// the reason, when no staged directory with generated resources is found.
inline bool enterStage(std::string& why) {
  namespace fs = std::filesystem;
  const char* stage = std::getenv("DA_STAGE_DIR");
  if (stage && *stage && ::chdir(stage) != 0) {
    why = std::string("cannot enter DA_STAGE_DIR=") + stage;
    return false;
  }
  if (!fs::exists("monsterData.txt") || !fs::exists("resources/images/white.png")) {
    why = "run in build/stage or set DA_STAGE_DIR to a staged directory with generated resources";
    return false;
  }
  return true;
}

// Opens the 1600 x 960 window, runs startUp and switches deferred showing on, once.
inline bool openGame(std::string& why) {
  static bool opened = false;
  static std::string failure;
  if (!opened) {
    if (!enterStage(failure)) {
      why = failure;
      return false;
    }
    windowHandle = gfx::openGraphics(1600, 960, 0);
    startUp();
    std::srand(1);
    gfx::beginDeferredShow();
    opened = true;
  }
  return true;
}

template <typename Element>
Element* zeroed() {
  return static_cast<Element*>(std::calloc(1, sizeof(Element)));
}

// Puts the busy scene in place of whatever the game state holds; positions come from a
// fixed seed, timers from the clock now, so nothing steps until the clock moves.
inline void buildBusyScene() {
  resetRound();
  freeScore();
  const std::uint64_t now = platform::tickCount();
  std::mt19937 random(7);
  auto within = [&random](int limit) { return int(random() % unsigned(limit)); };

  player.x = 760;
  player.y = 420;
  player.state = Free;
  player.hitPoints = 50;
  player.energy = 150;
  player.ammo = 30;
  player.specialCooldown = 0;

  const std::int8_t kinds[kSlotCount] = {kShark, kBlackCloud, kPlane, kKing, kShark, kBlackCloud, kKing};
  for (int slot = 0; slot < kSlotCount; ++slot) {
    Monster& m = monsters[slot];
    m = Monster{};
    setUpMonsterKind(m, kinds[slot]);
    m.alive = 1;
    m.kind = kinds[slot];
    m.x = float(60 + 210 * slot);
    m.y = float(80 + 230 * (slot % 3));
    m.hitPoints = 1000;
    m.damage = 3;
    m.speed = 2;
    m.state = kMonsterIdle;
    m.actionTime = now;
    m.frameTime = now;
  }
  for (int i = 0; i < 60; ++i) {
    auto* shot = zeroed<PlayerShot>();
    shot->x = float(within(1580));
    shot->y = float(within(740));
    shot->speed = 20;
    shot->damage = 1;
    shot->heading = (within(628) - 314) / 100.0;
    shot->image = &assets.plrBulletImage;
    appendAtTail(playerShots, shot);
  }
  for (int i = 0; i < 40; ++i) {
    EnemyShot* shot = newListElement<EnemyShot>("enquene malloc fail\n");
    shot->x = float(within(1560));
    shot->y = float(within(730));
    shot->speed = 8;
    shot->damage = 1;
    shot->heading = (within(628) - 314) / 100.0;
    chooseEnemyShotImage(*shot);
    appendEnemyShot(shot);
  }
  const int blastFrames[3] = {4, 12, 20};
  for (int frame : blastFrames) {
    auto* bomb = zeroed<Boom>();
    bomb->x = 200 + within(1200);
    bomb->y = 100 + within(500);
    bomb->speed = 6;
    bomb->damage = 2;
    bomb->image = &assets.boomImage;
    bomb->blastFrame = frame;
    bomb->blastFrameTime = now;
    bomb->blastSize = assets.blastImages[0].width();
    bomb->blastSoundPlayed = 1;
    appendAtTail(booms, bomb);
  }
  for (int i = 0; i < 6; ++i) {
    auto* piece = zeroed<Meat>();
    piece->x = within(1550);
    piece->y = within(720);
    piece->frame = std::int8_t(i % 3);
    piece->frameTime = now;
    piece->lifetime = 1500;
    appendAtTail(meats, piece);
  }
  for (char c : std::string("123")) {
    auto* digit = zeroed<ScoreDigit>();
    digit->digit = c;
    appendAtTail(scoreHead, digit);
    scoreTail = digit;
  }
}

}  // namespace bench_scene
