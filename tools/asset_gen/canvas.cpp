// Cairo helpers: canvases, colours, shapes and the seeded random generator.
#include "tools/asset_gen/canvas.h"

#include <cmath>
#include <stdexcept>

#include "tools/asset_gen/catalogue.h"

namespace assetgen {

Rgba hex(uint32_t rgb, double a) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, a};
}

Rgba mix(Rgba x, Rgba y, double t) {
  return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t,
          x.a + (y.a - x.a) * t};
}

Rgba withAlpha(Rgba c, double a) { return {c.r, c.g, c.b, a}; }
Rgba lighter(Rgba c, double t) { return mix(c, {1, 1, 1, c.a}, t); }
Rgba darker(Rgba c, double t) { return mix(c, {0.23, 0.16, 0.30, c.a}, t); }

namespace pal {
const Rgba ink = hex(0x56435f);
const Rgba inkSoft = hex(0x8c7497);
const Rgba white = hex(0xffffff);
const Rgba blush = hex(0xff9fb8, 0.55);
const Rgba shadow = hex(0x56435f, 0.22);
}  // namespace pal

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cr_ = cairo_create(surface_);
  if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cairo canvas failed");
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas() {
  if (cr_) cairo_destroy(cr_);
  if (surface_) cairo_surface_destroy(surface_);
}

Canvas::Canvas(Canvas&& other) noexcept { *this = std::move(other); }

Canvas& Canvas::operator=(Canvas&& other) noexcept {
  if (this != &other) {
    if (cr_) cairo_destroy(cr_);
    if (surface_) cairo_surface_destroy(surface_);
    surface_ = other.surface_;
    cr_ = other.cr_;
    width_ = other.width_;
    height_ = other.height_;
    other.surface_ = nullptr;
    other.cr_ = nullptr;
  }
  return *this;
}

Canvas& newPicture(Pictures& out, const std::string& name) {
  const PictureFile* picture = findPicture(name);
  if (!picture) throw std::runtime_error("not a catalogue picture: " + name);
  out.push_back({picture->dir, picture->name, Canvas(picture->width, picture->height)});
  return out.back().canvas;
}

void setColour(cairo_t* cr, Rgba c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void fillInk(cairo_t* cr, Rgba fill, double lineWidth, Rgba line) {
  setColour(cr, fill);
  cairo_fill_preserve(cr);
  setColour(cr, line);
  cairo_set_line_width(cr, lineWidth);
  cairo_stroke(cr);
}

void fillShaded(cairo_t* cr, Rgba base, double lx, double ly, double r, double lightness) {
  cairo_pattern_t* p = cairo_pattern_create_radial(lx, ly, r * 0.05, lx, ly, r);
  Rgba hi = lighter(base, lightness);
  Rgba lo = darker(base, 0.12);
  cairo_pattern_add_color_stop_rgba(p, 0.0, hi.r, hi.g, hi.b, hi.a);
  cairo_pattern_add_color_stop_rgba(p, 0.55, base.r, base.g, base.b, base.a);
  cairo_pattern_add_color_stop_rgba(p, 1.0, lo.r, lo.g, lo.b, lo.a);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

void strokeLine(cairo_t* cr, Rgba c, double width) {
  setColour(cr, c);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
}

void circlePath(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
}

void roundRectPath(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

void starPath(cairo_t* cr, double cx, double cy, int n, double r1, double r2, double a0) {
  cairo_new_sub_path(cr);
  for (int i = 0; i < 2 * n; ++i) {
    double r = (i % 2 == 0) ? r1 : r2;
    double a = a0 + i * kPi / n;
    double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
    if (i == 0)
      cairo_move_to(cr, x, y);
    else
      cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
}

void groundShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double opacity) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  Rgba s = pal::shadow;
  cairo_pattern_add_color_stop_rgba(p, 0, s.r, s.g, s.b, opacity);
  cairo_pattern_add_color_stop_rgba(p, 0.6, s.r, s.g, s.b, opacity * 0.7);
  cairo_pattern_add_color_stop_rgba(p, 1, s.r, s.g, s.b, 0);
  cairo_set_source(cr, p);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  cairo_restore(cr);
}

void glow(cairo_t* cr, double cx, double cy, double r, Rgba c) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
  cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, c.a);
  cairo_pattern_add_color_stop_rgba(p, 0.45, c.r, c.g, c.b, c.a * 0.45);
  cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
  cairo_set_source(cr, p);
  cairo_new_path(cr);
  circlePath(cr, cx, cy, r);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void twinkle(cairo_t* cr, double cx, double cy, double r, Rgba c) {
  cairo_new_path(cr);
  starPath(cr, cx, cy, 4, r, r * 0.3, -kPi / 2);
  setColour(cr, c);
  cairo_fill(cr);
}

uint32_t Rng::next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

double Rng::uniform(double lo, double hi) { return lo + (hi - lo) * (next() / 4294967296.0); }

double clamp01(double v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

double smoothstep(double e0, double e1, double x) {
  double t = clamp01((x - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}

}  // namespace assetgen
