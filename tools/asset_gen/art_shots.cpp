// Shots: the player's glowing star orb and the enemy's water drop at twelve headings.
#include <cmath>

#include "tools/asset_gen/art.h"
#include "tools/asset_gen/catalogue.h"

namespace assetgen {

namespace {

// A water drop pointing along +x, centred on the origin, within the 28 x 14 box.
void waterDrop(cairo_t* cr) {
  const double a = 12.5, b = 5.6, fx = a - b;
  cairo_new_path(cr);
  cairo_move_to(cr, -a, 0);
  cairo_curve_to(cr, -a * 0.35, -b * 1.05, fx - 2, -b, fx, -b);
  cairo_arc(cr, fx, 0, b, -kPi / 2, kPi / 2);
  cairo_curve_to(cr, fx - 2, b, -a * 0.35, b * 1.05, -a, 0);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, -b, 0, b);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.72, 0.91, 1.0);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.35, 0.63, 0.90);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  strokeLine(cr, hex(0x3d5a8a), 1.4);
  cairo_new_path(cr);
  ellipsePath(cr, fx + 1, -2.2, 2.6, 1.3);
  setColour(cr, withAlpha(pal::white, 0.95));
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, -6, -1.5);
  cairo_line_to(cr, 1, -2.8);
  strokeLine(cr, withAlpha(pal::white, 0.7), 1.1);
}

void drawShotPictures(Pictures& out) {
  Canvas& shot = newPicture(out, "plrBullet.png");
  cairo_t* cr = shot.cr();
  glow(cr, 9, 9, 9, hex(0xffc94d, 1.0));
  cairo_new_path(cr);
  starPath(cr, 9, 9.4, 5, 6.6, 3.0, -kPi / 2);
  setColour(cr, hex(0xfff0b0));
  cairo_fill_preserve(cr);
  strokeLine(cr, hex(0xd9782b), 1.5);
  cairo_new_path(cr);
  circlePath(cr, 8.2, 8.4, 1.6);
  setColour(cr, pal::white);
  cairo_fill(cr);

  for (int deg : bulletHeadings()) {
    Canvas& c = newPicture(out, bulletFileName(deg));
    cairo_t* b = c.cr();
    cairo_translate(b, c.width() / 2.0, c.height() / 2.0);
    cairo_rotate(b, deg * kPi / 180.0);
    waterDrop(b);
  }
}

const RegisterArt registered(drawShotPictures);

}  // namespace

}  // namespace assetgen
