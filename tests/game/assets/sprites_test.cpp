// Sprite compositing onto the working image: the blend of single pixels, clipping at the
// four edges, the mirror taken before clipping, and random sprites at every edge against a
// plain per-pixel reference.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "game/assets/sprites.h"
#include "graphics/graphics_state.h"
#include "graphics/image.h"
#include "graphics/window.h"
#include "platform/fake/fake_platform.h"
#include "platform/seam/input.h"
#include "tests/game/assets/blend_rule.h"

namespace {

using test_blend::ruleWord;

constexpr int kW = 1600;
constexpr int kH = 960;

std::uint32_t backgroundWord(int x, int y) { return 0xFF000000u | std::uint32_t(x * 2654435761u ^ y * 40503u) >> 8; }

class Sprites : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (gfx::graphicsState.window == nullptr || gfx::graphicsState.window->width() != kW ||
        gfx::graphicsState.window->height() != kH)
      gfx::openGraphics(kW, kH, 0);
  }
  void SetUp() override {
    resetWindow();
    platform::fake::releaseAll();
  }
  void TearDown() override { platform::fake::releaseAll(); }

  // Fills the working image with a known opaque background.
  void resetWindow() {
    setDrawTarget(nullptr);
    ASSERT_EQ(targetWidth(), kW);
    ASSERT_EQ(targetHeight(), kH);
    std::uint32_t* p = pixelBuffer(nullptr);
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) p[y * kW + x] = backgroundWord(x, y);
    background_.assign(p, p + kW * kH);
  }

  // The window as the rule says it should look after drawing the sprite at (x, y).
  std::vector<std::uint32_t> expectedAfter(const IMAGE& sprite, int x, int y, bool mirrored) const {
    std::vector<std::uint32_t> want = background_;
    const std::uint32_t* s = pixelBuffer(const_cast<IMAGE*>(&sprite));
    const int w = sprite.width();
    for (int r = 0; r < sprite.height(); ++r)
      for (int c = 0; c < w; ++c) {
        const long tx = long(x) + c, ty = long(y) + r;
        if (tx < 0 || ty < 0 || tx >= kW || ty >= kH) continue;
        want[ty * kW + tx] = ruleWord(s[r * w + (mirrored ? w - 1 - c : c)], want[ty * kW + tx]);
      }
    return want;
  }

  ::testing::AssertionResult windowIs(const std::vector<std::uint32_t>& want) const {
    const std::uint32_t* p = pixelBuffer(nullptr);
    for (int i = 0; i < kW * kH; ++i)
      if (p[i] != want[i])
        return ::testing::AssertionFailure() << "window pixel (" << i % kW << ", " << i / kW << ") is 0x"
                                             << std::hex << p[i] << ", expected 0x" << want[i];
    return ::testing::AssertionSuccess();
  }

  std::vector<std::uint32_t> background_;
};

void fillSprite(IMAGE& sprite, std::mt19937& random) {
  std::uint32_t* p = pixelBuffer(&sprite);
  for (int i = 0; i < sprite.width() * sprite.height(); ++i) {
    const std::uint32_t pick = random() % 4;
    const std::uint32_t alpha = pick == 0 ? 0 : pick == 1 ? 255 : random() & 0xFF;
    p[i] = alpha << 24 | (random() & 0xFFFFFF);
  }
}

TEST_F(Sprites, SinglePixelsFollowTheBlendRule) {
  IMAGE pixel(1, 1);
  std::uint32_t* dst = pixelBuffer(nullptr);
  dst[0] = 0xFF0000FFu;
  pixelBuffer(&pixel)[0] = 0x80FF0000u;
  drawSprite(0, 0, pixel);
  EXPECT_EQ(dst[0], 0x0080007Fu) << "(255, 0, 0) at alpha 128 over (0, 0, 255)";

  dst[0] = 0xFF123456u;
  pixelBuffer(&pixel)[0] = 0x00ABCDEFu;
  drawSprite(0, 0, pixel);
  EXPECT_EQ(dst[0], 0x00123456u) << "alpha 0 keeps the colour and clears the alpha byte";

  dst[0] = 0xFF123456u;
  pixelBuffer(&pixel)[0] = 0xFFABCDEFu;
  blendSprite(0, 0, pixel);
  EXPECT_EQ(dst[0], 0x00ABCDEFu) << "alpha 255 takes the source colour exactly";
}

TEST_F(Sprites, ClippingKeepsOnlyTheVisiblePart) {
  std::mt19937 random(7);
  IMAGE sprite(20, 20);
  fillSprite(sprite, random);
  const std::uint32_t* s = pixelBuffer(&sprite);

  drawSprite(-10, 5, sprite);
  EXPECT_TRUE(windowIs(expectedAfter(sprite, -10, 5, false))) << "sprite at (-10, 5)";
  const std::uint32_t* p = pixelBuffer(nullptr);
  EXPECT_EQ(p[5 * kW + 0], ruleWord(s[10], background_[5 * kW])) << "column 0 shows sprite column 10";
  EXPECT_EQ(p[5 * kW + 10], background_[5 * kW + 10]) << "column 10 is untouched";

  SetUp();
  drawSprite(1590, 950, sprite);
  EXPECT_TRUE(windowIs(expectedAfter(sprite, 1590, 950, false))) << "sprite at (1590, 950)";

  SetUp();
  drawSprite(1600, 100, sprite);
  drawSprite(100, -20, sprite);
  drawSprite(-20, 100, sprite);
  drawSprite(100, 960, sprite);
  EXPECT_TRUE(windowIs(background_)) << "sprites wholly outside change nothing";
}

TEST_F(Sprites, MirrorIsTakenBeforeClipping) {
  std::mt19937 random(8);
  IMAGE sprite(20, 20);
  fillSprite(sprite, random);
  drawSpriteMirrored(-10, 0, sprite);
  EXPECT_TRUE(windowIs(expectedAfter(sprite, -10, 0, true)));
  const std::uint32_t* s = pixelBuffer(&sprite);
  EXPECT_EQ(pixelBuffer(nullptr)[0], ruleWord(s[9], background_[0]))
      << "window column 0 shows mirror column 10, stored column 9";
}

TEST_F(Sprites, RandomSpritesAtEveryEdgeMatchThePlainRule) {
  std::mt19937 random(9);
  const int sizes[][2] = {{1, 1}, {3, 7}, {13, 5}, {20, 20}, {33, 17}, {64, 64}};
  for (const auto& size : sizes) {
    IMAGE sprite(size[0], size[1]);
    fillSprite(sprite, random);
    const int w = size[0], h = size[1];
    const int xs[] = {-w, -w + 1, -w / 2, 0, 700, kW - w, kW - w / 2 - 1, kW - 1, kW};
    const int ys[] = {-h, -h + 1, -h / 2, 0, 400, kH - h, kH - 1, kH};
    for (int x : xs)
      for (int y : ys)
        for (bool mirrored : {false, true}) {
          SetUp();
          if (mirrored)
            drawSpriteMirrored(x, y, sprite);
          else
            drawSprite(x, y, sprite);
          ASSERT_TRUE(windowIs(expectedAfter(sprite, x, y, mirrored)))
              << w << " x " << h << " sprite at (" << x << ", " << y << ")" << (mirrored ? " mirrored" : "");
        }
  }
}

}  // namespace
