// The crosshair that marks a pad's aim point: a ring with four ticks and a dot, in the
// outline ink over a white halo so that it reads on every part of the field.
#include "tools/asset_gen/art.h"
#include "tools/asset_gen/catalogue.h"

namespace assetgen {

namespace {

void crossLines(cairo_t* cr, double c) {
  cairo_new_path(cr);
  circlePath(cr, c, c, 9);
  const double ticks[4][4] = {{c, 1, c, 8}, {c, 2 * c - 1, c, 2 * c - 8}, {1, c, 8, c}, {2 * c - 1, c, 2 * c - 8, c}};
  for (const auto& t : ticks) {
    cairo_move_to(cr, t[0], t[1]);
    cairo_line_to(cr, t[2], t[3]);
  }
}

void drawCrosshair(Pictures& out) {
  Canvas& picture = newPicture(out, "crosshair.png");
  cairo_t* cr = picture.cr();
  const double c = kCrosshairSide / 2.0;
  crossLines(cr, c);
  strokeLine(cr, withAlpha(pal::white, 0.9), 4.5);
  crossLines(cr, c);
  strokeLine(cr, pal::ink, 2.0);
  cairo_new_path(cr);
  circlePath(cr, c, c, 2);
  setColour(cr, pal::ink);
  cairo_fill(cr);
}

const RegisterArt registered(drawCrosshair);

}  // namespace

}  // namespace assetgen
