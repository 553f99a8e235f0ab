// 1,000 mixed shapes (ellipses, round rects, arcs, pies, lines, polygons, wide and dashed
// pens, hatched fills) drawn by the image device onto an 800 x 600 IMAGE, all together and
// by family, so a change to one shape path shows in its own figure.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "graphics/device.h"
#include "graphics/graphics_state.h"
#include "graphics/image.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kShapes = 1000;

enum Family { kEllipse, kRoundRect, kArc, kPie, kLine, kPolygon, kFamilies };

struct Shape {
  Family family;
  int x0, y0, x1, y1;
  int corner;
  double a0, a1;
  std::uint32_t style;  // pen style bits
  int width;            // pen width
  int fill;             // fill style: 0 solid, 1 none, 2 hatch
  gfx::Point points[5];
};

// A fixed list of shapes from a small linear congruential generator, the same every run.
std::vector<Shape> makeShapes() {
  std::uint32_t seed = 12345;
  auto next = [&](int n) {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(n));
  };
  std::vector<Shape> shapes;
  for (int i = 0; i < kShapes; ++i) {
    Shape s{};
    s.family = static_cast<Family>(i % kFamilies);
    s.x0 = next(kWidth);
    s.y0 = next(kHeight);
    s.x1 = s.x0 + 4 + next(120);
    s.y1 = s.y0 + 4 + next(90);
    s.corner = 2 + next(30);
    s.a0 = next(628) / 100.0;
    s.a1 = next(628) / 100.0;
    const std::uint32_t dashes[4] = {0, 0, 1, 2};
    s.style = dashes[next(4)];
    s.width = next(4) == 0 ? 3 + next(6) : 1;
    s.fill = next(3);
    for (gfx::Point& p : s.points) p = gfx::Point{next(kWidth), next(kHeight)};
    shapes.push_back(s);
  }
  return shapes;
}

void drawShape(gfx::DrawOnImg& device, const Shape& s) {
  device.setLineStyle(s.style, s.width, nullptr, 0);
  device.setFillStyle(s.fill, 4, nullptr);
  switch (s.family) {
    case kEllipse: device.drawEllipse(s.x0, s.y0, s.x1, s.y1); break;
    case kRoundRect: device.drawRoundRect(s.x0, s.y0, s.x1, s.y1, s.corner, s.corner); break;
    case kArc: device.drawArc(s.x0, s.y0, s.x1, s.y1, s.a0, s.a1); break;
    case kPie: device.drawPie(s.x0, s.y0, s.x1, s.y1, s.a0, s.a1); break;
    case kLine: device.drawLine(s.x0, s.y0, s.points[0].x, s.points[0].y); break;
    case kPolygon: device.drawPolygon(s.points, 5); break;
    default: break;
  }
}

// Draws the shapes of one family (or all for kFamilies) per iteration.
void runShapes(benchmark::State& state, Family only) {
  static const std::vector<Shape> shapes = makeShapes();
  IMAGE image(kWidth, kHeight);
  setDrawTarget(&image);
  gfx::DrawOnImg& device = *gfx::graphicsState.currentDevice;
  device.setFillColour(0x3060C0);
  device.setLineColour(0xE0E0E0);
  std::int64_t drawn = 0;
  for (auto _ : state) {
    for (const Shape& s : shapes) {
      if (only != kFamilies && s.family != only) continue;
      drawShape(device, s);
      ++drawn;
    }
    benchmark::DoNotOptimize(pixelBuffer(&image)[0]);
  }
  state.SetItemsProcessed(drawn);
  setDrawTarget(nullptr);
}

void BM_MixedShapes(benchmark::State& state) { runShapes(state, kFamilies); }
void BM_Ellipses(benchmark::State& state) { runShapes(state, kEllipse); }
void BM_RoundRects(benchmark::State& state) { runShapes(state, kRoundRect); }
void BM_Arcs(benchmark::State& state) { runShapes(state, kArc); }
void BM_Pies(benchmark::State& state) { runShapes(state, kPie); }
void BM_Lines(benchmark::State& state) { runShapes(state, kLine); }
void BM_Polygons(benchmark::State& state) { runShapes(state, kPolygon); }

BENCHMARK(BM_MixedShapes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Ellipses)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RoundRects)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Arcs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Pies)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Lines)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Polygons)->Unit(benchmark::kMicrosecond);

}  // namespace
