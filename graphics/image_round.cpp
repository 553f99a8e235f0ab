// The image device's round shapes: circles, ellipses, rounded rectangles, arcs and pies,
// their box's ellipse cut by rays where a part of it is asked for.
#include "graphics/image_paint.h"
#include "platform/base/exact_maths.h"

namespace gfx {

using namespace image_paint;

namespace {

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

}  // namespace

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

}  // namespace gfx
