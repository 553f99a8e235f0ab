// The player: a plump pastel pillow with a nightcap, tiny arms and feet, stored facing left.
// One parametric pose drives every frame; the sets differ in how they move the pose.
#include <cmath>
#include <string>

#include "tools/asset_gen/art.h"
#include "tools/asset_gen/catalogue.h"

namespace assetgen {

namespace {

const Rgba kBody = hex(0xf4d6ee);
const Rgba kLimb = hex(0xe9c2e3);
const Rgba kCap = hex(0x9fc4f3);
const Rgba kCapBand = hex(0xfdfaff);
const Rgba kToy = hex(0xfbe3a0);     // the little pillow swung in a strike
const Rgba kTube = hex(0xa6e3cc);    // the feather-puff launcher
const Rgba kSwoosh = hex(0xbfe3ff);

enum class Eyes { Sleepy, Open, Happy, Squeeze, Cross, Focus };
enum class Mouth { Smile, Open, Chomp, Chew, Oh, Grin, Wavy };

struct Pose {
  double cx = 32, cy = 50;  // centre of the body
  double w = 46, h = 50;    // body size
  double lean = 0;          // radians about the feet; negative leans forward (to the left)
  double frontFootDx = 0, frontFootDy = 0, backFootDx = 0, backFootDy = 0;
  double feetSpread = 11;
  double frontArm = kPi / 2 + 0.55;  // direction from shoulder to hand, screen angle
  double backArm = kPi / 2 - 0.55;
  bool arms = true, feet = true, cap = true;
  double capSwing = 0;  // sideways sway of the cap's tip
  Eyes eyes = Eyes::Sleepy;
  Mouth mouth = Mouth::Smile;
  double cheeks = 0;  // 0..1 puffed cheeks while chewing
};

}  // namespace

// The pillow outline: four pointed corners and edges that bow a little inward.
void pillowPath(cairo_t* cr, double cx, double cy, double w, double h, double bow) {
  const double a = w / 2, b = h / 2;
  const double xs[4] = {cx - a, cx + a, cx + a, cx - a};
  const double ys[4] = {cy - b, cy - b, cy + b, cy + b};
  cairo_new_sub_path(cr);
  cairo_move_to(cr, xs[0], ys[0]);
  for (int i = 0; i < 4; ++i) {
    const int j = (i + 1) % 4;
    const double dx = xs[j] - xs[i], dy = ys[j] - ys[i];
    const double len = std::hypot(dx, dy);
    const double nx = -dy / len * bow, ny = dx / len * bow;  // points inward (clockwise path)
    cairo_curve_to(cr, xs[i] + dx * 0.3 + nx, ys[i] + dy * 0.3 + ny, xs[i] + dx * 0.7 + nx,
                   ys[i] + dy * 0.7 + ny, xs[j], ys[j]);
  }
  cairo_close_path(cr);
}

namespace {

void limb(cairo_t* cr, double x, double y, double angle, double length, double thickness) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_new_path(cr);
  ellipsePath(cr, length, 0, length, thickness);
  fillInk(cr, kLimb, 1.6);
  cairo_restore(cr);
}

void foot(cairo_t* cr, double x, double y) {
  cairo_new_path(cr);
  ellipsePath(cr, x, y, 7, 4.5);
  fillShaded(cr, kLimb, x - 2, y - 2, 8);
  strokeLine(cr, pal::ink, 1.6);
}

void eye(cairo_t* cr, double x, double y, Eyes kind, bool leftEye) {
  cairo_new_path(cr);
  switch (kind) {
    case Eyes::Sleepy:  // half-closed: lid line over a dark half disc
      cairo_arc(cr, x, y - 0.5, 3.4, 0, kPi);
      cairo_close_path(cr);
      setColour(cr, pal::ink);
      cairo_fill(cr);
      cairo_move_to(cr, x - 4.2, y - 0.8);
      cairo_line_to(cr, x + 4.2, y - 0.8);
      strokeLine(cr, pal::ink, 1.6);
      break;
    case Eyes::Open:
    case Eyes::Focus:
      ellipsePath(cr, x, y, 3.2, 4.2);
      setColour(cr, pal::ink);
      cairo_fill(cr);
      circlePath(cr, x - 1.1, y - 1.6, 1.3);
      setColour(cr, pal::white);
      cairo_fill(cr);
      if (kind == Eyes::Focus) {  // a determined brow
        const double s = leftEye ? 1 : -1;
        cairo_move_to(cr, x - 4 * s, y - 7.5);
        cairo_line_to(cr, x + 3.5 * s, y - 5.2);
        strokeLine(cr, pal::ink, 1.8);
      }
      break;
    case Eyes::Happy:  // closed, smiling arcs
      cairo_arc(cr, x, y + 1.5, 3.4, kPi * 1.1, kPi * 1.9);
      strokeLine(cr, pal::ink, 1.8);
      break;
    case Eyes::Squeeze: {  // > <
      const double s = leftEye ? 1 : -1;
      cairo_move_to(cr, x - 3 * s, y - 3);
      cairo_line_to(cr, x + 3 * s, y);
      cairo_line_to(cr, x - 3 * s, y + 3);
      strokeLine(cr, pal::ink, 1.8);
      break;
    }
    case Eyes::Cross:
      cairo_move_to(cr, x - 3, y - 3);
      cairo_line_to(cr, x + 3, y + 3);
      cairo_move_to(cr, x + 3, y - 3);
      cairo_line_to(cr, x - 3, y + 3);
      strokeLine(cr, pal::ink, 1.8);
      break;
  }
}

void mouth(cairo_t* cr, double x, double y, Mouth kind) {
  cairo_new_path(cr);
  switch (kind) {
    case Mouth::Smile:
      cairo_arc(cr, x - 1.8, y, 1.9, 0.1, kPi - 0.1);
      cairo_new_sub_path(cr);
      cairo_arc(cr, x + 1.8, y, 1.9, 0.1, kPi - 0.1);
      strokeLine(cr, pal::ink, 1.4);
      break;
    case Mouth::Open:
      ellipsePath(cr, x, y + 1.5, 3.6, 3.4);
      fillInk(cr, hex(0xc9607e), 1.4);
      break;
    case Mouth::Oh:
      ellipsePath(cr, x, y + 1, 2.2, 2.5);
      fillInk(cr, hex(0xc9607e), 1.4);
      break;
    case Mouth::Chomp:
      cairo_move_to(cr, x - 3.5, y + 1);
      cairo_line_to(cr, x + 3.5, y + 1);
      strokeLine(cr, pal::ink, 1.6);
      break;
    case Mouth::Chew:
      cairo_move_to(cr, x - 3, y + 0.5);
      cairo_curve_to(cr, x - 1, y + 3, x + 1, y - 1.5, x + 3, y + 1);
      strokeLine(cr, pal::ink, 1.5);
      break;
    case Mouth::Grin:
      cairo_move_to(cr, x - 3.5, y);
      cairo_curve_to(cr, x - 2, y + 4, x + 2, y + 4, x + 3.5, y);
      cairo_close_path(cr);
      fillInk(cr, pal::white, 1.4);
      break;
    case Mouth::Wavy:
      cairo_move_to(cr, x - 4, y + 1);
      cairo_curve_to(cr, x - 2.5, y - 1.5, x - 1, y - 1.5, x, y + 1);
      cairo_curve_to(cr, x + 1, y + 3.5, x + 2.5, y + 3.5, x + 4, y + 1);
      strokeLine(cr, pal::ink, 1.5);
      break;
  }
}

}  // namespace

