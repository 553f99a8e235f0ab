// The king: a plump crowned monster in a little cape, stored facing right. Walking frames
// bob and sway; the roar opens the mouth wider and sends sound waves out front.
#include <cmath>
#include <string>

#include "tools/asset_gen/art.h"
#include "tools/asset_gen/catalogue.h"

namespace assetgen {

namespace {

const Rgba kSkin = hex(0xc7a9e8);
const Rgba kBelly = hex(0xf4ebfc);
const Rgba kCape = hex(0xef8fab);
const Rgba kGold = hex(0xf8d47a);

enum class KingEyes { Open, Closed, Squeeze, Fierce };

struct KingPose {
  double bob = 0, tilt = 0, sway = 0;      // body lift, lean, cape sway
  double frontFoot = 0, backFoot = 0;      // foot lift
  double frontStep = 0, backStep = 0;      // foot shift
  double arm = 0;                          // arm swing
  double puff = 0;                         // swelling before the roar
  double mouth = 0;                        // 0 smile .. 1 wide roar
  double shake = 0;                        // sideways jitter
  KingEyes eyes = KingEyes::Open;
  bool wavyMouth = false;
};

void kingFoot(cairo_t* cr, double x, double y) {
  cairo_new_path(cr);
  ellipsePath(cr, x, y, 12, 6);
  fillShaded(cr, darker(kSkin, 0.08), x - 3, y - 3, 12);
  strokeLine(cr, pal::ink, kOutline);
}

void kingArm(cairo_t* cr, double x, double y, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_new_path(cr);
  ellipsePath(cr, 0, 8, 6, 10);
  fillShaded(cr, kSkin, -2, 4, 10);
  strokeLine(cr, pal::ink, kOutline);
  cairo_restore(cr);
}

void crown(cairo_t* cr, double cx, double by, double jump) {
  const double y = by - jump;
  cairo_new_path(cr);
  cairo_move_to(cr, cx - 19, y);
  cairo_line_to(cr, cx - 21, y - 20);
  cairo_line_to(cr, cx - 10, y - 11);
  cairo_line_to(cr, cx, y - 25);
  cairo_line_to(cr, cx + 10, y - 11);
  cairo_line_to(cr, cx + 21, y - 20);
  cairo_line_to(cr, cx + 19, y);
  cairo_close_path(cr);
  fillShaded(cr, kGold, cx - 6, y - 16, 26, 0.5);
  strokeLine(cr, pal::ink, kOutline);
  const double tips[3][2] = {{cx - 21, y - 21}, {cx, y - 26}, {cx + 21, y - 21}};
  for (auto& t : tips) {
    cairo_new_path(cr);
    circlePath(cr, t[0], t[1], 2.8);
    fillInk(cr, hex(0xfff1b8), 1.4);
  }
  cairo_new_path(cr);
  ellipsePath(cr, cx, y - 7, 3.4, 4);
  fillInk(cr, hex(0xff8fb1), 1.3);
  cairo_new_path(cr);
  circlePath(cr, cx - 11, y - 5, 2.3);
  circlePath(cr, cx + 11, y - 5, 2.3);
  fillInk(cr, hex(0x8fd0f5), 1.2);
}

void drawKing(cairo_t* cr, const KingPose& p) {
  const double cx = 58 + p.shake, cy = 90 - p.bob;
  const double rx = 40 + p.puff * 3, ry = 38 + p.puff * 2;
  groundShadow(cr, 60, 134, 44, 4, 0.55);

  // cape flowing behind, to the left
  cairo_new_path(cr);
  cairo_move_to(cr, cx - 16, cy - 30);
  cairo_curve_to(cr, cx - 46, cy - 20, cx - 56 - p.sway, cy + 10, cx - 52 - p.sway * 1.5, cy + 40);
  cairo_curve_to(cr, cx - 40, cy + 44, cx - 28, cy + 38, cx - 16, cy + 40);
  cairo_close_path(cr);
  fillShaded(cr, kCape, cx - 40, cy - 10, 50, 0.35);
  strokeLine(cr, pal::ink, kOutline);

  kingFoot(cr, 70 + p.backStep, 131 - p.backFoot);
  kingArm(cr, cx + rx - 8, cy + 4, -0.5 - p.arm);

  // body
  cairo_save(cr);
  cairo_translate(cr, cx, cy + ry);
  cairo_rotate(cr, p.tilt);
  cairo_translate(cr, -cx, -cy - ry);
  cairo_new_path(cr);
  cairo_move_to(cr, cx, cy - ry);
  cairo_curve_to(cr, cx + rx * 0.75, cy - ry, cx + rx, cy - ry * 0.3, cx + rx, cy + ry * 0.25);
  cairo_curve_to(cr, cx + rx, cy + ry * 0.85, cx + rx * 0.55, cy + ry, cx, cy + ry);
  cairo_curve_to(cr, cx - rx * 0.55, cy + ry, cx - rx, cy + ry * 0.85, cx - rx, cy + ry * 0.25);
  cairo_curve_to(cr, cx - rx, cy - ry * 0.3, cx - rx * 0.75, cy - ry, cx, cy - ry);
  cairo_close_path(cr);
  fillShaded(cr, kSkin, cx + 8, cy - 20, rx * 1.6, 0.55);
  strokeLine(cr, pal::ink, kOutline);
  cairo_new_path(cr);
  ellipsePath(cr, cx + 8, cy + 16, rx * 0.6, ry * 0.55);
  setColour(cr, kBelly);
  cairo_fill(cr);
  // the cape's golden clasp on the shoulder
  cairo_new_path(cr);
  circlePath(cr, cx - rx * 0.62, cy - ry * 0.5, 4.5);
  fillShaded(cr, kGold, cx - rx * 0.62 - 1.5, cy - ry * 0.5 - 1.5, 5);
  strokeLine(cr, pal::ink, 1.6);

  // face toward the right
  const double ey = cy - 12;
  const double exs[2] = {cx + 14, cx + 32};
  for (int k = 0; k < 2; ++k) {
    const double ex = exs[k], s = k == 0 ? 1 : -1;
    cairo_new_path(cr);
    switch (p.eyes) {
      case KingEyes::Open:
      case KingEyes::Fierce:
        ellipsePath(cr, ex, ey, 4.2, 5.2);
        setColour(cr, pal::ink);
        cairo_fill(cr);
        cairo_new_path(cr);
        circlePath(cr, ex + 1, ey - 2, 1.5);
        setColour(cr, pal::white);
        cairo_fill(cr);
        if (p.eyes == KingEyes::Fierce) {
          cairo_new_path(cr);
          cairo_move_to(cr, ex - 6 * s, ey - 11);
          cairo_line_to(cr, ex + 5 * s, ey - 6);
          strokeLine(cr, pal::ink, 2.6);
        }
        break;
      case KingEyes::Closed:
        cairo_arc(cr, ex, ey - 1, 4.2, 0.2, kPi - 0.2);
        strokeLine(cr, pal::ink, 2.0);
        break;
      case KingEyes::Squeeze:
        cairo_move_to(cr, ex - 4 * s, ey - 4);
        cairo_line_to(cr, ex + 4 * s, ey);
        cairo_line_to(cr, ex - 4 * s, ey + 4);
        strokeLine(cr, pal::ink, 2.2);
        break;
    }
  }
  cairo_new_path(cr);
  ellipsePath(cr, cx + 8, ey + 10, 5, 3);
  ellipsePath(cr, cx + 38, ey + 10, 4, 3);
  setColour(cr, withAlpha(pal::blush, 0.5 + p.puff * 0.3));
  cairo_fill(cr);

  const double mx = cx + 24, my = ey + 16;
  cairo_new_path(cr);
  if (p.mouth > 0.05) {
    const double mw = 6 + 8 * p.mouth, mh = 3 + 11 * p.mouth;
    ellipsePath(cr, mx, my + mh * 0.5, mw, mh);
    fillInk(cr, hex(0x9c3f66), 1.8);
    cairo_new_path(cr);  // tongue
    ellipsePath(cr, mx, my + mh * 1.1, mw * 0.55, mh * 0.35);
    setColour(cr, hex(0xff9fb8));
    cairo_fill(cr);
    for (int k = -1; k <= 1; k += 2) {  // fangs
      cairo_new_path(cr);
      cairo_move_to(cr, mx + k * mw * 0.5 - 2.2, my - mh * 0.45 + 0.5);
      cairo_line_to(cr, mx + k * mw * 0.5, my - mh * 0.45 + 5);
      cairo_line_to(cr, mx + k * mw * 0.5 + 2.2, my - mh * 0.45 + 0.5);
      cairo_close_path(cr);
      fillInk(cr, pal::white, 1.1);
    }
  } else if (p.wavyMouth) {
    cairo_move_to(cr, mx - 7, my + 1);
    cairo_curve_to(cr, mx - 4, my - 3, mx - 2, my + 4, mx, my);
    cairo_curve_to(cr, mx + 2, my - 3, mx + 4, my + 4, mx + 7, my);
    strokeLine(cr, pal::ink, 2);
  } else {
    cairo_move_to(cr, mx - 8, my);
    cairo_curve_to(cr, mx - 3, my + 5, mx + 3, my + 5, mx + 8, my);
    strokeLine(cr, pal::ink, 2);
    for (int k = -1; k <= 1; k += 2) {
      cairo_new_path(cr);
      cairo_move_to(cr, mx + k * 4 - 1.8, my + 2.6);
      cairo_line_to(cr, mx + k * 4, my + 6);
      cairo_line_to(cr, mx + k * 4 + 1.8, my + 2.6);
      fillInk(cr, pal::white, 1.1);
    }
  }
  crown(cr, cx + 2, cy - ry + 6, p.puff * 2 + p.mouth * 3);
  cairo_restore(cr);

  kingFoot(cr, 44 + p.frontStep, 131 - p.frontFoot);
  kingArm(cr, cx - rx + 10, cy + 6, 0.5 + p.arm);
}

void soundWaves(cairo_t* cr, double x, double y, int count, double spread, double alpha) {
  for (int k = 0; k < count; ++k) {
    const double r = 10 + k * 8 + spread * 6;
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r, -0.55, 0.55);
    strokeLine(cr, withAlpha(hex(0xa98ad6), alpha * (1 - k * 0.18)), 2.6);
  }
}

void drawKingPictures(Pictures& out) {
  for (int i = 0; i < 10; ++i) {
    Canvas& c = newPicture(out, "king" + std::to_string(i + 1) + ".png");
    const double ph = i * 2 * kPi / 10;
    KingPose p;
    p.bob = 3 * std::fabs(std::sin(ph));
    p.tilt = 0.04 * std::sin(ph);
    p.sway = 4 * std::sin(ph - 0.6);
    p.frontFoot = 4 * std::max(0.0, std::sin(ph));
    p.backFoot = 4 * std::max(0.0, -std::sin(ph));
    p.frontStep = 4 * std::cos(ph);
    p.backStep = -4 * std::cos(ph);
    p.arm = 0.3 * std::cos(ph);
    drawKing(c.cr(), p);
  }
  struct Roar {
    const char* name;
    double puff, mouth, shake;
    KingEyes eyes;
    bool wavy;
    int waves;
    double spread;
  };
  const Roar roars[7] = {
      {"kingatk.png", 1.0, 0, 0, KingEyes::Closed, false, 0, 0},
      {"kingatk1.png", 0.5, 0, -2, KingEyes::Squeeze, true, 0, 0},
      {"kingatk2.png", 0.3, 0.45, 0, KingEyes::Fierce, false, 1, 0},
      {"kingatk3.png", 0.2, 0.8, 1.5, KingEyes::Fierce, false, 2, 0},
      {"kingatk4.png", 0.1, 1.0, -1.5, KingEyes::Fierce, false, 3, 0.1},
      {"kingatk5.png", 0.1, 1.0, 1.5, KingEyes::Fierce, false, 3, 0.5},
      {"kingatk6.png", 0.0, 0.7, 0, KingEyes::Fierce, false, 3, 0.9},
  };
  for (const Roar& r : roars) {
    Canvas& c = newPicture(out, r.name);
    KingPose p;
    p.puff = r.puff;
    p.mouth = r.mouth;
    p.shake = r.shake;
    p.eyes = r.eyes;
    p.wavyMouth = r.wavy;
    p.arm = r.mouth > 0 ? -0.5 : 0.2;
    drawKing(c.cr(), p);
    if (r.waves > 0) soundWaves(c.cr(), 94, 95, r.waves, r.spread, r.spread > 0.8 ? 0.6 : 0.95);
  }
}

const RegisterArt registered(drawKingPictures);

}  // namespace

}  // namespace assetgen
