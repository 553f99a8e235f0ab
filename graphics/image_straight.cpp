// The image device's straight shapes: pixels, lines, rectangles, polylines, polygons,
// Bezier curves and the flood fill, through the rasteriser on the current target.
#include "graphics/image_paint.h"

namespace gfx {

using namespace image_paint;

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

void DrawOnImg::eraseRectangle(int left, int top, int right, int bottom) {
  DA_ERASE_FORM(fillRectangle(left, top, right, bottom))
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

}  // namespace gfx
