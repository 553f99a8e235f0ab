// Meat on the field, the drumstick shared with the eating player, and the plain background.
#include <cmath>
#include <string>

#include "tools/asset_gen/art.h"
#include "tools/asset_gen/catalogue.h"

namespace assetgen {

namespace {

const Rgba kMeat = hex(0xdc8d62);
const Rgba kBone = hex(0xfff6e8);

void bone(cairo_t* cr) {
  cairo_new_path(cr);
  roundRectPath(cr, -17, -2.8, 16, 5.6, 2.6);
  circlePath(cr, -17.5, -3.4, 3.6);
  circlePath(cr, -17.5, 3.4, 3.6);
  setColour(cr, pal::ink);
  cairo_set_line_width(cr, 3.2);
  cairo_stroke_preserve(cr);
  setColour(cr, kBone);
  cairo_fill(cr);
}

void steam(cairo_t* cr, double x, double y, double alpha) {
  cairo_new_path(cr);
  cairo_move_to(cr, x, y + 8);
  cairo_curve_to(cr, x - 3, y + 5, x + 3, y + 3, x, y);
  strokeLine(cr, withAlpha(pal::inkSoft, alpha), 1.4);
}

}  // namespace

void drawDrumstick(cairo_t* cr, double cx, double cy, double scale, double angle, int bites) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, scale, scale);
  cairo_rotate(cr, angle);
  bone(cr);
  if (bites < 3) {
    cairo_save(cr);
    if (bites > 0) {  // clip away round bites from the far end of the meat
      cairo_new_path(cr);
      cairo_rectangle(cr, -40, -40, 80, 80);
      circlePath(cr, 20, -6, 6.5);
      if (bites > 1) circlePath(cr, 19, 5, 6.5);
      cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
      cairo_clip(cr);
      cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, -4, -5);
    cairo_curve_to(cr, 0, -13, 19, -13, 19, 0);
    cairo_curve_to(cr, 19, 12, 0, 13, -4, 5);
    cairo_curve_to(cr, -6, 2, -6, -2, -4, -5);
    cairo_close_path(cr);
    fillShaded(cr, kMeat, 5, -6, 16, 0.35);
    strokeLine(cr, pal::ink, kOutline / scale * 0.9);
    cairo_new_path(cr);
    cairo_arc(cr, 8, -1, 7, -kPi * 0.85, -kPi * 0.45);
    strokeLine(cr, withAlpha(pal::white, 0.85), 2.2);
    cairo_restore(cr);
  } else {  // only a nibbled remnant is left
    cairo_new_path(cr);
    ellipsePath(cr, 1, 0, 4.5, 5);
    fillInk(cr, kMeat, 1.6);
  }
  cairo_restore(cr);
}

namespace {

void drawItemPictures(Pictures& out) {
  const double wobble[4] = {-0.06, 0.02, 0.08, 0.0};
  const double lift[4] = {0, -0.5, 0, 0.5};
  for (int i = 0; i < 4; ++i) {
    Canvas& c = newPicture(out, "meat" + std::to_string(i + 1) + ".png");
    cairo_t* cr = c.cr();
    groundShadow(cr, 25, 33, 20, 2.6, 0.55);
    drawDrumstick(cr, 24, 22 + lift[i], 1.0, wobble[i], 0);
    for (int k = 0; k < 3; ++k) {  // steam rising and fading in turn
      const double age = std::fmod(i / 4.0 + k / 3.0, 1.0);
      steam(cr, 26 + k * 7, 7 - age * 6, 0.8 * (1 - age));
    }
  }

  Canvas& bg = newPicture(out, "white.png");
  cairo_set_source_rgb(bg.cr(), 1, 1, 1);
  cairo_paint(bg.cr());
}

const RegisterArt registered(drawItemPictures);

}  // namespace

}  // namespace assetgen
