// Ellipses, round rects, arcs and pies: mirror symmetry and contact with every side of the
// box over many sizes, exact centre-inside interiors, connected one-pixel outlines, and arcs
// and pies as parts of the whole outline.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "graphics/device.h"
#include "graphics/image.h"
#include "graphics/raster/round_box.h"
#include "tests/helpers/image_target_test.h"
#include "tests/helpers/pixel_words.h"

namespace {

using test_pixels::hex;

constexpr std::uint32_t kPen = 0x00FF00;    // pixel word 0x0000FF00
constexpr std::uint32_t kBrush = 0x0000FF;  // pixel word 0x00FF0000
constexpr int kSize = 80;                   // the target is kSize x kSize
constexpr int kOrigin = 8;                  // boxes start here

enum class Style { kPen, kBrush, kPenAndBrush };

const char* styleName(Style style) {
  return style == Style::kPen ? "pen" : style == Style::kBrush ? "brush" : "pen and brush";
}

class RoundShapesTest : public test_pixels::ImageTargetTest {
 protected:
  void fresh(Style style) {
    use(kSize, kSize);
    device->setLineColour(kPen);
    device->setFillColour(kBrush);
    if (style == Style::kPen) device->setFillStyle(1, 0, nullptr);
    if (style == Style::kBrush) device->setLineStyle(5, 1, nullptr, 0);
  }
  bool painted(int x, int y) { return x >= 0 && y >= 0 && x < kSize && y < kSize && word(x, y) != 0; }
  std::set<std::pair<int, int>> paintedSet() {
    std::set<std::pair<int, int>> set;
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x)
        if (painted(x, y)) set.insert({x, y});
    return set;
  }

  // Every word equals the word mirrored about the box (l..r, t..b, inclusive) in x and in y.
  ::testing::AssertionResult mirrorSymmetric(int l, int t, int r, int b) {
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) {
        int mx = l + r - x, my = t + b - y;
        std::uint32_t here = word(x, y);
        for (auto [ox, oy] : {std::pair<int, int>{mx, y}, {x, my}}) {
          std::uint32_t there = ox >= 0 && oy >= 0 && ox < kSize && oy < kSize ? word(ox, oy) : 0;
          if (here != there)
            return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << hex(here)
                                                 << " but its mirror (" << ox << ", " << oy << ") is " << hex(there);
        }
      }
    return ::testing::AssertionSuccess();
  }

  // Painted pixels lie in l..r x t..b and some lie on each of its four sides.
  ::testing::AssertionResult touchesEachSide(int l, int t, int r, int b) {
    bool top = false, bottom = false, left = false, right = false;
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) {
        if (!painted(x, y)) continue;
        if (x < l || x > r || y < t || y > b)
          return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") lies outside the box";
        top |= y == t;
        bottom |= y == b;
        left |= x == l;
        right |= x == r;
      }
    if (top && bottom && left && right) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "sides touched: top " << top << ", bottom " << bottom << ", left " << left
                                         << ", right " << right;
  }

  // The painted pixels form one 8-connected piece.
  ::testing::AssertionResult connected() {
    std::set<std::pair<int, int>> left = paintedSet();
    if (left.empty()) return ::testing::AssertionFailure() << "nothing painted";
    std::vector<std::pair<int, int>> stack{*left.begin()};
    left.erase(left.begin());
    while (!stack.empty()) {
      auto [x, y] = stack.back();
      stack.pop_back();
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          auto it = left.find({x + dx, y + dy});
          if (it == left.end()) continue;
          stack.push_back(*it);
          left.erase(it);
        }
    }
    if (left.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << left.begin()->first << ", " << left.begin()->second
                                         << ") is cut off from the rest of the outline";
  }
};

std::string boxName(int l, int t, int r, int b) {
  std::ostringstream out;
  out << "box (" << l << ", " << t << ", " << r << ", " << b << ")";
  return out.str();
}

