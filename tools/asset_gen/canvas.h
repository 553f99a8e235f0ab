// Drawing helpers on cairo: a canvas that owns its surface, colours, common shapes, and a
// small seeded random generator so that every run draws the same pixels.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

struct Rgba {
  double r, g, b, a;
};

// A colour from 0xRRGGBB and an opacity.
Rgba hex(uint32_t rgb, double a = 1.0);
Rgba mix(Rgba x, Rgba y, double t);
Rgba withAlpha(Rgba c, double a);
Rgba lighter(Rgba c, double t);
Rgba darker(Rgba c, double t);

// The palette of the soft pastel dream: every figure uses the same ink for its outlines.
namespace pal {
extern const Rgba ink;        // deep plum outline
extern const Rgba inkSoft;    // lighter lines inside shapes
extern const Rgba white;
extern const Rgba blush;
extern const Rgba shadow;     // ground shadow
}  // namespace pal

constexpr double kOutline = 2.0;  // outline width of the figures

// A transparent ARGB32 canvas with its cairo context; move-only.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(Canvas&& other) noexcept;
  Canvas& operator=(Canvas&& other) noexcept;
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

// A picture ready to be written: directory below the output root, file name, pixels.
struct Picture {
  std::string dir;
  std::string name;
  Canvas canvas;
};
using Pictures = std::vector<Picture>;

// Adds a picture whose canvas size comes from the catalogue entry of that name.
Canvas& newPicture(Pictures& out, const std::string& name);

void setColour(cairo_t* cr, Rgba c);
// Fills the current path, then strokes it with the ink; the path is consumed.
void fillInk(cairo_t* cr, Rgba fill, double lineWidth = kOutline, Rgba line = pal::ink);
// Fills the current path with a radial shade: light near (lx, ly), base colour at radius r.
void fillShaded(cairo_t* cr, Rgba base, double lx, double ly, double r, double lightness = 0.45);
void strokeLine(cairo_t* cr, Rgba c, double width);

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
void circlePath(cairo_t* cr, double cx, double cy, double r);
void roundRectPath(cairo_t* cr, double x, double y, double w, double h, double r);
// A star with n points, outer radius r1 and inner radius r2, first point at angle a0.
void starPath(cairo_t* cr, double cx, double cy, int n, double r1, double r2, double a0);

// A soft elliptical shadow on the ground.
void groundShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double opacity);
// A soft glow: a radial gradient from colour c at the centre to transparent at radius r.
void glow(cairo_t* cr, double cx, double cy, double r, Rgba c);
// A little four-point twinkle.
void twinkle(cairo_t* cr, double cx, double cy, double r, Rgba c);

// xorshift32 with a fixed seed: the same sequence on every run.
class Rng {
 public:
  explicit Rng(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
  uint32_t next();
  double uniform(double lo, double hi);

 private:
  uint32_t state_;
};

double clamp01(double v);
double smoothstep(double e0, double e1, double x);
constexpr double kPi = 3.14159265358979323846;

}  // namespace assetgen
