// The shark: a chubby pastel-blue shark stored facing right. Moving frames swish the tail
// and ripple the body; the attack opens the jaws; the hurt picture is pale and dizzy.
#include <cmath>
#include <string>

#include "tools/asset_gen/art.h"
#include "tools/asset_gen/catalogue.h"

namespace assetgen {

namespace {

struct SharkPose {
  double tail = 0;     // tail swing, radians
  double ripple = 0;   // vertical shift of the rear body
  double jaw = 0;      // 0 closed .. 1 wide open
  double pale = 0;     // 0 normal .. 1 washed out
  double tilt = 0;     // whole-body tilt
  bool dizzy = false;
  bool angry = false;
};

Rgba tone(Rgba c, const SharkPose& p) { return mix(c, hex(0xf4f4f8), p.pale * 0.55); }

void tailFin(cairo_t* cr, const SharkPose& p, double bx, double by) {
  cairo_save(cr);
  cairo_translate(cr, bx, by);
  cairo_rotate(cr, p.tail);
  cairo_new_path(cr);
  cairo_move_to(cr, 4, -6);
  cairo_curve_to(cr, -6, -12, -14, -22, -20, -28);
  cairo_curve_to(cr, -16, -12, -14, -4, -12, 0);
  cairo_curve_to(cr, -15, 6, -17, 14, -20, 22);
  cairo_curve_to(cr, -12, 18, -4, 10, 4, 6);
  cairo_close_path(cr);
  fillShaded(cr, tone(hex(0x86b6e4), p), -8, -10, 24);
  strokeLine(cr, pal::ink, kOutline);
  cairo_restore(cr);
}

void drawShark(cairo_t* cr, const SharkPose& p) {
  const Rgba body = tone(hex(0x9cc8ef), p);
  const Rgba belly = tone(hex(0xf2f8fd), p);
  const Rgba fin = tone(hex(0x86b6e4), p);
  cairo_save(cr);
  cairo_translate(cr, 64, 38);
  cairo_rotate(cr, p.tilt);
  cairo_translate(cr, -64, -38);

  groundShadow(cr, 66, 68, 42, 3.5, 0.4);
  const double r = p.ripple;
  const double jawDrop = 9 * p.jaw;
  tailFin(cr, p, 28, 38 + r);

  // pectoral fin behind the belly
  cairo_new_path(cr);
  cairo_move_to(cr, 64, 52);
  cairo_curve_to(cr, 60, 60, 54, 66, 46, 68);
  cairo_curve_to(cr, 56, 66, 66, 62, 74, 54);
  cairo_close_path(cr);
  fillInk(cr, darker(fin, 0.1));

  // dorsal fin
  cairo_new_path(cr);
  cairo_move_to(cr, 50, 19 + r * 0.5);
  cairo_curve_to(cr, 54, 12, 58, 6, 62, 3);
  cairo_curve_to(cr, 66, 8, 72, 14, 80, 17);
  cairo_close_path(cr);
  fillShaded(cr, fin, 60, 6, 14);
  strokeLine(cr, pal::ink, kOutline);

  // body: upper jaw line to the nose, belly and lower jaw below
  cairo_new_path(cr);
  cairo_move_to(cr, 27, 34 + r);
  cairo_curve_to(cr, 40, 22 + r * 0.6, 60, 14, 88, 16);
  cairo_curve_to(cr, 106, 17, 120, 26, 123, 37);
  cairo_curve_to(cr, 121, 40, 118, 42, 113, 43);
  cairo_line_to(cr, 96, 45);
  cairo_curve_to(cr, 104, 47 + jawDrop, 112, 48 + jawDrop * 1.3, 112, 50 + jawDrop * 1.3);
  cairo_curve_to(cr, 104, 58 + jawDrop, 86, 61 + jawDrop * 0.5, 66, 59);
  cairo_curve_to(cr, 48, 57, 34, 50 + r * 0.6, 27, 43 + r);
  cairo_close_path(cr);
  cairo_path_t* outline = cairo_copy_path(cr);
  fillShaded(cr, body, 82, 22, 60, 0.5);
  cairo_save(cr);
  cairo_clip(cr);
  cairo_new_path(cr);  // the pale belly
  ellipsePath(cr, 80, 62 + jawDrop * 0.4, 52, 16);
  setColour(cr, belly);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, outline);
  cairo_path_destroy(outline);
  strokeLine(cr, pal::ink, kOutline);

  if (p.jaw > 0) {  // the open mouth with its teeth
    cairo_new_path(cr);
    cairo_move_to(cr, 96, 45);
    cairo_line_to(cr, 114, 43);
    cairo_curve_to(cr, 116, 46 + jawDrop, 114, 48 + jawDrop * 1.3, 111, 49 + jawDrop * 1.3);
    cairo_curve_to(cr, 104, 49 + jawDrop, 99, 47 + jawDrop * 0.5, 96, 45);
    cairo_close_path(cr);
    fillInk(cr, hex(0xb8577a), 1.6);
    for (int k = 0; k < 4; ++k) {
      const double x = 100 + k * 3.8;
      cairo_new_path(cr);
      cairo_move_to(cr, x - 1.7, 44.6 - k * 0.2);
      cairo_line_to(cr, x, 48 - k * 0.2);
      cairo_line_to(cr, x + 1.7, 44.4 - k * 0.2);
      cairo_close_path(cr);
      fillInk(cr, pal::white, 0.9);
      cairo_new_path(cr);
      const double yb = 47 + jawDrop * (0.6 + k * 0.2);
      cairo_move_to(cr, x - 1.5, yb + 0.3);
      cairo_line_to(cr, x, yb - 3);
      cairo_line_to(cr, x + 1.5, yb + 0.3);
      cairo_close_path(cr);
      fillInk(cr, pal::white, 0.9);
    }
  } else {  // a closed, toothy grin
    cairo_new_path(cr);
    cairo_move_to(cr, 98, 45.5);
    cairo_curve_to(cr, 104, 47, 110, 46, 114, 43);
    strokeLine(cr, pal::ink, 1.8);
    for (int k = 0; k < 3; ++k) {
      cairo_new_path(cr);
      const double x = 102 + k * 4;
      cairo_move_to(cr, x - 1.4, 46.2 - k * 0.5);
      cairo_line_to(cr, x, 49 - k * 0.6);
      cairo_line_to(cr, x + 1.4, 45.8 - k * 0.5);
      fillInk(cr, pal::white, 0.9);
    }
  }

