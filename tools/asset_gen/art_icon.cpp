// The game's icon: the pillow creature on a round-cornered tile of dream sky with a few
// stars, drawn with the sprites' own helpers and vector steps only, so that one drawing
// makes both the 256 x 256 PNG and the SVG.
#include "tools/asset_gen/art.h"

namespace assetgen {

void drawIcon(cairo_t* cr, double size) {
  cairo_save(cr);
  cairo_scale(cr, size / 256, size / 256);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);

  cairo_new_path(cr);
  roundRectPath(cr, 10, 10, 236, 236, 46);
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 10, 0, 246);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.36, 0.40, 0.78);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.80, 0.70, 0.93);
  cairo_set_source(cr, sky);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(sky);
  strokeLine(cr, pal::ink, 5);

  glow(cr, 128, 120, 100, withAlpha(pal::white, 0.35));
  twinkle(cr, 54, 56, 9, pal::white);
  twinkle(cr, 198, 44, 6, withAlpha(pal::white, 0.9));
  twinkle(cr, 214, 104, 5, withAlpha(pal::white, 0.8));
  twinkle(cr, 40, 132, 5, withAlpha(pal::white, 0.8));

  groundShadow(cr, 128, 224, 60, 9, 0.6);
  // The 64 x 84 sprite box, 2.5 times larger, its feet on the shadow.
  cairo_translate(cr, 128 - 32 * 2.5, 226 - 84 * 2.5);
  cairo_scale(cr, 2.5, 2.5);
  drawPlayerPortrait(cr);
  cairo_restore(cr);
}

}  // namespace assetgen
