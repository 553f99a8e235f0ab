// The image device: every drawing operation on the current target IMAGE, realised by the
// software rasteriser (raster/) and the font cache (text/). Coordinates pass through the
// target's world transform; shapes are cut to the target and its clipping region.
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
#include "platform/base/exact_maths.h"

namespace gfx {

namespace {

using raster::Contour;
using raster::PointF;

constexpr double kPi = 3.14159265358979323846;
constexpr double kFar = 1e12;

IMAGE* target() { return graphicsState.currentTarget; }

DrawContext* contextOf(IMAGE* image) { return image ? image->context : nullptr; }

raster::Surface surfaceOf(IMAGE* image) {
  raster::Surface s;
  s.pixels = pixelBuffer(image);
  s.width = s.pixels ? image->width() : 0;
  s.height = s.pixels ? image->height() : 0;
  s.clip = image->context ? image->context->clip.get() : nullptr;
  s.computeBounds();
  return s;
}

// A colour as a pixel word with a top byte of 0.
std::uint32_t paintWord(std::uint32_t colour) { return colourToWord(colour) & 0x00FFFFFFu; }

struct DevicePoint {
  double x;
  double y;
};

// World to device, rounded to whole pixels.
DevicePoint toDevice(const IMAGE& image, double x, double y) {
  const float* m = image.transform;
  double dx = x * m[0] + y * m[2] + m[4];
  double dy = x * m[1] + y * m[3] + m[5];
  return DevicePoint{std::round(std::clamp(dx, -kFar, kFar)), std::round(std::clamp(dy, -kFar, kFar))};
}

// A box in device pixels, corners normalised (both inclusive for a bordered shape).
struct Box {
  double x0, y0, x1, y1;
};

Box deviceBox(const IMAGE& image, int left, int top, int right, int bottom) {
  DevicePoint a = toDevice(image, left, top), b = toDevice(image, right, bottom);
  return Box{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

raster::Pen penOf(const IMAGE& image, const DrawContext& c) {
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

raster::Paint penPaint(const DrawContext& c) {
  raster::Paint p;
  p.word = paintWord(c.pen.colour);
  p.mixMode = c.mixMode;
  return p;
}

// The brush as a paint; false for the empty brush.
bool brushPaint(const DrawContext& c, raster::Paint& p) {
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
void renderShape(IMAGE* image, const Contour& path, bool closed, bool includeLast, bool filled, bool winding) {
  paintShape(
      image, filled,
      [&](const raster::Pen& pen, raster::Coverage& out) { raster::strokePath(path, closed, includeLast, pen, out); },
      [&](raster::Coverage& out) { raster::fillContours({path}, winding, out); });
}

// The continuous box a shape's path runs on: through the centres of the border pixels
// with a pen (inside the box for wide inside-frame pens), on the box edges without one.
void pathBox(IMAGE* image, const Box& box, double& l, double& t, double& r, double& b) {
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
Contour devicePath(IMAGE* image, const Point* points, int count) {
  Contour path;
  for (int i = 0; i < count; ++i) {
    DevicePoint p = toDevice(*image, points[i].x, points[i].y);
    path.push_back(PointF{p.x + 0.5, p.y + 0.5});
  }
  return path;
}

// Parameter angle of the ray from the box centre through (x, y).
double rayAngle(const Box& box, double x, double y) {
  double cx = (box.x0 + box.x1) / 2, cy = (box.y0 + box.y1) / 2;
  double rx = std::max(0.5, (box.x1 - box.x0) / 2), ry = std::max(0.5, (box.y1 - box.y0) / 2);
  return platform::exact::atan2(-(y - cy) / ry, (x - cx) / rx);
}

// What part of a box's ellipse a shape takes: all of it, an arc, or a pie wedge.
enum class RoundPart { kWhole, kArc, kPie };

// The rays of an arc or pie: the points arcEndPoints gives, as parameter angles of the
// path's ellipse (a0 < a1 <= a0 + 2 pi, counter-clockwise) and as directions from the box
// centre in quarter pixels with y up.
struct ArcRays {
  double a0, a1;
  std::int64_t startX, startY, endX, endY;
};

ArcRays arcRays(DrawOnImg& device, IMAGE* image, int left, int top, int right, int bottom, double startAngle,
                double endAngle, const Box& box) {
  int sx, sy, ex, ey;
  device.arcEndPoints(left, top, right, bottom, startAngle, endAngle, sx, sy, ex, ey);
  DevicePoint s = toDevice(*image, sx, sy), e = toDevice(*image, ex, ey);
  ArcRays rays;
  rays.a0 = rayAngle(box, s.x, s.y);
  rays.a1 = rayAngle(box, e.x, e.y);
  while (rays.a1 <= rays.a0) rays.a1 += 2 * kPi;
  double cx2 = box.x0 + box.x1, cy2 = box.y0 + box.y1;  // the centre in half pixels
  rays.startX = static_cast<std::int64_t>(2 * (2 * s.x - cx2));
  rays.startY = static_cast<std::int64_t>(2 * (cy2 - 2 * s.y));
  rays.endX = static_cast<std::int64_t>(2 * (2 * e.x - cx2));
  rays.endY = static_cast<std::int64_t>(2 * (cy2 - 2 * e.y));
  return rays;
}

// Where the ray from the centre of the ellipse in [l, r] x [t, b] along (dx, dy) (y up)
// meets the ellipse.
PointF rayOnEllipse(double l, double t, double r, double b, double dx, double dy) {
  double cx = (l + r) / 2, cy = (t + b) / 2, rx = (r - l) / 2, ry = (b - t) / 2;
  auto term = [](double d, double radius) {
    if (d == 0) return 0.0;
    return radius > 0 ? (d / radius) * (d / radius) : std::numeric_limits<double>::infinity();
  };
  double sum = term(dx, rx) + term(dy, ry);
  if (sum == 0 || std::isinf(sum)) return PointF{cx, cy};
  double k = 1 / std::sqrt(sum);
  return PointF{cx + dx * k, cy - dy * k};
}

// Ellipses, round rects, arcs and pies. A solid one-pixel pen draws the symmetric outline
// of the box's round shape (an arc or pie keeps the part between its rays, a pie adds its
// two radii); a solid wide pen on a whole shape paints a symmetric ring; other wide or
// dashed pens stroke the flattened path. The interior is every pixel
// whose centre lies inside the path (and in a pie's wedge).
void renderRoundShape(IMAGE* image, const Box& box, bool ellipse, double cornerWidth, double cornerHeight,
                      RoundPart part, const ArcRays* rays) {
  double l, t, r, b;
  pathBox(image, box, l, t, r, b);
  raster::RoundBox round;
  round.left2 = std::llround(2 * l);
  round.top2 = std::llround(2 * t);
  round.right2 = std::llround(2 * r);
  round.bottom2 = std::llround(2 * b);
  if (ellipse) {
    round.cornerWidth2 = round.right2 - round.left2;
    round.cornerHeight2 = round.bottom2 - round.top2;
  } else {
    round.cornerWidth2 = std::min<std::int64_t>(2 * std::llround(std::min(cornerWidth, kFar)), round.right2 - round.left2);
    round.cornerHeight2 = std::min<std::int64_t>(2 * std::llround(std::min(cornerHeight, kFar)), round.bottom2 - round.top2);
  }
  double cw = static_cast<double>(round.cornerWidth2) / 2, ch = static_cast<double>(round.cornerHeight2) / 2;
  std::unique_ptr<raster::Wedge> wedge;
  if (rays)
    wedge = std::make_unique<raster::Wedge>(round.left2 + round.right2, round.top2 + round.bottom2, rays->startX,
                                            rays->startY, rays->endX, rays->endY);
  auto flattened = [&] {
    Contour path;
    if (part == RoundPart::kPie) path.push_back({(l + r) / 2, (t + b) / 2});
    if (rays) {
      raster::appendEllipseArc(path, l, t, r, b, rays->a0, rays->a1);
    } else {
      raster::appendEllipseArc(path, r - cw, t, r, t + ch, 0, kPi / 2);
      raster::appendEllipseArc(path, l, t, l + cw, t + ch, kPi / 2, kPi);
      raster::appendEllipseArc(path, l, b - ch, l + cw, b, kPi, 1.5 * kPi);
      raster::appendEllipseArc(path, r - cw, b - ch, r, b, 1.5 * kPi, 2 * kPi);
    }
    return path;
  };
  auto outline = [&](const raster::Pen& pen, raster::Coverage& out) {
    if (pen.width > 1 && pen.dashes.empty() && part == RoundPart::kWhole) {
      // A solid wide pen paints the ring between the path grown and shrunk by half its width.
      std::int64_t half2 = std::llround(pen.width);  // half the width, in half pixels
      std::int64_t outerCorner2 = pen.join == 0 ? 2 * half2 : 0;
      raster::RoundBox outer{round.left2 - half2, round.top2 - half2, round.right2 + half2, round.bottom2 + half2,
                             round.cornerWidth2 > 0 ? round.cornerWidth2 + 2 * half2 : outerCorner2,
                             round.cornerHeight2 > 0 ? round.cornerHeight2 + 2 * half2 : outerCorner2};
      raster::RoundBox inner{round.left2 + half2, round.top2 + half2, round.right2 - half2, round.bottom2 - half2,
                             std::max<std::int64_t>(0, round.cornerWidth2 - 2 * half2),
                             std::max<std::int64_t>(0, round.cornerHeight2 - 2 * half2)};
      raster::Coverage ring(out.left(), out.top(), out.right(), out.bottom());
      raster::Coverage hole(out.left(), out.top(), out.right(), out.bottom());
      raster::fillRoundBox(outer, nullptr, ring);
      raster::fillRoundBox(inner, nullptr, hole);
      ring.normalise();
      hole.normalise();
      ring.subtract(hole);
      for (const raster::Span& span : ring.spans()) out.add(span.y, span.left, span.right);
      return;
    }
    if (pen.width > 1 || !pen.dashes.empty()) {
      raster::strokePath(flattened(), part != RoundPart::kArc, part == RoundPart::kArc, pen, out);
      return;
    }
    raster::outlineRoundBox(round, wedge.get(), out);
    if (part != RoundPart::kPie) return;
    PointF start = rayOnEllipse(l, t, r, b, static_cast<double>(rays->startX), static_cast<double>(rays->startY));
    PointF end = rayOnEllipse(l, t, r, b, static_cast<double>(rays->endX), static_cast<double>(rays->endY));
    raster::strokePath({start, {(l + r) / 2, (t + b) / 2}, end}, false, true, pen, out);
  };
  auto interior = [&](raster::Coverage& out) { raster::fillRoundBox(round, wedge.get(), out); };
  paintShape(image, part != RoundPart::kArc, outline, interior);
}

// An arc or a pie: the box's ellipse between the rays to the two angle points.
void renderBetweenRays(DrawOnImg& device, IMAGE* image, int left, int top, int right, int bottom,
                       double startAngle, double endAngle, RoundPart part) {
  Box box = deviceBox(*image, left, top, right, bottom);
  ArcRays rays = arcRays(device, image, left, top, right, bottom, startAngle, endAngle, box);
  renderRoundShape(image, box, true, 0, 0, part, &rays);
}

text::Font* fontOf(DrawContext& c) {
  if (!c.fontFace) c.fontFace = text::fontFor(c.font);
  return c.fontFace;
}

void copyFace(LOGFONTA& font, const char* face) {
  if (!face) return;
  std::strncpy(font.lfFaceName, face, 31);
  font.lfFaceName[31] = '\0';
}

struct TextLine {
  const char* start;
  std::size_t length;
};

// Splits text into the lines drawTextInRect shows: paragraphs at line feeds, and with word
// break, greedy breaks at spaces so that lines fit the width (a longer word stays whole).
std::vector<TextLine> layoutLines(text::Font& font, const char* text, std::uint32_t format, std::int64_t width) {
  std::vector<TextLine> lines;
  std::size_t length = std::strlen(text);
  if (format & kTextSingleLine) {
    lines.push_back(TextLine{text, length});
    return lines;
  }
  const char* p = text;
  const char* end = text + length;
  while (true) {
    const char* nl = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
    const char* paraEnd = nl ? nl : end;
    const char* trimmed = paraEnd;
    if (trimmed > p && trimmed[-1] == '\r') --trimmed;
    if (!(format & kTextWordBreak)) {
      lines.push_back(TextLine{p, static_cast<std::size_t>(trimmed - p)});
    } else {
      const char* lineStart = p;
      while (true) {
        const char* lastFit = nullptr;
        const char* q = lineStart;
        while (q < trimmed) {
          const char* wordEnd = q;
          while (wordEnd < trimmed && *wordEnd != ' ') ++wordEnd;
          if (lastFit && font.measure(lineStart, static_cast<std::size_t>(wordEnd - lineStart)) > width) break;
          lastFit = wordEnd;
          q = wordEnd;
          while (q < trimmed && *q == ' ') ++q;
        }
        if (!lastFit || q >= trimmed) {
          lines.push_back(TextLine{lineStart, static_cast<std::size_t>(trimmed - lineStart)});
          break;
        }
        lines.push_back(TextLine{lineStart, static_cast<std::size_t>(lastFit - lineStart)});
        lineStart = q;
      }
    }
    if (!nl) break;
    p = nl + 1;
  }
  return lines;
}

}  // namespace

DrawOnImg::~DrawOnImg() = default;

void DrawOnImg::clearTarget() {
  IMAGE* image = target();
  if (!image) return;
  std::uint32_t* words = pixelBuffer(image);
  if (!words) return;
  std::fill_n(words, static_cast<std::size_t>(image->width()) * image->height(), colourToWord(image->backColour));
}

std::uint32_t DrawOnImg::getLineColour() { return target() ? target()->lineColour : 0; }

void DrawOnImg::setLineColour(std::uint32_t colour) {
  IMAGE* image = target();
  if (!image) return;
  image->lineColour = colour;
  setLineStyle(image->lineStyle);
}

std::uint32_t DrawOnImg::getTextColour() { return target() ? target()->textColour : 0; }

void DrawOnImg::setTextColour(std::uint32_t colour) {
  IMAGE* image = target();
  if (!image) return;
  image->textColour = colour;
  if (image->context) image->context->textColour = colour;
}

std::uint32_t DrawOnImg::getBackColour() { return target() ? target()->backColour : 0; }

void DrawOnImg::setBackColour(std::uint32_t colour) {
  IMAGE* image = target();
  if (!image) return;
  image->backColour = colour;
  if (image->context) image->context->backColour = colour;
}

int DrawOnImg::getBackMode() {
  DrawContext* c = contextOf(target());
  return c ? c->backMode : 0;
}

void DrawOnImg::setBackMode(int mode) {
  DrawContext* c = contextOf(target());
  if (c && (mode == 1 || mode == 2)) c->backMode = mode;
}

void DrawOnImg::setOrigin(int x, int y) {
  IMAGE* image = target();
  if (!image) return;
  image->transform[4] = static_cast<float>(x);
  image->transform[5] = static_cast<float>(y);
}

void DrawOnImg::setClipRegion(const Region* region) {
  DrawContext* c = contextOf(target());
  if (!c) return;
  if (region)
    c->clip = std::make_unique<Region>(*region);
  else
    c->clip.reset();
}

void DrawOnImg::clearClipArea() {
  IMAGE* image = target();
  DrawContext* c = contextOf(image);
  if (!c) return;
  if (!c->clip) {
    clearTarget();
    return;
  }
  raster::Surface surface = surfaceOf(image);
  raster::Paint paint;
  paint.word = paintWord(image->backColour);
  paint.mixMode = c->mixMode;
  for (const Region::Band& band : c->clip->bands())
    for (std::int64_t y = std::max(band.top, surface.top); y < std::min(band.bottom, surface.bottom); ++y)
      for (const Region::Run& run : band.runs) raster::paintSpan(surface, y, run.left, run.right, paint);
}

void DrawOnImg::getLineStyle(LINESTYLE& style) {
  if (target()) style = target()->lineStyle;
}

void DrawOnImg::setLineStyle(std::uint32_t style, int thickness, const std::uint32_t* userStyle,
                             std::uint32_t userStyleCount) {
  IMAGE* image = target();
  if (!image) return;
  LINESTYLE& own = image->lineStyle;
  own.style = style;
  own.thickness = thickness;
  delete[] own.userStyle;
  own.userStyle = nullptr;
  own.userStyleCount = 0;
  if ((style & 0xF) == 7 && userStyle && userStyleCount > 0) {
    own.userStyle = new std::uint32_t[userStyleCount];
    std::copy(userStyle, userStyle + userStyleCount, own.userStyle);
    own.userStyleCount = userStyleCount;
  }
  setLineStyle(own);
}

void DrawOnImg::setLineStyle(const LINESTYLE& style) {
  IMAGE* image = target();
  if (!image) return;
  if (&style != &image->lineStyle) image->lineStyle = style;
  applyLineStyle(*image);
}

void DrawOnImg::getFillStyle(FILLSTYLE& style) {
  if (target()) style = target()->fillStyle;
}

void DrawOnImg::setFillStyle(int style, int hatch, const IMAGE* patternImage) {
  IMAGE* image = target();
  if (!image) return;
  FILLSTYLE& own = image->fillStyle;
  own.style = style;
  if (style == 2) own.hatch = hatch;
  if ((style == 3 || style == 5) && patternImage) {
    if (!own.pattern) own.pattern = new IMAGE();
    *own.pattern = *patternImage;
  }
  setFillStyle(own);
}

void DrawOnImg::setFillStyle(const std::uint8_t* pattern8x8) {
  if (!target() || !pattern8x8) return;
  IMAGE pattern(8, 8);
  std::uint32_t* words = pixelBuffer(&pattern);
  if (!words) return;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) words[y * 8 + x] = (pattern8x8[y] >> (7 - x)) & 1 ? 0xFFFFFFu : 0u;
  setFillStyle(3, 0, &pattern);
}

void DrawOnImg::setFillStyle(const FILLSTYLE& style) {
  IMAGE* image = target();
  if (!image) return;
  if (&style != &image->fillStyle) image->fillStyle = style;
  applyFillStyle(*image);
}

std::uint32_t DrawOnImg::getFillColour() { return target() ? target()->fillColour : 0; }

void DrawOnImg::setFillColour(std::uint32_t colour) {
  IMAGE* image = target();
  if (!image) return;
  image->fillColour = colour;
  if (image->fillStyle.style == 0)
    applyFillStyle(*image);
  else if (image->fillStyle.style == 2)
    setFillStyle(image->fillStyle);
}

void DrawOnImg::getScale(float& xScale, float& yScale) {
  IMAGE* image = target();
  if (!image) return;
  xScale = image->transform[0];
  yScale = image->transform[3];
}

void DrawOnImg::setScale(float xScale, float yScale) {
  IMAGE* image = target();
  if (!image) return;
  image->transform[0] = xScale;
  image->transform[3] = yScale;
}

int DrawOnImg::getMixMode() {
  DrawContext* c = contextOf(target());
  return c ? c->mixMode : 0;
}

void DrawOnImg::setMixMode(int mode) {
  DrawContext* c = contextOf(target());
  if (c && mode >= 1 && mode <= 16) c->mixMode = mode;
}

int DrawOnImg::getPolyFillMode() {
  DrawContext* c = contextOf(target());
  return c ? c->polyFillMode : 0;
}

void DrawOnImg::setPolyFillMode(int mode) {
  DrawContext* c = contextOf(target());
  if (c && (mode == 1 || mode == 2)) c->polyFillMode = mode;
}

void DrawOnImg::resetState() {
  if (target()) target()->resetState();
}

std::uint32_t DrawOnImg::getPixel(int x, int y) {
  IMAGE* image = target();
  if (!image) return 0xFFFFFFFFu;
  raster::Surface s = surfaceOf(image);
  DevicePoint p = toDevice(*image, x, y);
  if (p.x < s.left || p.x >= s.right || p.y < s.top || p.y >= s.bottom) return 0xFFFFFFFFu;
  if (s.clip && !s.clip->contains(static_cast<std::int64_t>(p.x), static_cast<std::int64_t>(p.y))) return 0xFFFFFFFFu;
  std::uint32_t word = s.pixels[static_cast<std::int64_t>(p.y) * s.width + static_cast<std::int64_t>(p.x)];
  return wordToColour(word) & 0x00FFFFFFu;
}

void DrawOnImg::setPixel(int x, int y, std::uint32_t colour) {
  IMAGE* image = target();
  if (!image) return;
  raster::Surface s = surfaceOf(image);
  DevicePoint p = toDevice(*image, x, y);
  raster::Paint paint;
  paint.word = paintWord(colour);
  raster::paintSpan(s, static_cast<std::int64_t>(p.y), static_cast<std::int64_t>(p.x),
                    static_cast<std::int64_t>(p.x) + 1, paint);
}

void DrawOnImg::drawLine(int x1, int y1, int x2, int y2) {
  IMAGE* image = target();
  if (!contextOf(image)) return;
  const Point points[2] = {{x1, y1}, {x2, y2}};
  renderShape(image, devicePath(image, points, 2), false, false, false, false);
}

void DrawOnImg::drawRectangleOutline(int left, int top, int right, int bottom) {
  FILLSTYLE saved;
  getFillStyle(saved);
  bool changed = saved.style != 1;
  if (changed) setFillStyle(1, 0, nullptr);
  drawRectangle(left, top, right, bottom);
  if (changed) setFillStyle(saved);
}

namespace {

// Rectangles with a solid one-pixel pen or none (the status bars): painted straight from
// the box, each pixel once, the same pixels the general path gives.
bool drawSimpleBox(IMAGE* image, const Box& box) {
  DrawContext* c = contextOf(image);
  raster::Pen pen = penOf(*image, *c);
  std::uint32_t dash = c->pen.style & 0xF;
  if (pen.visible && (pen.width > 1 || (dash != 0 && dash != 6))) return false;
  raster::Surface surface = surfaceOf(image);
  auto x0 = static_cast<std::int64_t>(box.x0), x1 = static_cast<std::int64_t>(box.x1);
  auto y0 = static_cast<std::int64_t>(box.y0), y1 = static_cast<std::int64_t>(box.y1);
  raster::Paint brush;
  bool filled = brushPaint(*c, brush);
  // The interior ends before the right column and bottom row: they hold the pen, or
  // without one, a box covers one column and one row less.
  std::int64_t inset = pen.visible ? 1 : 0;
  if (filled)
    for (std::int64_t y = std::max(y0 + inset, surface.top); y < std::min(y1, surface.bottom); ++y)
      raster::paintSpan(surface, y, x0 + inset, x1, brush);
  if (!pen.visible) return true;
  raster::Paint ink = penPaint(*c);
  raster::paintSpan(surface, y0, x0, x1 + 1, ink);
  if (y1 != y0) raster::paintSpan(surface, y1, x0, x1 + 1, ink);
  for (std::int64_t y = std::max(y0 + 1, surface.top); y < std::min(y1, surface.bottom); ++y) {
    raster::paintSpan(surface, y, x0, x0 + 1, ink);
    if (x1 != x0) raster::paintSpan(surface, y, x1, x1 + 1, ink);
  }
  return true;
}

}  // namespace

void DrawOnImg::drawRectangle(int left, int top, int right, int bottom) {
  IMAGE* image = target();
  if (!contextOf(image)) return;
  Box box = deviceBox(*image, left, top, right, bottom);
  if (drawSimpleBox(image, box)) return;
  double l, t, r, b;
  pathBox(image, box, l, t, r, b);
  renderShape(image, Contour{{l, t}, {r, t}, {r, b}, {l, b}}, true, false, true, false);
}

void DrawOnImg::fillRectangle(int left, int top, int right, int bottom) {
  LINESTYLE saved;
  getLineStyle(saved);
  bool changed = saved.style != 5;
  if (changed) setLineStyle(5, 1, nullptr, 0);
  // One past the larger corner, saturated: INT_MAX + 1 would wrap to the far left.
  auto pastEnd = [](int v) { return v == INT32_MAX ? v : v + 1; };
  drawRectangle(std::min(left, right), std::min(top, bottom), pastEnd(std::max(left, right)),
                pastEnd(std::max(top, bottom)));
  if (changed) setLineStyle(saved);
}

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

void DrawOnImg::eraseRectangle(int left, int top, int right, int bottom) {
  DA_ERASE_FORM(fillRectangle(left, top, right, bottom))
}

void DrawOnImg::arcEndPoints(int left, int top, int right, int bottom, double startAngle, double endAngle, int& sx,
                             int& sy, int& ex, int& ey) {
  std::int64_t x0 = std::min(left, right), x1 = std::max(left, right);
  std::int64_t y0 = std::min(top, bottom), y1 = std::max(top, bottom);
  std::int64_t rx = (x1 - x0) / 2, ry = (y1 - y0) / 2;
  double cx = static_cast<double>(x0 + rx), cy = static_cast<double>(y0 + ry);
  auto roundHalfAway = [](double v) {
    double r = v >= 0 ? v + 0.5 : v - 0.5;
    return static_cast<int>(std::clamp(std::trunc(r), -2147483648.0, 2147483647.0));
  };
  auto point = [&](double angle, int& x, int& y) {
    double px = angle == 0 ? cx + rx : cx + rx * platform::exact::cos(angle);
    double py = angle == 0 ? cy : cy - ry * platform::exact::sin(angle);
    x = roundHalfAway(px);
    y = roundHalfAway(py);
  };
  point(startAngle, sx, sy);
  point(endAngle, ex, ey);
}

void DrawOnImg::drawCircleOutline(int x, int y, int radius) { DA_OUTLINE_FORM(drawCircle(x, y, radius)) }

void DrawOnImg::drawCircle(int x, int y, int radius) {
  std::int64_t l = static_cast<std::int64_t>(x) - radius, t = static_cast<std::int64_t>(y) - radius;
  std::int64_t r = static_cast<std::int64_t>(x) + radius, b = static_cast<std::int64_t>(y) + radius;
  auto clamp32 = [](std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX)); };
  DrawOnImg::drawEllipse(clamp32(l), clamp32(t), clamp32(r), clamp32(b));
}

void DrawOnImg::fillCircle(int x, int y, int radius) { DA_FILL_FORM(drawCircle(x, y, radius)) }

void DrawOnImg::eraseCircle(int x, int y, int radius) { DA_ERASE_FORM(fillCircle(x, y, radius)) }

void DrawOnImg::drawEllipseOutline(int left, int top, int right, int bottom) {
  DA_OUTLINE_FORM(drawEllipse(left, top, right, bottom))
}

void DrawOnImg::drawEllipse(int left, int top, int right, int bottom) {
  IMAGE* image = target();
  if (!contextOf(image)) return;
  renderRoundShape(image, deviceBox(*image, left, top, right, bottom), true, 0, 0, RoundPart::kWhole, nullptr);
}

void DrawOnImg::fillEllipse(int left, int top, int right, int bottom) {
  DA_FILL_FORM(drawEllipse(left, top, right, bottom))
}

void DrawOnImg::eraseEllipse(int left, int top, int right, int bottom) {
  DA_ERASE_FORM(fillEllipse(left, top, right, bottom))
}

void DrawOnImg::drawRoundRectOutline(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  DA_OUTLINE_FORM(drawRoundRect(left, top, right, bottom, cornerWidth, cornerHeight))
}

void DrawOnImg::drawRoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  IMAGE* image = target();
  if (!contextOf(image)) return;
  double cw = std::fabs(cornerWidth * static_cast<double>(image->transform[0]));
  double ch = std::fabs(cornerHeight * static_cast<double>(image->transform[3]));
  renderRoundShape(image, deviceBox(*image, left, top, right, bottom), false, cw, ch, RoundPart::kWhole, nullptr);
}

void DrawOnImg::fillRoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  DA_FILL_FORM(drawRoundRect(left, top, right, bottom, cornerWidth, cornerHeight))
}

void DrawOnImg::eraseRoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  DA_ERASE_FORM(fillRoundRect(left, top, right, bottom, cornerWidth, cornerHeight))
}