// The nightcap: a soft cone that flops toward the back (right), with a band and a pompom.
void nightcap(cairo_t* cr, double cx, double top, double w, double swing) {
  const double a = w / 2;
  const double lx = cx - a + 7, rx = cx + a * 0.35, by = top + 4;
  const double tipX = cx + a - 3 + swing, tipY = top - 3 + std::fabs(swing) * 0.3;
  cairo_new_path(cr);
  cairo_move_to(cr, lx, by);
  cairo_curve_to(cr, lx + 2, top - 10, cx + 2, top - 17, cx + a * 0.55, top - 12);
  cairo_curve_to(cr, tipX - 4, top - 10, tipX, tipY - 6, tipX, tipY);
  cairo_curve_to(cr, tipX - 6, tipY - 4, rx + 4, top - 6, rx, by);
  cairo_close_path(cr);
  fillShaded(cr, kCap, cx - 4, top - 12, 22);
  strokeLine(cr, pal::ink, kOutline);
  // little stars on the cap
  twinkle(cr, cx - 2, top - 6, 2.6, withAlpha(pal::white, 0.9));
  twinkle(cr, cx + 8, top - 10, 2.0, withAlpha(pal::white, 0.85));
  cairo_new_path(cr);
  cairo_move_to(cr, lx - 1, by + 1);
  cairo_curve_to(cr, lx + 6, by - 3, rx - 6, by - 3, rx + 1, by + 0.5);
  setColour(cr, pal::ink);
  cairo_set_line_width(cr, 7.5);
  cairo_stroke_preserve(cr);
  strokeLine(cr, kCapBand, 4.5);
  cairo_new_path(cr);
  circlePath(cr, tipX, tipY + 1, 4.3);
  fillShaded(cr, kCapBand, tipX - 1.5, tipY - 1, 5);
  strokeLine(cr, pal::ink, 1.6);
}

