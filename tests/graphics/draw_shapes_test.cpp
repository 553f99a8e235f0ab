// Shapes on an IMAGE target: box inclusion, the fill and erase forms, arcs, lines, wide
// pens, polygon fill modes, flood fill, clipping, transforms and huge coordinates.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "graphics/colour.h"
#include "graphics/device.h"
#include "graphics/draw.h"
#include "graphics/graphics_state.h"
#include "graphics/image.h"
#include "graphics/region.h"
#include "graphics/window.h"
#include "tests/helpers/image_target_test.h"
#include "tests/helpers/pixel_words.h"

namespace {

using test_pixels::hex;

constexpr std::uint32_t kRed = 0x0000FF;  // colours are 0x00BBGGRR
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0xFF0000;

class DrawTest : public test_pixels::ImageTargetTest {
 protected:
  void SetUp() override { use(64, 48); }
  // Checks every pixel against expect(x, y) and names the first that differs.
  template <typename F>
  ::testing::AssertionResult everyPixel(F expect) {
    for (int y = 0; y < image->height(); ++y)
      for (int x = 0; x < image->width(); ++x) {
        std::uint32_t want = expect(x, y);
        if (word(x, y) != want)
          return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << hex(word(x, y))
                                               << ", expected " << hex(want);
      }
    return ::testing::AssertionSuccess();
  }
};

// ---- Boxes ----

TEST_F(DrawTest, StatusBarRectangleHasWhiteBorderOnItsEdgesAndRedInside) {
  use(1600, 960);
  gfx::setFillColour(kRed);
  gfx::drawRectangle(100, 810, 400, 840);
  EXPECT_TRUE(everyPixel([](int x, int y) -> std::uint32_t {
    if (x < 100 || x > 400 || y < 810 || y > 840) return 0;
    if (x == 100 || x == 400 || y == 810 || y == 840) return 0x00FFFFFF;
    return 0x00FF0000;
  }));
}

TEST_F(DrawTest, StatusBarOnTheWindowGoesThroughTheWindowDevice) {
  gfx::openGraphics(1600, 960, 0);
  ASSERT_EQ(gfx::graphicsState.currentDevice, static_cast<gfx::DrawOnImg*>(gfx::graphicsState.windowDevice));
  gfx::setFillColour(kRed);
  gfx::drawRectangle(100, 810, 400, 840);
  const std::uint32_t* words = pixelBuffer(nullptr);
  EXPECT_EQ(words[810 * 1600 + 100], 0x00FFFFFFu);
  EXPECT_EQ(words[840 * 1600 + 400], 0x00FFFFFFu);
  EXPECT_EQ(words[825 * 1600 + 250], 0x00FF0000u);
  EXPECT_EQ(words[841 * 1600 + 250], 0x00000000u);
  gfx::closeGraphics();
}

TEST_F(DrawTest, FillRectangleNormalisesCornersAndCoversTheBorderedBoxWithoutBorder) {
  device->setLineColour(kGreen);
  device->setFillColour(kBlue);
  device->fillRectangle(10, 10, 5, 5);
  EXPECT_TRUE(everyPixel([](int x, int y) -> std::uint32_t {
    return x >= 5 && x <= 10 && y >= 5 && y <= 10 ? 0x000000FF : 0;
  }));
  use(64, 48);
  device->setLineColour(kGreen);
  device->setFillColour(kBlue);
  device->drawRectangle(5, 5, 10, 10);
  EXPECT_TRUE(everyPixel([](int x, int y) -> std::uint32_t {
    if (x < 5 || x > 10 || y < 5 || y > 10) return 0;
    return x == 5 || x == 10 || y == 5 || y == 10 ? 0x0000FF00 : 0x000000FF;
  }));
}

TEST_F(DrawTest, HugeRectanglesAreClippedToTheTarget) {
  device->setFillColour(kRed);
  device->drawRectangle(-10000000, -10000000, 10000000, 10000000);
  EXPECT_TRUE(everyPixel([](int, int) { return 0x00FF0000u; }));
  device->setFillColour(kGreen);
  device->fillRectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_TRUE(everyPixel([](int, int) { return 0x0000FF00u; }));
  // A border far outside on three sides: only its left column shows.
  device->setFillStyle(1, 0, nullptr);
  device->setLineColour(kBlue);
  device->drawRectangle(3, -2000000000, 2000000000, 2000000000);
  EXPECT_TRUE(everyPixel([](int x, int) { return x == 3 ? 0x000000FFu : 0x0000FF00u; }));
  device->drawLine(-2000000000, 7, 2000000000, 7);
  EXPECT_EQ(word(0, 7), 0x000000FFu);
  EXPECT_EQ(word(63, 7), 0x000000FFu);
  device->drawEllipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  device->drawPie(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 1);
}

// ---- Composite forms ----

TEST_F(DrawTest, EraseFormsPaintTheBackgroundAndRestoreMixColourAndStyle) {
  device->setBackColour(kGreen);
  device->clearTarget();
  device->setBackColour(kBlue);
  device->setMixMode(7);
  device->setFillColour(0x123456);
  device->setFillStyle(2, 3, nullptr);
  device->eraseCircle(20, 20, 8);
  EXPECT_EQ(device->getMixMode(), 7);
  EXPECT_EQ(device->getFillColour(), 0x123456u);
  FILLSTYLE style;
  device->getFillStyle(style);
  EXPECT_EQ(style.style, 2);
  EXPECT_EQ(style.hatch, 3);
  EXPECT_EQ(word(20, 20), 0x000000FFu) << "centre in the background colour, copied";
  EXPECT_EQ(word(20, 12), 0x000000FFu) << "top of the circle, no border";
  EXPECT_EQ(word(40, 40), 0x0000FF00u) << "outside untouched";

  device->eraseRectangle(30, 2, 33, 4);
  EXPECT_EQ(device->getMixMode(), 7);
  EXPECT_EQ(word(30, 2), 0x000000FFu);
  EXPECT_EQ(word(33, 4), 0x000000FFu);
  EXPECT_EQ(word(34, 4), 0x0000FF00u);
}

TEST_F(DrawTest, OutlineFormDrawsOnlyTheBorderAndRestoresTheFillStyle) {
  device->setFillColour(kRed);
  device->drawRectangleOutline(2, 2, 12, 12);
  EXPECT_EQ(word(2, 2), 0x00FFFFFFu);
  EXPECT_EQ(word(7, 7), 0u);
  device->fillRectangle(20, 20, 21, 21);
  EXPECT_EQ(word(20, 20), 0x00FF0000u) << "the solid brush is back";
}

TEST_F(DrawTest, FillColourWithEmptyBrushChangesTheFieldOnly) {
  device->setFillStyle(1, 0, nullptr);
  device->setFillColour(kRed);
  EXPECT_EQ(device->getFillColour(), static_cast<std::uint32_t>(kRed));
  device->fillRectangle(0, 0, 10, 10);
  EXPECT_TRUE(everyPixel([](int, int) { return 0u; }));
}

// ---- Arcs and curves ----

TEST_F(DrawTest, ArcEndPointsRoundHalfAwayFromZero) {
  int sx, sy, ex, ey;
  device->arcEndPoints(0, 0, 100, 50, 0, M_PI, sx, sy, ex, ey);
  EXPECT_EQ(sx, 100);
  EXPECT_EQ(sy, 25);
  EXPECT_EQ(ex, 0);
  EXPECT_EQ(ey, 25);
  device->arcEndPoints(101, 51, 0, 0, M_PI / 2, -M_PI / 2, sx, sy, ex, ey);  // corners swapped, odd sizes
  EXPECT_EQ(sx, 50);
  EXPECT_EQ(sy, 0);
  EXPECT_EQ(ex, 50);
  EXPECT_EQ(ey, 50);
  device->arcEndPoints(-11, -11, -1, -1, M_PI, 0, sx, sy, ex, ey);
  EXPECT_EQ(sx, -11);
  EXPECT_EQ(sy, -6);
  EXPECT_EQ(ex, -1);
}

TEST_F(DrawTest, ArcFromZeroToPiRunsOverTheTop) {
  use(128, 64);
  device->drawArc(0, 0, 100, 50, 0, M_PI);
  EXPECT_EQ(word(100, 25), 0x00FFFFFFu) << "start at the right end";
  EXPECT_EQ(word(50, 0), 0x00FFFFFFu) << "passes the top";
  EXPECT_EQ(word(0, 25), 0x00FFFFFFu) << "ends at the left end";
  for (int y = 27; y < 64; ++y)
    for (int x = 0; x < 128; ++x) ASSERT_EQ(word(x, y), 0u) << "lower half drawn at (" << x << ", " << y << ")";
}

TEST_F(DrawTest, PieFromPiToZeroFillsTheLowerHalf) {
  use(128, 64);
  device->setFillColour(kRed);
  device->drawPie(0, 0, 100, 50, M_PI, 0);
  EXPECT_EQ(word(50, 50), 0x00FFFFFFu) << "border at the bottom";
  EXPECT_EQ(word(50, 40), 0x00FF0000u) << "interior below the centre";
  EXPECT_EQ(word(50, 10), 0u) << "upper half untouched";
}

TEST_F(DrawTest, EllipseStaysInsideItsBoxAndTouchesAllFourSides) {
  device->setFillColour(kRed);
  device->drawEllipse(10, 10, 30, 20);
  EXPECT_EQ(word(10, 15), 0x00FFFFFFu);
  EXPECT_EQ(word(30, 15), 0x00FFFFFFu);
  EXPECT_EQ(word(20, 10), 0x00FFFFFFu);
  EXPECT_EQ(word(20, 20), 0x00FFFFFFu);
  EXPECT_EQ(word(20, 15), 0x00FF0000u);
  EXPECT_EQ(word(10, 10), 0u) << "corner of the box is outside the ellipse";
  EXPECT_TRUE(everyPixel([this](int x, int y) { return x >= 10 && x <= 30 && y >= 10 && y <= 20 ? word(x, y) : 0u; }));
}

TEST_F(DrawTest, BezierWithStraightControlsIsALine) {
  const gfx::Point points[4] = {{2, 5}, {10, 5}, {20, 5}, {30, 5}};
  device->drawBezier(points, 4);
  for (int x = 2; x < 30; ++x) EXPECT_EQ(word(x, 5), 0x00FFFFFFu) << "x " << x;
  EXPECT_EQ(word(2, 4), 0u);
  EXPECT_EQ(word(2, 6), 0u);
}

// ---- Lines and pens ----

TEST_F(DrawTest, LineLeavesOutItsLastPixel) {
  device->drawLine(0, 0, 5, 0);
  for (int x = 0; x < 5; ++x) EXPECT_EQ(word(x, 0), 0x00FFFFFFu) << "x " << x;
  EXPECT_EQ(word(5, 0), 0u);
  device->drawLine(10, 10, 20, 15);  // shallow diagonal: one pixel per column
  for (int x = 10; x < 20; ++x) {
    int set = 0;
    for (int y = 0; y < 48; ++y) set += word(x, y) != 0;
    EXPECT_EQ(set, 1) << "column " << x;
  }
  EXPECT_EQ(word(20, 15), 0u);
}

// A tie half-way between two pixels goes to the smaller coordinate, whichever way the
// line is drawn.
TEST_F(DrawTest, LineTiesGoToTheSmallerCoordinate) {
  struct Case {
    int x1, y1, x2, y2;
    int tieX, tieY;  // the pixel painted at the tie
  };
  const Case cases[] = {{24, 24, 26, 25, 25, 24}, {26, 25, 24, 24, 25, 24}, {10, 10, 11, 12, 10, 11},
                        {11, 12, 10, 10, 10, 11}, {40, 5, 36, 7, 37, 6},    {36, 7, 40, 5, 39, 5}};
  for (const Case& k : cases) {
    use(64, 48);
    device->drawLine(k.x1, k.y1, k.x2, k.y2);
    EXPECT_EQ(word(k.tieX, k.tieY), 0x00FFFFFFu) << "line (" << k.x1 << ", " << k.y1 << ") to (" << k.x2 << ", "
                                                 << k.y2 << ") at (" << k.tieX << ", " << k.tieY << ")";
  }
}

// A line and its reverse paint the same pixels, apart from the last pixel each leaves out:
// lines from the centre to every point of a ring (all octants, every slope of the ring)
// and a spread of other lines.
TEST_F(DrawTest, LineAndItsReversePaintTheSamePixels) {
  std::vector<gfx::Point> ends;
  for (int x = 0; x < 64; ++x) ends.push_back({x, 0}), ends.push_back({x, 47});
  for (int y = 1; y < 47; ++y) ends.push_back({0, y}), ends.push_back({63, y});
  std::vector<std::pair<gfx::Point, gfx::Point>> lines;
  for (const gfx::Point& e : ends) lines.push_back({{31, 23}, e});
  for (int i = 0; i < 200; ++i)
    lines.push_back({{(i * 37) % 64, (i * 11) % 48}, {(i * 53 + 7) % 64, (i * 29 + 3) % 48}});
  auto draw = [&](gfx::Point from, gfx::Point to) {
    use(64, 48);
    device->drawLine(from.x, from.y, to.x, to.y);
    device->setPixel(to.x, to.y, 0xFFFFFF);  // the pixel the line leaves out
    return test_pixels::wordsOf(image.get());
  };
  for (const auto& [a, b] : lines) {
    std::vector<std::uint32_t> forward = draw(a, b), backward = draw(b, a);
    ASSERT_TRUE(test_pixels::sameWords(backward, forward, 64))
        << "line (" << a.x << ", " << a.y << ") to (" << b.x << ", " << b.y << ") against its reverse";
  }
}

TEST_F(DrawTest, PensThatDrawNothing) {
  device->setLineStyle(7, 1, nullptr, 0);
  device->drawLine(0, 0, 40, 20);
  device->drawRectangleOutline(5, 5, 20, 20);
  device->setLineStyle(5, 3, nullptr, 0);
  device->drawLine(0, 0, 40, 20);
  EXPECT_TRUE(everyPixel([](int, int) { return 0u; }));
  LINESTYLE style;
  device->getLineStyle(style);
  EXPECT_EQ(style.userStyleCount, 0u);
}

TEST_F(DrawTest, DashedOnePixelLineFollowsThePattern) {
  const std::uint32_t pattern[2] = {2, 3};
  device->setLineStyle(7, 1, pattern, 2);
  device->drawLine(0, 0, 20, 0);
  const char* expected = "##...##...##...##...";
  for (int x = 0; x < 20; ++x) EXPECT_EQ(word(x, 0) != 0, expected[x] == '#') << "x " << x;
}

TEST_F(DrawTest, WidePenWithFlatCapsCoversABandAroundTheLine) {
  device->setLineStyle(0x200, 5, nullptr, 0);
  device->drawLine(10, 20, 30, 20);
  EXPECT_TRUE(everyPixel([](int x, int y) -> std::uint32_t {
    return x >= 10 && x < 30 && y >= 18 && y <= 22 ? 0x00FFFFFF : 0;
  }));
}

TEST_F(DrawTest, WidePenWithSquareCapsExtendsByHalfTheWidth) {
  device->setLineStyle(0x100, 5, nullptr, 0);
  device->drawLine(10, 20, 30, 20);
  EXPECT_EQ(word(8, 20), 0x00FFFFFFu);
  EXPECT_EQ(word(32, 20), 0x00FFFFFFu);
  EXPECT_EQ(word(7, 20), 0u);
  EXPECT_EQ(word(33, 20), 0u);
}

// ---- Mix modes ----

TEST_F(DrawTest, EachMixModeCombinesWholeWords) {
  const std::uint32_t target = 0x00FF00F0;
  const std::uint32_t expected[17] = {0,          0x00000000, 0xFF000000, 0x00FF0000, 0xFFFF0000, 0x0000FF0F,
                                      0xFF00FF0F, 0x00FFFF0F, 0xFFFFFF0F, 0x000000F0, 0xFF0000F0, 0x00FF00F0,
                                      0xFFFF00F0, 0x0000FFFF, 0xFF00FFFF, 0x00FFFFFF, 0xFFFFFFFF};
  device->setLineColour(0xFFFF00);  // pixel word 0x0000FFFF
  for (int mode = 1; mode <= 16; ++mode) {
    pixelBuffer(image.get())[0] = target;
    device->setMixMode(mode);
    device->drawLine(0, 0, 1, 0);
    EXPECT_EQ(word(0, 0), expected[mode]) << "mix mode " << mode << ": " << hex(word(0, 0));
  }
  device->setMixMode(0);
  EXPECT_EQ(device->getMixMode(), 16) << "an invalid mode is refused";
}

TEST_F(DrawTest, MixModeAppliesToInteriorsToo) {
  device->setBackColour(0x808080);
  device->clearTarget();
  device->setMixMode(7);
  device->setFillColour(0xFFFFFF);
  device->fillRectangle(0, 0, 3, 3);
  EXPECT_EQ(word(1, 1), 0x007F7F7Fu);
  EXPECT_EQ(word(4, 4), 0x00808080u);
}

// ---- Brushes ----

TEST_F(DrawTest, HatchCellsAlignToTheTargetOrigin) {
  device->setBackColour(kGreen);
  device->clearTarget();
  device->setBackColour(kBlue);
  device->setFillColour(kRed);
  device->setFillStyle(2, 1, nullptr);  // vertical
  device->setOrigin(3, 1);
  device->fillRectangle(0, 1, 20, 9);  // device columns 3..23, rows 2..10
  device->setOrigin(0, 0);
  EXPECT_TRUE(everyPixel([](int x, int y) -> std::uint32_t {
    if (x < 3 || x > 23 || y < 2 || y > 10) return 0x0000FF00;
    return x % 8 == 4 ? 0x00FF0000 : 0x000000FF;
  }));
  device->setBackMode(1);
  device->setFillStyle(2, 0, nullptr);  // horizontal, gaps left alone
  device->fillRectangle(30, 3, 40, 20);
  for (int y = 3; y <= 20; ++y)
    EXPECT_EQ(word(35, y), y % 8 == 3 ? 0x00FF0000u : 0x0000FF00u) << "row " << y;
}

TEST_F(DrawTest, CrossHatchDrawsRowThreeAndColumnFourOfEachCell) {
  device->setBackColour(kBlue);
  device->setFillColour(kRed);
  device->setFillStyle(2, 4, nullptr);
  device->fillRectangle(0, 0, 63, 47);
  EXPECT_TRUE(everyPixel([](int x, int y) -> std::uint32_t {
    return x % 8 == 4 || y % 8 == 3 ? 0x00FF0000 : 0x000000FF;
  }));
}

TEST_F(DrawTest, PatternOfAlternatingBitsGivesVerticalStripes) {
  const std::uint8_t pattern[8] = {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
  device->setTextColour(kRed);
  device->setBackColour(kBlue);
  device->setFillStyle(pattern);
  device->fillRectangle(0, 0, 15, 7);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 16; ++x)
      ASSERT_EQ(word(x, y), x % 2 == 0 ? 0x00FF0000u : 0x000000FFu) << "pixel (" << x << ", " << y << ")";
}

TEST_F(DrawTest, ColourPatternBrushTilesFromTheOrigin) {
  IMAGE tile(2, 1);
  pixelBuffer(&tile)[0] = 0xFF112233;
  pixelBuffer(&tile)[1] = 0x00445566;
  setDrawTarget(image.get());
  device->setFillStyle(5, 0, &tile);
  device->fillRectangle(1, 0, 4, 0);
  EXPECT_EQ(word(1, 0), 0x00445566u);
  EXPECT_EQ(word(2, 0), 0x00112233u) << "pattern words are painted with a top byte of 0";
  EXPECT_EQ(word(0, 0), 0u);
}

TEST(FillStyleCopy, SolidOntoPatternDropsThePattern) {
  IMAGE keepLayer(1, 1);
  FILLSTYLE pattern;
  pattern.style = 3;
  pattern.pattern = new IMAGE(8, 8);
  FILLSTYLE solid;
  pattern = solid;
  EXPECT_EQ(pattern.style, 0);
  EXPECT_EQ(pattern.pattern, nullptr);
}

// ---- Polygons and flood fill ----

TEST_F(DrawTest, StarCentreFilledOnlyInWindingMode) {
  const gfx::Point star[5] = {{20, 2}, {32, 38}, {2, 14}, {38, 14}, {8, 38}};
  device->setLineStyle(5, 1, nullptr, 0);
  device->setFillColour(kRed);
  device->drawPolygon(star, 5);
  EXPECT_EQ(word(20, 20), 0u) << "alternate leaves the centre";
  EXPECT_EQ(word(20, 8), 0x00FF0000u) << "a point of the star";
  device->setPolyFillMode(2);
  device->drawPolygon(star, 5);
  EXPECT_EQ(word(20, 20), 0x00FF0000u) << "winding fills the centre";
}

TEST_F(DrawTest, PolygonWithoutPenCoversHalfOpenBox) {
  const gfx::Point square[4] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  device->fillPolygon(square, 4);
  EXPECT_TRUE(everyPixel([](int x, int y) -> std::uint32_t { return x < 10 && y < 10 ? 0x00FFFFFF : 0; }));
}

// A polygon filled without a pen paints no pixel outside the same polygon drawn with pen
// and brush, and every pixel of the latter's interior.
TEST_F(DrawTest, PenlessPolygonFillStaysInsideThePolygonWithItsPen) {
  const std::vector<std::vector<gfx::Point>> polygons = {
      {{5, 5}, {40, 12}, {14, 38}},                                               // triangle
      {{20, 2}, {32, 38}, {2, 14}, {38, 14}, {8, 38}},                            // star
      {{4, 20}, {30, 20}, {30, 10}, {50, 25}, {30, 40}, {30, 30}, {4, 30}},  // arrow
      {{60, 3}, {45, 44}, {33, 7}}};
  for (int winding = 1; winding <= 2; ++winding)
    for (const auto& polygon : polygons) {
      auto draw = [&](bool pen) {
        use(64, 48);
        device->setPolyFillMode(winding);
        device->setLineColour(kGreen);
        device->setFillColour(kRed);
        if (pen) device->drawPolygon(polygon.data(), int(polygon.size()));
        else device->fillPolygon(polygon.data(), int(polygon.size()));
        return test_pixels::wordsOf(image.get());
      };
      std::vector<std::uint32_t> withPen = draw(true), fill = draw(false);
      for (int i = 0; i < 64 * 48; ++i) {
        ASSERT_FALSE(fill[i] != 0 && withPen[i] == 0)
            << "fill paints (" << i % 64 << ", " << i / 64 << ") outside the outlined polygon starting at ("
            << polygon[0].x << ", " << polygon[0].y << "), mode " << winding;
        ASSERT_FALSE(withPen[i] == 0x00FF0000u && fill[i] == 0)
            << "fill leaves out interior pixel (" << i % 64 << ", " << i / 64 << ") of the polygon starting at ("
            << polygon[0].x << ", " << polygon[0].y << "), mode " << winding;
      }
    }
}

TEST_F(DrawTest, FloodFillByBorderAndBySurface) {
  device->setFillStyle(1, 0, nullptr);
  device->drawRectangle(5, 5, 15, 15);  // white frame
  device->setFillStyle(0, 0, nullptr);
  device->setFillColour(kRed);
  device->floodFill(10, 10, 0xFFFFFF, 0);
  EXPECT_EQ(word(10, 10), 0x00FF0000u);
  EXPECT_EQ(word(6, 14), 0x00FF0000u);
  EXPECT_EQ(word(5, 5), 0x00FFFFFFu);
  EXPECT_EQ(word(20, 20), 0u);
  device->setFillColour(kBlue);
  device->floodFill(0, 0, 0x000000, 1);
  EXPECT_EQ(word(20, 20), 0x000000FFu);
  EXPECT_EQ(word(63, 47), 0x000000FFu);
  EXPECT_EQ(word(10, 10), 0x00FF0000u) << "inside the frame is not connected";
  device->floodFill(10, 10, 0x000000, 1);  // start pixel is not the surface colour
  EXPECT_EQ(word(10, 10), 0x00FF0000u);
}

// ---- Target, pixels, clipping, transform ----

TEST_F(DrawTest, ClearTargetWritesTheBackgroundWordEverywhere) {
  device->setBackColour(0xFFFFFF);
  device->clearTarget();
  EXPECT_TRUE(everyPixel([](int, int) { return 0x00FFFFFFu; }));
}

TEST_F(DrawTest, PixelsReadAndWriteInTheColourEncoding) {
  device->setPixel(3, 4, 0x0000FF);
  EXPECT_EQ(word(3, 4), 0x00FF0000u);
  EXPECT_EQ(device->getPixel(3, 4), 0x0000FFu);
  pixelBuffer(image.get())[0] = 0xFF123456;
  EXPECT_EQ(device->getPixel(0, 0), 0x563412u);
}

TEST_F(DrawTest, ClipRegionLimitsDrawingAndClearClipAreaPaintsIt) {
  gfx::Region clip(10, 10, 20, 20);
  clip.addRect(30, 5, 35, 40);
  device->setClipRegion(&clip);
  device->setFillColour(kRed);
  device->fillRectangle(0, 0, 63, 47);
  EXPECT_TRUE(everyPixel([&](int x, int y) { return clip.contains(x, y) ? 0x00FF0000u : 0u; }));
  device->setBackColour(kGreen);
  device->setOrigin(5, 5);  // the region stays in pixel coordinates
  device->clearClipArea();
  EXPECT_TRUE(everyPixel([&](int x, int y) { return clip.contains(x, y) ? 0x0000FF00u : 0u; }));
  device->setClipRegion(nullptr);
  device->setOrigin(0, 0);
  device->fillRectangle(0, 0, 0, 0);
  EXPECT_EQ(word(0, 0), 0x00FF0000u);
}

TEST_F(DrawTest, OriginAndScaleMoveCoordinates) {
  device->setOrigin(10, 20);
  device->setPixel(1, 2, kRed);
  EXPECT_EQ(word(11, 22), 0x00FF0000u);
  device->setScale(2, 3);
  float sx = 0, sy = 0;
  device->getScale(sx, sy);
  EXPECT_EQ(sx, 2.0f);
  EXPECT_EQ(sy, 3.0f);
  device->setPixel(4, 5, kGreen);
  EXPECT_EQ(word(18, 35), 0x0000FF00u);
}

TEST_F(DrawTest, ResetStateRestoresDefaultsButNotTheContextModes) {
  device->setLineColour(kRed);
  device->setBackMode(1);
  device->setMixMode(7);
  device->setPolyFillMode(2);
  device->setFont(30, 0, "Consolas");
  device->resetState();
  EXPECT_EQ(device->getLineColour(), 0xFFFFFFu);
  EXPECT_EQ(device->getBackMode(), 2);
  EXPECT_EQ(device->getMixMode(), 7);
  EXPECT_EQ(device->getPolyFillMode(), 2);
  LOGFONTA font;
  device->getFont(font);
  EXPECT_EQ(font.lfHeight, 16);
  EXPECT_STREQ(font.lfFaceName, "System");
}

}  // namespace