void DrawOnImg::drawArc(int left, int top, int right, int bottom, double startAngle, double endAngle) {
  IMAGE* image = target();
  if (!contextOf(image)) return;
  renderBetweenRays(*this, image, left, top, right, bottom, startAngle, endAngle, RoundPart::kArc);
}

void DrawOnImg::drawPieOutline(int left, int top, int right, int bottom, double startAngle, double endAngle) {
  DA_OUTLINE_FORM(drawPie(left, top, right, bottom, startAngle, endAngle))
}

void DrawOnImg::drawPie(int left, int top, int right, int bottom, double startAngle, double endAngle) {
  IMAGE* image = target();
  if (!contextOf(image)) return;
  renderBetweenRays(*this, image, left, top, right, bottom, startAngle, endAngle, RoundPart::kPie);
}

void DrawOnImg::fillPie(int left, int top, int right, int bottom, double startAngle, double endAngle) {
  DA_FILL_FORM(drawPie(left, top, right, bottom, startAngle, endAngle))
}

void DrawOnImg::erasePie(int left, int top, int right, int bottom, double startAngle, double endAngle) {
  DA_ERASE_FORM(fillPie(left, top, right, bottom, startAngle, endAngle))
}

void DrawOnImg::drawPolyline(const Point* points, int count) {
  IMAGE* image = target();
  if (!contextOf(image) || !points || count < 2) return;
  renderShape(image, devicePath(image, points, count), false, false, false, false);
}