// Draws the shape and returns its rows as text: '#' pen, 'o' brush, '.' untouched.
std::vector<std::string> picture(IMAGE& image, int l, int t, int r, int b) {
  std::vector<std::string> rows;
  const std::uint32_t* words = pixelBuffer(&image);
  for (int y = t; y <= b; ++y) {
    std::string row;
    for (int x = l; x <= r; ++x) {
      std::uint32_t w = words[y * image.width() + x];
      row += w == 0x0000FF00u ? '#' : w == 0x00FF0000u ? 'o' : '.';
    }
    rows.push_back(row);
  }
  return rows;
}

TEST_F(RoundShapesTest, SmallCirclesWithAOnePixelPen) {
  fresh(Style::kPen);
  device->drawEllipse(5, 5, 6, 6);
  EXPECT_EQ(picture(*image, 4, 4, 7, 7), (std::vector<std::string>{"....", ".##.", ".##.", "...."}));
  fresh(Style::kPenAndBrush);
  device->drawEllipse(2, 2, 9, 9);
  EXPECT_EQ(picture(*image, 2, 2, 9, 9), (std::vector<std::string>{"..####..", ".#oooo#.", "#oooooo#", "#oooooo#",
                                                                   "#oooooo#", "#oooooo#", ".#oooo#.", "..####.."}));
}

// A pen-less ellipse paints exactly the pixels whose centres lie inside the ellipse in the
// box's continuous edges: (10, 5) to (40, 20), so columns 10..39 and rows 5..19.
TEST_F(RoundShapesTest, BrushOnlyEllipsePaintsThePixelsWhoseCentresLieInside) {
  fresh(Style::kBrush);
  device->drawEllipse(10, 5, 40, 20);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      // (2x + 1 - 50)² / 30² + (2y + 1 - 25)² / 15² < 1, in whole numbers.
      long long dx = 2 * x + 1 - 50, dy = 2 * y + 1 - 25;
      bool inside = dx * dx * 225 + dy * dy * 900 < 900LL * 225;
      ASSERT_EQ(word(x, y), inside ? 0x00FF0000u : 0u) << "pixel (" << x << ", " << y << ")";
    }
  EXPECT_EQ(word(12, 8), 0x00FF0000u);
  EXPECT_EQ(word(37, 8), 0x00FF0000u);
}

TEST_F(RoundShapesTest, EllipsesAreSymmetricAndTouchTheirBoxOverManySizes) {
  for (Style style : {Style::kPen, Style::kBrush, Style::kPenAndBrush})
    for (int w = 1; w <= 64; ++w)
      for (int h = 1; h <= 64; ++h) {
        fresh(style);
        int l = kOrigin, t = kOrigin, r = l + w - 1, b = t + h - 1;
        device->drawEllipse(l, t, r, b);
        // Without a pen the box leaves out its right column and bottom row.
        int rr = style == Style::kBrush ? r - 1 : r, bb = style == Style::kBrush ? b - 1 : b;
        ASSERT_TRUE(mirrorSymmetric(l, t, rr, bb)) << styleName(style) << ", " << boxName(l, t, r, b);
        if (style != Style::kBrush) {
          ASSERT_TRUE(touchesEachSide(l, t, r, b)) << styleName(style) << ", " << boxName(l, t, r, b);
          ASSERT_TRUE(connected()) << styleName(style) << ", " << boxName(l, t, r, b);
        }
      }
}

