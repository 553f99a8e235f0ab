// Cost of composing one busy frame (the player, seven monsters, 60 shots, three bombs
// exploding, six pieces of meat, a three-digit score) against a plain memcpy of a whole
// 1600 x 960 frame measured in the same run. Counter "ratio" = drawFrame time / memcpy time.
// Pictures come from $DA_STAGE_DIR (the staged working directory) when set; otherwise
// synthetic half-transparent pictures of similar sizes stand in.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "game/assets/catalogue.h"
#include "game/monsters/spawner.h"
#include "game/render/frame.h"
#include "game/shell/game_state.h"
#include "game/shell/startup.h"
#include "graphics/image.h"
#include "graphics/window.h"
#include "platform/fake/fake_platform.h"

namespace {

constexpr std::uint64_t kNow = 5000000;

void paint(IMAGE& image, int w, int h, std::uint32_t colour) {
  image.resize(w, h);
  std::uint32_t* p = pixelBuffer(&image);
  for (int i = 0; i < w * h; ++i) p[i] = (i % 3 == 0 ? 0x80000000u : 0xFF000000u) | colour;
}

// Loads the staged pictures, or paints stand-ins where none could be loaded.
bool preparePictures() {
  if (const char* stage = std::getenv("DA_STAGE_DIR")) {
    if (::chdir(stage) == 0) loadImages();
  }
  if (assets.norImages[0].width() > 0) return true;
  for (IMAGE* set : {assets.norImages, assets.runImages, assets.attImages, assets.shootImages, assets.eatImages})
    for (int i = 0; i < 3; ++i) paint(set[i], 64, 80, 0x8040C0);
  for (IMAGE& i : assets.norImages) paint(i, 64, 80, 0x8040C0);
  for (IMAGE& i : assets.sharkMoveImages) paint(i, 120, 70, 0x4060A0);
  for (IMAGE& i : assets.kingImages) paint(i, 110, 110, 0xA040A0);
  for (IMAGE& i : assets.kingAtkImages) paint(i, 110, 110, 0xA04060);
  for (IMAGE& i : assets.bcAtkImages) paint(i, 120, 80, 0x303030);
  for (IMAGE& i : assets.blastImages) paint(i, 200, 200, 0xF08020);
  for (IMAGE& i : assets.meatImages) paint(i, 40, 30, 0xC06040);
  for (IMAGE& i : assets.sleepImages) paint(i, 200, 110, 0x9090F0);
  for (IMAGE& i : assets.enmBulletImages) paint(i, 16, 16, 0x2060F0);
  paint(assets.sharkAtkImage, 120, 70, 0x4060A0);
  paint(assets.sharkHittedImage, 120, 70, 0x4060A0);
  paint(assets.planeImage, 130, 60, 0x608060);
  paint(assets.blackCloudImage, 120, 80, 0x303030);
  paint(assets.bcHittedImage, 120, 80, 0x303030);
  paint(assets.boomImage, 30, 30, 0x202020);
  paint(assets.plrBulletImage, 16, 16, 0xF0F040);
  assets.backgroundImage.resize(1600, 960);
  return false;
}

template <typename Shot>
void appendShot(Shot*& head, float x, float y, IMAGE* image) {
  auto* shot = static_cast<Shot*>(std::calloc(1, sizeof(Shot)));
  shot->x = x;
  shot->y = y;
  shot->speed = 10;
  shot->image = image;
  shot->next = head;
  if (head) head->prev = shot;
  head = shot;
}

void buildBusyState() {
  clearGameState();
  platform::fake::setTickCount(kNow);
  std::srand(42);
  monsterKinds[0] = MonsterKind{30, 6, 3, 1};
  monsterKinds[1] = MonsterKind{20, 4, 2, 2};
  monsterKinds[2] = MonsterKind{25, 5, 2, 3};
  monsterKinds[3] = MonsterKind{40, 3, 2, 4};
  resetRound();
  spawnMonsters();
  for (int slot = 0; slot < kSlotCount; ++slot) monsters[slot].state = slot % 2 ? kMonsterMoving : kMonsterIdle;
  for (int i = 0; i < 40; ++i) appendShot(playerShots, 40.0f * i, 100.0f + 13 * i, &assets.plrBulletImage);
  for (int i = 0; i < 20; ++i) appendShot(enemyShots, 70.0f * i + 5, 600.0f - 20 * i, &assets.enmBulletImages[i % 12]);
  for (int i = 0; i < 3; ++i) {
    auto* bomb = static_cast<Boom*>(std::calloc(1, sizeof(Boom)));
    bomb->x = 300 + 450 * i;
    bomb->y = 250 + 100 * i;
    bomb->image = &assets.boomImage;
    bomb->blastFrame = 5 + 6 * i;
    bomb->blastFrameTime = kNow;
    bomb->blastSize = assets.blastImages[0].width();
    bomb->next = booms;
    if (booms) booms->prev = bomb;
    booms = bomb;
  }
  for (int i = 0; i < 6; ++i) {
    auto* piece = static_cast<Meat*>(std::calloc(1, sizeof(Meat)));
    piece->x = 150 + 230 * i;
    piece->y = 500 + 20 * i;
    piece->frameTime = kNow;
    piece->lifetime = 1500;
    piece->next = meats;
    if (meats) meats->prev = piece;
    meats = piece;
  }
  scoreHead->digit = '1';
  for (char d : {'2', '3'}) {
    auto* digit = static_cast<ScoreDigit*>(std::calloc(1, sizeof(ScoreDigit)));
    digit->digit = d;
    digit->prev = scoreTail;
    scoreTail->next = digit;
    scoreTail = digit;
  }
  player.x = 700;
  player.y = 350;
  drawingCounters = DrawingCounters{};
  drawingCounters.sleepFrameTime = kNow;
  drawingCounters.playerFrameTime = kNow;
}

double secondsOf(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

// Median time of a plain memcpy of one whole frame into the working image.
double memcpyFrameSeconds() {
  std::vector<std::uint32_t> source(1600 * 960, 0xFF336699u);
  std::uint32_t* target = pixelBuffer(nullptr);
  std::vector<double> times;
  for (int i = 0; i < 201; ++i) {
    const auto start = std::chrono::steady_clock::now();
    std::memcpy(target, source.data(), source.size() * sizeof(std::uint32_t));
    benchmark::ClobberMemory();
    times.push_back(secondsOf(std::chrono::steady_clock::now() - start));
  }
  std::nth_element(times.begin(), times.begin() + 100, times.end());
  return times[100];
}

void BM_DrawFrameBusy(benchmark::State& state) {
  static void* window = gfx::openGraphics(1600, 960, 0);
  (void)window;
  setDrawTarget(nullptr);
  static const bool staged = preparePictures();
  buildBusyState();
  const double copy = memcpyFrameSeconds();
  std::vector<double> times;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    drawFrame();
    benchmark::ClobberMemory();
    times.push_back(secondsOf(std::chrono::steady_clock::now() - start));
  }
  std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
  const double frame = times[times.size() / 2];
  state.counters["memcpy_us"] = copy * 1e6;
  state.counters["frame_us"] = frame * 1e6;
  state.counters["ratio"] = frame / copy;
  state.SetLabel(staged ? "staged pictures" : "synthetic pictures");
}
BENCHMARK(BM_DrawFrameBusy)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

}  // namespace
