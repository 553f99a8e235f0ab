// The image device's shared paint helpers: the current target, world to device points and
// boxes, the pen and brush as the rasteriser's paints, shapes painted through the target's
// clip, and the fill, outline and erase forms the drawing calls share. Private to the image
// device's files (image_state, image_straight, image_round, image_text).
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "graphics/colour.h"
#include "graphics/device.h"
#include "graphics/draw_context.h"
#include "graphics/graphics_state.h"
#include "graphics/image.h"
#include "graphics/raster/raster.h"
#include "graphics/raster/round_box.h"
#include "graphics/region.h"
#include "graphics/text/font.h"

namespace gfx::image_paint {

using raster::Contour;
using raster::PointF;

constexpr double kPi = 3.14159265358979323846;
constexpr double kFar = 1e12;

inline IMAGE* target() { return graphicsState.currentTarget; }

inline DrawContext* contextOf(IMAGE* image) { return image ? image->context : nullptr; }

inline raster::Surface surfaceOf(IMAGE* image) {
  raster::Surface s;
  s.pixels = pixelBuffer(image);
  s.width = s.pixels ? image->width() : 0;
  s.height = s.pixels ? image->height() : 0;
  s.clip = image->context ? image->context->clip.get() : nullptr;
  s.computeBounds();
  return s;
}

// A colour as a pixel word with a top byte of 0.
inline std::uint32_t paintWord(std::uint32_t colour) { return colourToWord(colour) & 0x00FFFFFFu; }

struct DevicePoint {
  double x;
  double y;
};

// World to device, rounded to whole pixels.
inline DevicePoint toDevice(const IMAGE& image, double x, double y) {
  const float* m = image.transform;
  double dx = x * m[0] + y * m[2] + m[4];
  double dy = x * m[1] + y * m[3] + m[5];
  return DevicePoint{std::round(std::clamp(dx, -kFar, kFar)), std::round(std::clamp(dy, -kFar, kFar))};
}

// A box in device pixels, corners normalised (both inclusive for a bordered shape).
struct Box {
  double x0, y0, x1, y1;
};

inline Box deviceBox(const IMAGE& image, int left, int top, int right, int bottom) {
  DevicePoint a = toDevice(image, left, top), b = toDevice(image, right, bottom);
  return Box{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

inline raster::Pen penOf(const IMAGE& image, const DrawContext& c) {
  raster::Pen pen;
  std::uint32_t dash = c.pen.style & 0xF;
  pen.visible = dash != 5;
  double scale = (std::fabs(image.transform[0]) + std::fabs(image.transform[3])) / 2;
  pen.width = std::max(1.0, std::round(c.pen.width * scale));
  std::uint32_t cap = (c.pen.style >> 8) & 0xF, join = (c.pen.style >> 12) & 0xF;
  pen.cap = cap == 1 ? 1 : cap == 2 ? 2 : 0;
  pen.join = join == 1 ? 1 : join == 2 ? 2 : 0;
  // Every pen is geometric: its dashes and gaps are whole multiples of its width.
  double unit = pen.width;
  switch (dash) {
    case 1: pen.dashes = {3 * unit, unit}; break;
    case 2: pen.dashes = {unit, unit}; break;
    case 3: pen.dashes = {3 * unit, unit, unit, unit}; break;
    case 4: pen.dashes = {3 * unit, unit, unit, unit, unit, unit}; break;
    case 7:
      for (std::uint32_t len : c.pen.pattern) pen.dashes.push_back(len);
      if (pen.dashes.size() % 2 == 1) {  // an odd pattern repeats with on and off swapped
        std::vector<double> twice = pen.dashes;
        twice.insert(twice.end(), pen.dashes.begin(), pen.dashes.end());
        pen.dashes.swap(twice);
      }
      break;
    default: break;
  }
  return pen;
}

inline raster::Paint penPaint(const DrawContext& c) {
  raster::Paint p;
  p.word = paintWord(c.pen.colour);
  p.mixMode = c.mixMode;
  return p;
}

// The brush as a paint; false for the empty brush.
inline bool brushPaint(const DrawContext& c, raster::Paint& p) {
  const BrushObject& b = c.brush;
  p.mixMode = c.mixMode;
  p.word = paintWord(b.colour);
  p.backWord = paintWord(c.backColour);
  switch (b.kind) {
    case BrushObject::kNone:
      return false;
    case BrushObject::kSolid:
      p.kind = raster::Paint::kSolid;
      return true;
    case BrushObject::kHatch:
      p.kind = raster::Paint::kHatch;
      p.hatch = b.hatch;
      p.opaqueGaps = c.backMode == 2;
      return true;
    case BrushObject::kMono:
      p.kind = raster::Paint::kMono;
      p.textWord = paintWord(c.textColour);
      p.bits = b.bits.data();
      p.patternWidth = b.patternWidth;
      p.patternHeight = b.patternHeight;
      return true;
    case BrushObject::kColourPattern:
      p.kind = raster::Paint::kColourPattern;
      p.colours = b.colours.data();
      p.patternWidth = b.patternWidth;
      p.patternHeight = b.patternHeight;
      return true;
  }
  return false;
}

// Paints a shape: the interior with the brush (where the pen does not cover it), then the
// outline with the pen. addOutline(pen, coverage) and addInterior(coverage) give the pixels.
template <typename Outline, typename Interior>
void paintShape(IMAGE* image, bool filled, Outline addOutline, Interior addInterior) {
  DrawContext* c = contextOf(image);
  raster::Surface surface = surfaceOf(image);
  if (!c || surface.left >= surface.right || surface.top >= surface.bottom) return;
  raster::Pen pen = penOf(*image, *c);
  raster::Coverage penCoverage(surface);
  if (pen.visible) {
    addOutline(pen, penCoverage);
    penCoverage.normalise();
  }
  raster::Paint brush;
  if (filled && brushPaint(*c, brush)) {
    raster::Coverage inside(surface);
    addInterior(inside);
    inside.normalise();
    if (pen.visible) inside.subtract(penCoverage);
    raster::paintCoverage(surface, inside, brush);
  }
  if (pen.visible) raster::paintCoverage(surface, penCoverage, penPaint(*c));
}

// A shape given by its path: stroked with the pen, filled by the fill rule.
inline void renderShape(IMAGE* image, const Contour& path, bool closed, bool includeLast, bool filled, bool winding) {
  paintShape(
      image, filled,
      [&](const raster::Pen& pen, raster::Coverage& out) { raster::strokePath(path, closed, includeLast, pen, out); },
      [&](raster::Coverage& out) { raster::fillContours({path}, winding, out); });
}

// The continuous box a shape's path runs on: through the centres of the border pixels
// with a pen (inside the box for wide inside-frame pens), on the box edges without one.
inline void pathBox(IMAGE* image, const Box& box, double& l, double& t, double& r, double& b) {
  DrawContext* c = contextOf(image);
  raster::Pen pen = penOf(*image, *c);
  double offset = pen.visible ? 0.5 : 0;
  l = box.x0 + offset;
  t = box.y0 + offset;
  r = box.x1 + offset;
  b = box.y1 + offset;
  if (pen.visible && (c->pen.style & 0xF) == 6 && pen.width > 1) {
    double h = pen.width / 2;
    l = box.x0 + h;
    t = box.y0 + h;
    r = std::max(l, box.x1 + 1 - h);
    b = std::max(t, box.y1 + 1 - h);
  }
}

// A point list in device pixels, through the pixel centres: a pen-less fill then covers
// the same pixels as the interior of the shape drawn with a pen.
inline Contour devicePath(IMAGE* image, const Point* points, int count) {
  Contour path;
  for (int i = 0; i < count; ++i) {
    DevicePoint p = toDevice(*image, points[i].x, points[i].y);
    path.push_back(PointF{p.x + 0.5, p.y + 0.5});
  }
  return path;
}

}  // namespace gfx::image_paint

// Erase forms: paint the fill form in the background colour with a solid brush and the
// copy mix mode, then restore fill colour, fill style and mix mode in that order.
#define DA_ERASE_FORM(fillCall)                                  \
  int savedMix = getMixMode();                                   \
  std::uint32_t savedColour = getFillColour();                   \
  FILLSTYLE savedStyle;                                          \
  getFillStyle(savedStyle);                                      \
  bool mixChanged = savedMix != 13;                              \
  if (mixChanged) setMixMode(13);                                \
  bool colourChanged = savedColour != getBackColour();           \
  if (colourChanged) setFillColour(getBackColour());             \
  bool styleChanged = savedStyle.style != 0;                     \
  if (styleChanged) setFillStyle(0, 0, nullptr);                 \
  fillCall;                                                      \
  if (colourChanged) setFillColour(savedColour);                 \
  if (styleChanged) setFillStyle(savedStyle);                    \
  if (mixChanged) setMixMode(savedMix);

// Fill forms: the plain form without a pen, restoring the line style afterwards.
#define DA_FILL_FORM(drawCall)              \
  LINESTYLE saved;                          \
  getLineStyle(saved);                      \
  bool changed = saved.style != 5;          \
  if (changed) setLineStyle(5, 1, nullptr, 0); \
  drawCall;                                 \
  if (changed) setLineStyle(saved);

// Outline forms: the plain form with the empty brush, restoring the fill style afterwards.
#define DA_OUTLINE_FORM(drawCall)           \
  FILLSTYLE saved;                          \
  getFillStyle(saved);                      \
  bool changed = saved.style != 1;          \
  if (changed) setFillStyle(1, 0, nullptr); \
  drawCall;                                 \
  if (changed) setFillStyle(saved);