TEST_F(RoundShapesTest, RoundRectsAreSymmetricAndTouchTheirBox) {
  for (Style style : {Style::kPen, Style::kBrush, Style::kPenAndBrush})
    for (int w = 1; w <= 40; w += 3)
      for (int h = 1; h <= 40; h += 2)
        for (int corner : {0, 3, 8, 15, 50}) {
          fresh(style);
          int l = kOrigin, t = kOrigin, r = l + w - 1, b = t + h - 1;
          device->drawRoundRect(l, t, r, b, corner, corner * 2 / 3);
          int rr = style == Style::kBrush ? r - 1 : r, bb = style == Style::kBrush ? b - 1 : b;
          ASSERT_TRUE(mirrorSymmetric(l, t, rr, bb)) << styleName(style) << ", " << boxName(l, t, r, b) << ", corner "
                                                     << corner;
          if (style != Style::kBrush) {
            ASSERT_TRUE(touchesEachSide(l, t, r, b)) << boxName(l, t, r, b) << ", corner " << corner;
            ASSERT_TRUE(connected()) << boxName(l, t, r, b) << ", corner " << corner;
          }
        }
}

TEST_F(RoundShapesTest, WidePensKeepEllipsesAndRoundRectsSymmetric) {
  for (int width : {2, 3, 4, 5})
    for (int w = 1; w <= 40; w += 3)
      for (int h = 1; h <= 40; h += 4)
        for (int corner : {-1, 0, 9}) {  // -1: the ellipse
          fresh(Style::kPenAndBrush);
          device->setLineStyle(0, width, nullptr, 0);
          int l = 20, t = 20, r = l + w - 1, b = t + h - 1;
          if (corner < 0) device->drawEllipse(l, t, r, b);
          else device->drawRoundRect(l, t, r, b, corner, corner);
          ASSERT_TRUE(mirrorSymmetric(l, t, r, b)) << "pen width " << width << ", " << boxName(l, t, r, b)
                                                   << (corner < 0 ? ", ellipse" : ", round rect");
        }
}

TEST_F(RoundShapesTest, RoundRectWithCornersAsLargeAsTheBoxIsTheEllipse) {
  for (Style style : {Style::kPen, Style::kBrush, Style::kPenAndBrush})
    for (auto [w, h] : {std::pair<int, int>{9, 14}, {20, 7}, {33, 33}, {2, 11}}) {
      fresh(style);
      device->drawEllipse(kOrigin, kOrigin, kOrigin + w, kOrigin + h);
      std::vector<std::uint32_t> ellipse = test_pixels::wordsOf(image.get());
      fresh(style);
      device->drawRoundRect(kOrigin, kOrigin, kOrigin + w, kOrigin + h, w, h);
      ASSERT_TRUE(test_pixels::sameWords(test_pixels::wordsOf(image.get()), ellipse, kSize))
          << styleName(style) << ", " << w << " x " << h;
    }
}

// An arc keeps pixels of the whole outline only; the arcs from a to b and from b to a
// together give the whole outline and share only pixels on the two rays.
TEST_F(RoundShapesTest, ArcsArePartsOfTheWholeOutline) {
  const double angles[][2] = {{0, M_PI}, {0.3, 2.0}, {2.0, 0.3}, {-1.2, 1.2}, {M_PI / 4, 5 * M_PI / 4}, {5.5, 0.1}};
  for (auto [w, h] : {std::pair<int, int>{30, 30}, {41, 17}, {8, 25}, {3, 3}, {60, 9}}) {
    int l = kOrigin, t = kOrigin, r = l + w, b = t + h;
    fresh(Style::kPen);
    device->drawEllipse(l, t, r, b);
    std::set<std::pair<int, int>> whole = paintedSet();
    for (const auto& a : angles) {
      fresh(Style::kPen);
      device->drawArc(l, t, r, b, a[0], a[1]);
      std::set<std::pair<int, int>> forward = paintedSet();
      fresh(Style::kPen);
      device->drawArc(l, t, r, b, a[1], a[0]);
      std::set<std::pair<int, int>> backward = paintedSet();
      std::set<std::pair<int, int>> both;
      for (const auto& p : forward) {
        ASSERT_TRUE(whole.count(p)) << "arc " << a[0] << " to " << a[1] << " of " << boxName(l, t, r, b)
                                    << " paints (" << p.first << ", " << p.second << ") off the outline";
        if (backward.count(p)) both.insert(p);
      }
      for (const auto& p : whole)
        ASSERT_TRUE(forward.count(p) || backward.count(p))
            << "outline pixel (" << p.first << ", " << p.second << ") of " << boxName(l, t, r, b)
            << " is in neither arc between " << a[0] << " and " << a[1];
      EXPECT_LE(both.size(), 4u) << "arcs " << a[0] << " and " << a[1] << " of " << boxName(l, t, r, b)
                                 << " share more than the pixels on their rays";
    }
  }
}