void DrawOnImg::drawPolygonOutline(const Point* points, int count) { DA_OUTLINE_FORM(drawPolygon(points, count)) }

void DrawOnImg::drawPolygon(const Point* points, int count) {
  IMAGE* image = target();
  if (!contextOf(image) || !points || count < 2) return;
  renderShape(image, devicePath(image, points, count), true, false, true,
              image->context->polyFillMode == 2);
}

void DrawOnImg::fillPolygon(const Point* points, int count) { DA_FILL_FORM(drawPolygon(points, count)) }

void DrawOnImg::erasePolygon(const Point* points, int count) { DA_ERASE_FORM(fillPolygon(points, count)) }

void DrawOnImg::drawBezier(const Point* points, int count) {
  IMAGE* image = target();
  if (!contextOf(image) || !points || count < 4 || (count - 1) % 3 != 0) return;
  Contour control = devicePath(image, points, count);
  Contour path{control[0]};
  for (int i = 1; i + 2 < count; i += 3)
    raster::appendBezier(path, path.back(), control[i], control[i + 1], control[i + 2]);
  renderShape(image, path, false, false, false, false);
}

void DrawOnImg::floodFill(int x, int y, std::uint32_t colour, int mode) {
  IMAGE* image = target();
  DrawContext* c = contextOf(image);
  if (!c || (mode != 0 && mode != 1)) return;
  raster::Paint paint;
  if (!brushPaint(*c, paint)) return;
  raster::Surface surface = surfaceOf(image);
  DevicePoint p = toDevice(*image, x, y);
  raster::Coverage area(surface);
  raster::floodRegion(surface, static_cast<std::int64_t>(p.x), static_cast<std::int64_t>(p.y), colourToWord(colour),
                      mode, area);
  area.normalise();
  raster::paintCoverage(surface, area, paint);
}

