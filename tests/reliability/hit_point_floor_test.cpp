// Long play on the game-over screen: monsters keep hitting a dead player, so hit points
// fall without end. They stop at kHitPointFloor, and the hit-point bar's product is taken
// in 64 bits, so the bar never wraps round to a full bar. States are set far down at once.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "game/render/status_bars.h"
#include "game/world/damage.h"
#include "graphics/image.h"
#include "tests/helpers/game_fixture.h"

using namespace test_game;

namespace {

constexpr std::uint32_t kRedBar = 0xFF0000;  // fill colour 0x0000FF as a pixel word

std::uint32_t windowPixel(int x, int y) {
  return pixelBuffer(gfx::graphicsState.window)[std::size_t(y) * 1600 + x] & 0xFFFFFF;
}

class HitPointFloor : public GameTest {};

}  // namespace

TEST_F(HitPointFloor, BarEdgeIsComputedIn64BitsAtEveryDepth) {
  // value * 500 leaves 32 bits below -4,294,967 hit points: a 32-bit product would wrap
  // to a huge positive edge there.
  EXPECT_EQ(barRightEdge(100, -4294968, 50), 100 - 42949680);
  EXPECT_EQ(barRightEdge(100, -1000000, 50), 100 - 10000000);
  EXPECT_EQ(barRightEdge(100, kHitPointFloor, 50), std::numeric_limits<std::int32_t>::min())
      << "an edge beyond 32 bits is held at the limit, on the same side";
  EXPECT_EQ(barRightEdge(100, std::numeric_limits<std::int32_t>::max(), 50), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(barRightEdge(100, 25, 50), 350);
}

TEST_F(HitPointFloor, HitPointsStopAtTheFloorAndTheBarStaysOnTheLeft) {
  freshPlayerAt(700, 300);
  player.hitPoints = kHitPointFloor + 3;
  for (int hit = 0; hit < 5; ++hit) damagePlayer(1000000);
  EXPECT_EQ(player.hitPoints, kHitPointFloor);
  damagePlayer(std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(player.hitPoints, kHitPointFloor) << "the largest damage at the floor";

  for (std::int32_t depth : {std::int32_t(-10), std::int32_t(-4294968), kHitPointFloor}) {
    player.hitPoints = depth;
    setDrawTarget(nullptr);
    std::uint32_t* pixels = pixelBuffer(gfx::graphicsState.window);
    std::fill(pixels, pixels + 1600 * 960, 0x00FFFFFFu);
    drawStatusBars();
    // A negative value draws the bar from its left edge toward the left side of the
    // window; nothing of it may appear right of the left edge.
    for (int x : {102, 350, 600, 1599}) {
      EXPECT_NE(windowPixel(x, 825), kRedBar) << "hit points " << depth << ": bar pixel at x " << x;
    }
    EXPECT_EQ(windowPixel(50, 825), kRedBar) << "hit points " << depth << ": the bar toward the left edge";
  }
}