// A pie paints the arc of its outline, and its interior lies inside the whole ellipse's.
TEST_F(RoundShapesTest, PieHoldsItsArcAndLiesInsideTheEllipse) {
  for (auto [a0, a1] : {std::pair<double, double>{0.4, 2.5}, {M_PI, 0}, {-0.7, 4.0}}) {
    int l = kOrigin, t = kOrigin, r = l + 50, b = t + 37;
    fresh(Style::kPenAndBrush);
    device->drawEllipse(l, t, r, b);
    std::vector<std::uint32_t> ellipse = test_pixels::wordsOf(image.get());
    fresh(Style::kPen);
    device->drawArc(l, t, r, b, a0, a1);
    std::set<std::pair<int, int>> arc = paintedSet();
    fresh(Style::kPenAndBrush);
    device->drawPie(l, t, r, b, a0, a1);
    int brush = 0;
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) {
        std::uint32_t w = word(x, y);
        if (arc.count({x, y})) {
          ASSERT_EQ(w, 0x0000FF00u) << "arc pixel (" << x << ", " << y << ") of the pie " << a0;
        }
        if (w == 0x00FF0000u) {
          ++brush;
          ASSERT_EQ(ellipse[y * kSize + x], 0x00FF0000u) << "pie interior (" << x << ", " << y << ") outside the "
                                                         << "ellipse's interior, pie " << a0 << " to " << a1;
        }
      }
    EXPECT_GT(brush, 100) << "the pie " << a0 << " to " << a1 << " has an interior";
    EXPECT_TRUE(connected()) << "pie " << a0 << " to " << a1;
  }
}

// The row intervals of a wedge hold exactly the pixels its point test takes: narrow, wide,
// half-turn and whole wedges, rays along the axes and the diagonals.
TEST(Wedge, RowSpansHoldExactlyThePixelsThePointTestTakes) {
  const long long rays[][4] = {{4, 1, -3, 5},   {4, 1, 3, -5},  {1, 0, -1, 0},  {0, 1, 0, -1}, {5, 5, -5, -5},
                               {3, 3, 3, 3},    {0, 0, 1, 2},   {-7, 2, -6, 3}, {1, 0, 0, 1},  {1, 0, 0, -1},
                               {-2, -9, 9, -2}, {12, 5, 12, 4}};
  for (const auto& ray : rays)
    for (auto [ax, ay] : {std::pair<long long, long long>{2, 2}, {40, -6}, {-13, 27}}) {
      gfx::raster::Wedge wedge(ax, ay, ray[0], ray[1], ray[2], ray[3]);
      for (long long y = -20; y <= 20; ++y) {
        std::int64_t spans[4];
        int count = wedge.rowSpans(y, spans);
        for (long long x = -40; x <= 40; ++x) {
          bool inSpans = false;
          for (int i = 0; i < count; i += 2) inSpans |= x >= spans[i] && x <= spans[i + 1];
          ASSERT_EQ(inSpans, wedge.containsPixel(x, y))
              << "pixel (" << x << ", " << y << "), apex (" << ax << ", " << ay << ") / 4, rays (" << ray[0] << ", "
              << ray[1] << ") and (" << ray[2] << ", " << ray[3] << ")";
        }
      }
    }
}

}  // namespace