namespace {

void drawPillow(cairo_t* cr, const Pose& p) {
  const double a = p.w / 2, b = p.h / 2;
  const double footY = p.cy + b + 1;
  cairo_save(cr);
  cairo_translate(cr, p.cx, footY);
  cairo_rotate(cr, p.lean);
  cairo_translate(cr, -p.cx, -footY);

  if (p.feet) {
    foot(cr, p.cx + p.feetSpread + p.backFootDx, footY + p.backFootDy);
    foot(cr, p.cx - p.feetSpread + p.frontFootDx, footY + p.frontFootDy);
  }
  if (p.arms) limb(cr, p.cx + a - 4, p.cy + 3, p.backArm, 5.6, 4.0);

  cairo_new_path(cr);
  pillowPath(cr, p.cx, p.cy, p.w, p.h, 3.2);
  fillShaded(cr, kBody, p.cx - a * 0.35, p.cy - b * 0.45, std::max(p.w, p.h) * 0.95, 0.6);
  strokeLine(cr, pal::ink, kOutline);
  // stitched seam inside the edge
  cairo_new_path(cr);
  pillowPath(cr, p.cx, p.cy, p.w - 9, p.h - 9, 2.4);
  const double dash[2] = {2.5, 2.5};
  cairo_set_dash(cr, dash, 2, 0);
  strokeLine(cr, withAlpha(pal::inkSoft, 0.45), 1.0);
  cairo_set_dash(cr, nullptr, 0, 0);

  // face, shifted toward the front (left)
  const double fx = p.cx - 7, fy = p.cy + 1;
  cairo_new_path(cr);
  ellipsePath(cr, fx - 10, fy + 6, 4.2 + p.cheeks * 1.5, 2.6 + p.cheeks * 1.2);
  ellipsePath(cr, fx + 9, fy + 6, 4.2 + p.cheeks * 1.5, 2.6 + p.cheeks * 1.2);
  setColour(cr, pal::blush);
  cairo_fill(cr);
  eye(cr, fx - 9, fy - 2, p.eyes, true);
  eye(cr, fx + 8, fy - 2, p.eyes, false);
  mouth(cr, fx - 0.5, fy + 5, p.mouth);

  if (p.cap) nightcap(cr, p.cx, p.cy - b, p.w, p.capSwing);
  if (p.arms) limb(cr, p.cx - a + 4, p.cy + 4, p.frontArm, 5.6, 4.0);
  cairo_restore(cr);
}

// Where the front hand of a pose lies, after the lean.
void frontHand(const Pose& p, double reach, double& x, double& y) {
  const double footY = p.cy + p.h / 2 + 1;
  const double hx = p.cx - p.w / 2 + 4 + std::cos(p.frontArm) * reach;
  const double hy = p.cy + 4 + std::sin(p.frontArm) * reach;
  const double c = std::cos(p.lean), s = std::sin(p.lean);
  x = p.cx + (hx - p.cx) * c - (hy - footY) * s;
  y = footY + (hx - p.cx) * s + (hy - footY) * c;
}

Pose walkPose(double ph) {
  Pose p;
  p.cy = 50 - 2.2 * std::fabs(std::sin(ph));
  p.w = 46 + 1.2 * std::cos(2 * ph);
  p.h = 50 - 1.2 * std::cos(2 * ph);
  p.frontFootDx = 4 * std::cos(ph);
  p.frontFootDy = -3 * std::max(0.0, std::sin(ph)) - (50 - p.cy);
  p.backFootDx = -4 * std::cos(ph);
  p.backFootDy = -3 * std::max(0.0, -std::sin(ph)) - (50 - p.cy);
  p.frontArm = kPi / 2 + 0.55 + 0.4 * std::cos(ph);
  p.backArm = kPi / 2 - 0.55 + 0.4 * std::cos(ph);
  p.capSwing = 2.5 * std::sin(ph);
  return p;
}

void drawWalk(Pictures& out) {
  for (int i = 0; i < 8; ++i) {
    Canvas& c = newPicture(out, "nor" + std::to_string(i + 1) + ".png");
    const double ph = i * 2 * kPi / 8;
    groundShadow(c.cr(), 32, 80, 22, 3.5, 0.6);
    drawPillow(c.cr(), walkPose(ph));
  }
}

void dustPuff(cairo_t* cr, double x, double y, double r, double alpha) {
  cairo_new_path(cr);
  circlePath(cr, x, y, r);
  circlePath(cr, x + r * 0.8, y + r * 0.2, r * 0.7);
  setColour(cr, withAlpha(hex(0xe8dcef), alpha));
  cairo_fill_preserve(cr);
  strokeLine(cr, withAlpha(pal::inkSoft, alpha * 0.8), 1.0);
}

void drawRun(Pictures& out) {
  for (int i = 0; i < 20; ++i) {
    Canvas& c = newPicture(out, "run" + std::to_string(i + 1) + ".png");
    cairo_t* cr = c.cr();
    const double ph = i * 4 * kPi / 20;  // two strides per loop
    // dust kicked up behind, drifting back and fading
    for (int k = 0; k < 2; ++k) {
      const double age = std::fmod(i / 5.0 + k * 0.5, 1.0);
      dustPuff(cr, 47 + age * 8, 79 - age * 8, 2.5 + age * 3.5, 0.95 * (1 - age * 0.8));
    }
    // speed lines
    for (int k = 0; k < 3; ++k) {
      const double y = 40 + k * 9 + (i % 2) * 1.5;
      const double x0 = 55 + ((i + k * 3) % 5) * 1.2;
      cairo_new_path(cr);
      cairo_move_to(cr, x0, y);
      cairo_line_to(cr, x0 + 6, y);
      strokeLine(cr, withAlpha(pal::inkSoft, 0.5), 1.4);
    }
    groundShadow(cr, 33, 80, 20, 3.2, 0.55);
    Pose p;
    p.cx = 36;
    p.w = 45;
    p.h = 48;
    p.lean = -0.2;
    const double lift = std::fabs(std::sin(ph));
    p.cy = 52 - 4.5 * lift;
    p.frontFootDx = 8 * std::cos(ph);
    p.frontFootDy = -5 * std::max(0.0, std::sin(ph)) - (52 - p.cy);
    p.backFootDx = -8 * std::cos(ph);
    p.backFootDy = -5 * std::max(0.0, -std::sin(ph)) - (52 - p.cy);
    p.frontArm = kPi / 2 + 0.4 - 0.9 * std::cos(ph);
    p.backArm = kPi / 2 - 0.4 - 0.9 * std::cos(ph);
    p.capSwing = 4 + 2 * std::sin(ph);
    p.eyes = Eyes::Focus;
    p.mouth = Mouth::Oh;
    drawPillow(cr, p);
  }
}

// The small pillow swung in a strike, centred on the hand and turned by angle.
void toyPillow(cairo_t* cr, double x, double y, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_new_path(cr);
  pillowPath(cr, 0, 0, 20, 15, 1.8);
  fillShaded(cr, kToy, -3, -3, 12);
  strokeLine(cr, pal::ink, 1.6);
  cairo_restore(cr);
}

// A crescent swoosh around (cx, cy) from angle a0 to a1, thickest at the leading end.
void swoosh(cairo_t* cr, double cx, double cy, double r, double a0, double a1, double alpha) {
  const int n = 24;
  cairo_new_path(cr);
  for (int i = 0; i <= n; ++i) {
    const double t = double(i) / n, a = a0 + (a1 - a0) * t;
    const double rr = r + 5 * t;
    const double x = cx + std::cos(a) * rr, y = cy + std::sin(a) * rr;
    i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
  }
  for (int i = n; i >= 0; --i) {
    const double t = double(i) / n, a = a0 + (a1 - a0) * t;
    const double rr = r - 5 * t;
    cairo_line_to(cr, cx + std::cos(a) * rr, cy + std::sin(a) * rr);
  }
  cairo_close_path(cr);
  setColour(cr, withAlpha(kSwoosh, 0.75 * alpha));
  cairo_fill_preserve(cr);
  strokeLine(cr, withAlpha(hex(0x7fb2e6), alpha), 1.2);
}

void drawStrike(Pictures& out) {
  // The toy pillow travels on an arc around the front shoulder: up high, out front, down low.
  struct Frame {
    double toyAngle;  // position of the toy on the arc, screen angle about (24, 48)
    double spin;      // turn of the toy itself
    double lean, sweepFrom, sweepAlpha;
    Mouth mouth;
  };
  const Frame frames[3] = {
      {-kPi * 0.52, 0.5, 0.1, 0, 0, Mouth::Grin},                  // wind-up, toy raised
      {-kPi * 0.98, -0.2, -0.12, -kPi * 0.55, 1, Mouth::Open},    // the swing, mid arc
      {-kPi * 1.38, -0.9, -0.06, -kPi * 0.6, 0.55, Mouth::Grin},  // follow-through, low
  };
  const double ox = 24, oy = 47, reach = 17;
  for (int i = 0; i < 3; ++i) {
    const Frame& f = frames[i];
    Canvas& c = newPicture(out, "att" + std::to_string(i + 1) + ".png");
    cairo_t* cr = c.cr();
    groundShadow(cr, 35, 80, 22, 3.5, 0.6);
    if (f.sweepAlpha > 0) swoosh(cr, ox, oy, reach, f.sweepFrom, f.toyAngle, f.sweepAlpha);
    const double tx = ox + std::cos(f.toyAngle) * reach, ty = oy + std::sin(f.toyAngle) * reach;
    Pose p;
    p.cx = 37;
    p.lean = f.lean;
    const double sx = p.cx - p.w / 2 + 4, sy = p.cy + 4;
    p.frontArm = std::atan2(ty - sy, tx - sx);
    p.backArm = kPi / 2 - 0.25;
    p.eyes = Eyes::Focus;
    p.mouth = f.mouth;
    p.capSwing = i == 0 ? -3 : 0;
    p.frontFootDx = i == 0 ? 0 : -4;
    if (i == 0) toyPillow(cr, tx, ty, f.spin);  // held up behind the cap
    drawPillow(cr, p);
    if (i > 0) toyPillow(cr, tx, ty, f.spin);
  }
}

// The launcher: a striped toy tube pointing left from the hand.
void launcher(cairo_t* cr, double x, double y, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_new_path(cr);
  roundRectPath(cr, -15, -5, 21, 10, 4);
  fillShaded(cr, kTube, -10, -3, 14);
  strokeLine(cr, pal::ink, 1.6);
  cairo_new_path(cr);
  cairo_move_to(cr, -9, -5);
  cairo_line_to(cr, -9, 5);
  cairo_move_to(cr, -3, -5);
  cairo_line_to(cr, -3, 5);
  strokeLine(cr, withAlpha(hex(0xf7a8c4), 0.9), 2.2);
  cairo_new_path(cr);
  ellipsePath(cr, -15, 0, 2.5, 5.5);
  fillInk(cr, lighter(kTube, 0.4), 1.4);
  cairo_restore(cr);
}

void feather(cairo_t* cr, double x, double y, double angle, double alpha) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_new_path(cr);
  cairo_move_to(cr, -5, 0);
  cairo_curve_to(cr, -2, -3.5, 3, -3, 5, 0);
  cairo_curve_to(cr, 3, 3, -2, 3.5, -5, 0);
  setColour(cr, withAlpha(pal::white, alpha));
  cairo_fill_preserve(cr);
  strokeLine(cr, withAlpha(pal::inkSoft, alpha), 1.0);
  cairo_move_to(cr, -6, 0);
  cairo_line_to(cr, 4, 0);
  strokeLine(cr, withAlpha(pal::inkSoft, alpha), 0.8);
  cairo_restore(cr);
}