void DrawOnImg::drawText(int x, int y, const char* text) {
  IMAGE* image = target();
  DrawContext* c = contextOf(image);
  if (!c || !text) return;
  raster::Surface surface = surfaceOf(image);
  DevicePoint p = toDevice(*image, x, y);
  fontOf(*c)->draw(surface, static_cast<std::int64_t>(p.x), static_cast<std::int64_t>(p.y), text, std::strlen(text),
                   paintWord(c->textColour), c->backMode == 2, paintWord(c->backColour));
}

int DrawOnImg::drawTextInRect(const char* text, Rect& rect, std::uint32_t format) {
  IMAGE* image = target();
  DrawContext* c = contextOf(image);
  if (!c || !text) return 0;
  text::Font& font = *fontOf(*c);
  std::vector<TextLine> lines = layoutLines(font, text, format, static_cast<std::int64_t>(rect.right) - rect.left);
  std::int64_t lineHeight = font.cellHeight;
  std::int64_t height = lineHeight * static_cast<std::int64_t>(lines.size());
  if (format & kTextCalcRect) {
    std::int64_t widest = 0;
    for (const TextLine& line : lines) widest = std::max(widest, font.measure(line.start, line.length));
    rect.right = static_cast<std::int32_t>(std::min<std::int64_t>(INT32_MAX, rect.left + widest));
    rect.bottom = static_cast<std::int32_t>(std::min<std::int64_t>(INT32_MAX, rect.top + height));
    return static_cast<int>(std::min<std::int64_t>(height, INT32_MAX));
  }
  Box box = deviceBox(*image, rect.left, rect.top, rect.right, rect.bottom);
  raster::Surface surface = surfaceOf(image);
  if (!(format & kTextNoClip)) {
    surface.left = std::max<std::int64_t>(surface.left, static_cast<std::int64_t>(box.x0));
    surface.top = std::max<std::int64_t>(surface.top, static_cast<std::int64_t>(box.y0));
    surface.right = std::min<std::int64_t>(surface.right, static_cast<std::int64_t>(box.x1));
    surface.bottom = std::min<std::int64_t>(surface.bottom, static_cast<std::int64_t>(box.y1));
    if (surface.right < surface.left || surface.bottom < surface.top) return static_cast<int>(height);
  }
  std::int64_t y = static_cast<std::int64_t>(box.y0);
  if (format & kTextSingleLine) {
    if (format & kTextVCentre) y += (static_cast<std::int64_t>(box.y1 - box.y0) - lineHeight) / 2;
    else if (format & kTextBottom) y = static_cast<std::int64_t>(box.y1) - lineHeight;
  }
  for (const TextLine& line : lines) {
    std::int64_t width = font.measure(line.start, line.length);
    std::int64_t x = static_cast<std::int64_t>(box.x0);
    if (format & kTextCentre) x += (static_cast<std::int64_t>(box.x1 - box.x0) - width) / 2;
    else if (format & kTextRight) x = static_cast<std::int64_t>(box.x1) - width;
    std::string shown(line.start, line.length);
    if (format & kTextSingleLine) shown.erase(std::remove_if(shown.begin(), shown.end(), [](char ch) { return ch == '\r' || ch == '\n'; }), shown.end());
    font.draw(surface, x, y, shown.data(), shown.size(), paintWord(c->textColour), c->backMode == 2,
              paintWord(c->backColour));
    y += lineHeight;
  }
  return static_cast<int>(std::min<std::int64_t>(height, INT32_MAX));
}