  // gills
  for (int k = 0; k < 3; ++k) {
    cairo_new_path(cr);
    cairo_arc(cr, 72 + k * 5, 37, 7, -0.6, 0.6);
    strokeLine(cr, withAlpha(pal::ink, 0.55), 1.3);
  }
  // cheek blush
  cairo_new_path(cr);
  ellipsePath(cr, 100, 38, 4.5, 2.4);
  setColour(cr, pal::blush);
  cairo_fill(cr);

  // eye
  const double ex = 101, ey = 28;
  if (p.dizzy) {
    cairo_new_path(cr);
    for (int k = 0; k < 40; ++k) {
      const double a = k * 0.42, rr = 0.4 + k * 0.12;
      const double x = ex + std::cos(a) * rr, y = ey + std::sin(a) * rr;
      k == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
    }
    strokeLine(cr, pal::ink, 1.3);
  } else {
    cairo_new_path(cr);
    ellipsePath(cr, ex, ey, 4.8, 5.4);
    fillInk(cr, pal::white, 1.6);
    cairo_new_path(cr);
    ellipsePath(cr, ex + 1.2, ey + 0.5, 2.8, 3.6);
    setColour(cr, pal::ink);
    cairo_fill(cr);
    cairo_new_path(cr);
    circlePath(cr, ex + 0.4, ey - 1.2, 1.1);
    setColour(cr, pal::white);
    cairo_fill(cr);
    if (p.angry) {
      cairo_new_path(cr);
      cairo_move_to(cr, ex - 6, ey - 9);
      cairo_line_to(cr, ex + 6, ey - 4);
      strokeLine(cr, pal::ink, 2.4);
    }
  }
  cairo_restore(cr);
}

void bubble(cairo_t* cr, double x, double y, double r, double alpha) {
  cairo_new_path(cr);
  circlePath(cr, x, y, r);
  setColour(cr, withAlpha(hex(0xdff1ff), alpha * 0.6));
  cairo_fill_preserve(cr);
  strokeLine(cr, withAlpha(hex(0x6f9fd0), alpha), 1.1);
  cairo_new_path(cr);
  circlePath(cr, x - r * 0.35, y - r * 0.35, r * 0.3);
  setColour(cr, withAlpha(pal::white, alpha));
  cairo_fill(cr);
}

void drawSharkPictures(Pictures& out) {
  const char* names[8] = {"sharkMove1.png", "sharkMove2.png", "sharkMove3.png", "sharkMove4.png",
                          "sharkMove5.png", "sharkMove7.png", "sharkMove8.png", "sharkMove9.png"};
  for (int i = 0; i < 8; ++i) {
    Canvas& c = newPicture(out, names[i]);
    const double ph = i * 2 * kPi / 8;
    for (int k = 0; k < 3; ++k) {  // bubbles trailing behind, rising
      const double age = std::fmod(i / 8.0 + k / 3.0, 1.0);
      bubble(c.cr(), 12 - age * 6 + k * 3, 54 - age * 36, 2.4 + age * 2.2, 1 - age * 0.5);
    }
    SharkPose p;
    p.tail = 0.45 * std::sin(ph);
    p.ripple = 2.2 * std::sin(ph - 0.8);
    p.tilt = 0.025 * std::sin(ph + 1.0);
    drawShark(c.cr(), p);
  }
  {
    Canvas& c = newPicture(out, "sharkAtk.png");
    SharkPose p;
    p.jaw = 1;
    p.tail = -0.25;
    p.tilt = 0.05;
    p.angry = true;
    for (int k = 0; k < 3; ++k) {  // speed streaks
      cairo_new_path(c.cr());
      cairo_move_to(c.cr(), 2 + k * 3, 24 + k * 12);
      cairo_line_to(c.cr(), 14 + k * 3, 24 + k * 12);
      strokeLine(c.cr(), withAlpha(pal::inkSoft, 0.6), 1.6);
    }
    drawShark(c.cr(), p);
  }
  {
    Canvas& c = newPicture(out, "sharkHitted.png");
    SharkPose p;
    p.pale = 1;
    p.dizzy = true;
    p.tail = 0.3;
    p.tilt = -0.12;
    drawShark(c.cr(), p);
    const double xs[3] = {84, 98, 112}, ys[3] = {10, 5, 11};
    for (int k = 0; k < 3; ++k) {
      cairo_new_path(c.cr());
      starPath(c.cr(), xs[k], ys[k], 5, 4.5, 2, -kPi / 2 + k * 0.4);
      fillInk(c.cr(), hex(0xffe48a), 1.1);
    }
  }
}

const RegisterArt registered(drawSharkPictures);

}  // namespace

}  // namespace assetgen