void puffCloud(cairo_t* cr, double x, double y, double r, double alpha) {
  cairo_new_path(cr);
  circlePath(cr, x, y, r);
  circlePath(cr, x - r * 0.8, y - r * 0.4, r * 0.7);
  circlePath(cr, x - r * 0.6, y + r * 0.6, r * 0.6);
  setColour(cr, withAlpha(hex(0xfdfbff), alpha));
  cairo_fill_preserve(cr);
  strokeLine(cr, withAlpha(pal::ink, alpha * 0.8), 1.3);
}

void drawShoot(Pictures& out) {
  for (int i = 0; i < 3; ++i) {
    Canvas& c = newPicture(out, "shoot" + std::to_string(i + 1) + ".png");
    cairo_t* cr = c.cr();
    groundShadow(cr, 38, 80, 22, 3.5, 0.6);
    Pose p;
    p.cx = 36 + (i == 1 ? 3 : i == 2 ? 1 : 0);
    p.lean = i == 1 ? 0.1 : 0.03;
    p.frontArm = kPi - 0.15;
    p.backArm = kPi / 2 - 0.25;
    p.eyes = i == 2 ? Eyes::Happy : Eyes::Focus;
    p.mouth = i == 1 ? Mouth::Oh : Mouth::Smile;
    p.capSwing = i == 1 ? 1 : -1;
    drawPillow(cr, p);
    double hx, hy;
    frontHand(p, 10, hx, hy);
    launcher(cr, hx + 4, hy, i == 1 ? 0.22 : 0.05);
    if (i == 1) {
      puffCloud(cr, 8, hy - 3, 6, 1.0);
      feather(cr, 9, hy - 16, -0.5, 1.0);
    } else if (i == 2) {
      puffCloud(cr, 7, hy - 7, 4.2, 0.6);
      feather(cr, 10, hy - 25, 0.4, 0.85);
    }
  }
}