namespace {

// The rectangle's quick path must give exactly the pixels of the general shape path: a
// polygon through the same corners, compared with an exclusive-or pen and brush so that a
// pixel painted twice shows.
TEST_F(DrawTest, RectangleMatchesThePolygonThroughItsCorners) {
  struct Case {
    int l, t, r, b;
    bool pen;
  };
  const Case cases[] = {{5, 5, 20, 12, true},  {5, 5, 20, 12, false}, {7, 3, 7, 30, true}, {2, 9, 40, 9, true},
                        {30, 30, 31, 31, true}, {-5, -5, 70, 50, true}, {-5, 40, 70, 60, false}};
  for (const Case& k : cases) {
    auto draw = [&](bool asPolygon) {
      use(64, 48);
      device->setBackColour(0x404040);
      device->clearTarget();
      device->setMixMode(7);
      device->setLineColour(0x00FF00);
      device->setFillColour(0x0000FF);
      if (!k.pen) device->setLineStyle(5, 1, nullptr, 0);
      const gfx::Point corners[4] = {{k.l, k.t}, {k.r, k.t}, {k.r, k.b}, {k.l, k.b}};
      if (asPolygon) device->drawPolygon(corners, 4);
      else device->drawRectangle(k.l, k.t, k.r, k.b);
      return std::vector<std::uint32_t>(pixelBuffer(image.get()), pixelBuffer(image.get()) + 64 * 48);
    };
    std::vector<std::uint32_t> rectangle = draw(false), polygon = draw(true);
    for (int i = 0; i < 64 * 48; ++i)
      ASSERT_EQ(rectangle[i], polygon[i]) << "box (" << k.l << ", " << k.t << ", " << k.r << ", " << k.b << ") pen "
                                          << k.pen << " at (" << i % 64 << ", " << i / 64 << ")";
  }
}

}  // namespace