int DrawOnImg::measureTextWidth(const char* text) {
  DrawContext* c = contextOf(target());
  if (!c || !text) return 0;
  return static_cast<int>(std::min<std::int64_t>(fontOf(*c)->measure(text, std::strlen(text)), INT32_MAX));
}

int DrawOnImg::measureTextHeight(const char* text) {
  DrawContext* c = contextOf(target());
  if (!c || !text) return 0;
  return fontOf(*c)->cellHeight;
}

void DrawOnImg::setFont(const LOGFONTA& font) {
  DrawContext* c = contextOf(target());
  if (c) selectFont(*c, font);
}

void DrawOnImg::setFont(int height, int width, const char* face, int escapement, int orientation, int weight,
                        bool italic, bool underline, bool strikeOut, std::uint8_t charSet, std::uint8_t outPrecision,
                        std::uint8_t clipPrecision, std::uint8_t quality, std::uint8_t pitchAndFamily) {
  LOGFONTA font{};
  font.lfHeight = height;
  font.lfWidth = width;
  font.lfEscapement = escapement;
  font.lfOrientation = orientation;
  font.lfWeight = weight;
  font.lfItalic = italic;
  font.lfUnderline = underline;
  font.lfStrikeOut = strikeOut;
  font.lfCharSet = charSet;
  font.lfOutPrecision = outPrecision;
  font.lfClipPrecision = clipPrecision;
  font.lfQuality = quality;
  font.lfPitchAndFamily = pitchAndFamily;
  copyFace(font, face);
  setFont(font);
}

void DrawOnImg::setFont(int height, int width, const char* face, int escapement, int orientation, int weight,
                        bool italic, bool underline, bool strikeOut) {
  LOGFONTA font;
  getFont(font);
  font.lfHeight = height;
  font.lfWidth = width;
  copyFace(font, face);
  font.lfEscapement = escapement;
  font.lfOrientation = orientation;
  font.lfWeight = weight;
  font.lfItalic = italic;
  font.lfUnderline = underline;
  font.lfStrikeOut = strikeOut;
  setFont(font);
}

void DrawOnImg::setFont(int height, int width, const char* face) {
  LOGFONTA font;
  getFont(font);
  font.lfHeight = height;
  font.lfWidth = width;
  copyFace(font, face);
  setFont(font);
}

void DrawOnImg::getFont(LOGFONTA& font) {
  DrawContext* c = contextOf(target());
  font = c ? c->font : defaultFont();
}

int DrawOnImg::targetWidth() { return target() ? target()->width() : 0; }
int DrawOnImg::targetHeight() { return target() ? target()->height() : 0; }

}  // namespace gfx