void drawDefend(Pictures& out) {
  Canvas& c = newPicture(out, "defend.png");
  cairo_t* cr = c.cr();
  for (int k = 0; k < 4; ++k) {  // motion streaks behind the dash
    const double y = 38 + k * 9;
    cairo_new_path(cr);
    cairo_move_to(cr, 50 + (k % 2) * 3, y);
    cairo_line_to(cr, 62, y);
    strokeLine(cr, withAlpha(pal::inkSoft, 0.55), 1.6);
  }
  groundShadow(cr, 31, 80, 18, 3, 0.5);
  // a soft bubble shield
  cairo_new_path(cr);
  circlePath(cr, 30, 53, 27);
  setColour(cr, withAlpha(hex(0xcfeaff), 0.3));
  cairo_fill_preserve(cr);
  strokeLine(cr, withAlpha(hex(0x8fc3ef), 0.8), 1.6);
  Pose p;
  p.cx = 30;
  p.cy = 55;
  p.w = 40;
  p.h = 38;
  p.lean = -0.35;
  p.feet = false;
  p.frontArm = kPi / 2 - 0.2;
  p.backArm = kPi / 2 + 0.3;
  p.eyes = Eyes::Squeeze;
  p.mouth = Mouth::Chomp;
  p.capSwing = 6;
  drawPillow(cr, p);
  twinkle(cr, 16, 34, 3.5, hex(0xffffff, 0.95));
  twinkle(cr, 45, 70, 2.5, hex(0xffffff, 0.9));
}