namespace {

TEST_F(DrawTest, WideRoundCapsAndDashes) {
  device->setLineStyle(0, 9, nullptr, 0);  // round caps and joins
  device->drawLine(20, 20, 40, 20);
  EXPECT_EQ(word(16, 20), 0x00FFFFFFu) << "round cap reaches half the width past the start";
  EXPECT_EQ(word(16, 16), 0u) << "but not the corner of a square";
  EXPECT_EQ(word(30, 16), 0x00FFFFFFu);
  EXPECT_EQ(word(30, 25), 0u);

}

// Geometric dashes are {3, 1}, {1, 1}, {3, 1, 1, 1} and {3, 1, 1, 1, 1, 1} times the pen
// width; with flat caps a width-3 dash is 9 pixels on and 3 off.
TEST_F(DrawTest, DashStylesAreMultiplesOfThePenWidth) {
  const char* expected[5] = {"", "#########...#########...#########...##", "###...###...###...###...###...###...##",
                             "#########...###...#########...###...##", "#########...###...###...#########...##"};
  for (std::uint32_t dash = 1; dash <= 4; ++dash) {
    use(64, 48);
    device->setLineStyle(0x200 | dash, 3, nullptr, 0);
    device->drawLine(0, 10, 38, 10);
    for (int x = 0; x < 38; ++x)
      ASSERT_EQ(word(x, 10) != 0, expected[dash][x] == '#') << "dash style " << dash << ", pixel (" << x << ", 10)";
  }
  const char* thin[5] = {"", "###.###.###.###.", "#.#.#.#.#.#.#.#.", "###.#.###.#.###.", "###.#.#.###.#.#."};
  for (std::uint32_t dash = 1; dash <= 4; ++dash) {
    use(64, 48);
    device->setLineStyle(dash, 1, nullptr, 0);
    device->drawLine(0, 5, 16, 5);
    for (int x = 0; x < 16; ++x)
      ASSERT_EQ(word(x, 5) != 0, thin[dash][x] == '#') << "one-pixel dash style " << dash << ", pixel (" << x << ", 5)";
  }
}

TEST_F(DrawTest, MitreJoinFillsTheOuterCorner) {
  const gfx::Point corner[3] = {{10, 30}, {30, 30}, {30, 10}};
  device->setLineStyle(0x2200, 7, nullptr, 0);  // flat caps, mitre joins
  device->drawPolyline(corner, 3);
  EXPECT_EQ(word(33, 33), 0x00FFFFFFu) << "mitre point of the outer corner";
  use(64, 48);
  device->setLineStyle(0x1200, 7, nullptr, 0);  // bevel joins cut the corner
  device->drawPolyline(corner, 3);
  EXPECT_EQ(word(33, 33), 0u);
  EXPECT_EQ(word(31, 31), 0x00FFFFFFu);
}

TEST(RegionSets, UnionIntersectionAndOffset) {
  gfx::Region region(0, 0, 10, 10);
  region.addRect(5, 5, 20, 8);
  EXPECT_TRUE(region.contains(15, 6));
  EXPECT_TRUE(region.contains(9, 9));
  EXPECT_FALSE(region.contains(15, 9));
  EXPECT_FALSE(region.contains(10, 0)) << "right edge is exclusive";
  gfx::Rect b = region.bounds();
  EXPECT_EQ(b.left, 0);
  EXPECT_EQ(b.right, 20);
  EXPECT_EQ(b.bottom, 10);
  region.intersectRect(8, 0, 30, 30);
  EXPECT_FALSE(region.contains(7, 1));
  EXPECT_TRUE(region.contains(8, 1));
  region.offset(100, 0);
  EXPECT_TRUE(region.contains(115, 6));
  gfx::Region empty(5, 5, 5, 9);
  EXPECT_TRUE(empty.empty());
}

}  // namespace

namespace {

TEST(EmptyTarget, DrawingOnAnImageWithoutPixelsChangesNothingAndDoesNotCrash) {
  IMAGE empty;
  setDrawTarget(&empty);
  gfx::DrawOnImg* device = gfx::graphicsState.currentDevice;
  device->clearTarget();
  device->drawRectangle(0, 0, 10, 10);
  device->drawEllipse(0, 0, 10, 10);
  device->floodFill(0, 0, 0, 1);
  device->drawText(0, 0, "text");
  const gfx::Point line[2] = {{0, 0}, {5, 5}};
  device->drawPolyline(line, 2);
  EXPECT_EQ(device->getPixel(0, 0), 0xFFFFFFFFu) << "no pixel to read";
  EXPECT_EQ(device->targetWidth(), 0);
  EXPECT_EQ(pixelBuffer(&empty), nullptr);
  setDrawTarget(nullptr);
}

}  // namespace