void drawEat(Pictures& out) {
  struct Frame {
    Eyes eyes;
    Mouth mouth;
    double cheeks, meatLift, dy, squash;
    int bites;
  };
  const Frame frames[6] = {
      {Eyes::Open, Mouth::Open, 0, 0, 0, 0, 0},
      {Eyes::Happy, Mouth::Chomp, 0.3, 1, 1, 1.5, 1},
      {Eyes::Happy, Mouth::Chew, 1, 0.4, 0, 0, 1},
      {Eyes::Open, Mouth::Open, 0.2, 0.1, -1, -1, 1},
      {Eyes::Happy, Mouth::Chomp, 1, 0.9, 1.5, 2, 2},
      {Eyes::Happy, Mouth::Smile, 0.4, 0, 0, 0, 3},
  };
  for (int i = 0; i < 6; ++i) {
    const Frame& f = frames[i];
    Canvas& c = newPicture(out, "eat" + std::to_string(i + 1) + ".png");
    cairo_t* cr = c.cr();
    groundShadow(cr, 32, 80, 22, 3.5, 0.6);
    Pose p;
    p.cy = 50 + f.dy;
    p.w = 46 + f.squash;
    p.h = 50 - f.squash;
    p.frontFootDy = -f.dy;
    p.backFootDy = -f.dy;
    p.eyes = f.eyes;
    p.mouth = f.mouth;
    p.cheeks = f.cheeks;
    p.frontArm = kPi + 0.3 - f.meatLift * 0.3;
    drawPillow(cr, p);
    if (f.bites < 3)
      drawDrumstick(cr, 13 + f.meatLift * 2.5, 62 - f.meatLift * 2.5, 0.6, -0.5, f.bites);
    else
      drawDrumstick(cr, 12, 64, 0.6, -0.7, 3);
    if (i == 2 || i == 4) {  // crumbs
      cairo_new_path(cr);
      circlePath(cr, 28, 64 + i, 1.3);
      circlePath(cr, 32, 69 + i * 0.5, 1.1);
      circlePath(cr, 25, 71, 1.0);
      setColour(cr, hex(0xd99068));
      cairo_fill(cr);
    }
    if (i == 5) {  // satisfied: a little heart
      cairo_new_path(cr);
      cairo_move_to(cr, 48, 24);
      cairo_curve_to(cr, 42, 19, 46, 13, 48, 17);
      cairo_curve_to(cr, 50, 13, 54, 19, 48, 24);
      fillInk(cr, hex(0xff8fb1), 1.3);
    }
  }
}

void drawDie(Pictures& out) {
  Canvas& c = newPicture(out, "die0.png");
  cairo_t* cr = c.cr();
  groundShadow(cr, 32, 80, 28, 4, 0.6);
  Pose p;
  p.cy = 66;
  p.w = 58;
  p.h = 26;
  p.feetSpread = 22;
  p.frontFootDx = -4;
  p.backFootDx = 4;
  p.frontFootDy = -3;
  p.backFootDy = -3;
  p.frontArm = kPi - 0.1;
  p.backArm = 0.1;
  p.cap = false;
  p.eyes = Eyes::Cross;
  p.mouth = Mouth::Wavy;
  drawPillow(cr, p);
  // the cap fell off and lies beside
  cairo_save(cr);
  cairo_translate(cr, 44, 50);
  cairo_rotate(cr, 0.45);
  cairo_scale(cr, 0.85, 0.85);
  nightcap(cr, 0, 0, 26, 0);
  cairo_restore(cr);
  // dizzy stars
  const double xs[3] = {14, 26, 38}, ys[3] = {40, 34, 41};
  for (int k = 0; k < 3; ++k) {
    cairo_new_path(cr);
    starPath(cr, xs[k], ys[k], 5, 4.2, 1.9, -kPi / 2 + k * 0.3);
    fillInk(cr, hex(0xffe48a), 1.1);
  }
}

}  // namespace

void drawPlayerPortrait(cairo_t* cr) {
  Pose p;
  p.eyes = Eyes::Open;
  p.cheeks = 0.3;
  drawPillow(cr, p);
}

namespace {

void drawPlayerPictures(Pictures& out) {
  drawWalk(out);
  drawDie(out);
  drawStrike(out);
  drawRun(out);
  drawShoot(out);
  drawDefend(out);
  drawEat(out);
}

const RegisterArt registered(drawPlayerPictures);

}  // namespace

}  // namespace assetgen
