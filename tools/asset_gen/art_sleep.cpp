// The sleeping figure under the status strip: the pillow creature tucked in on a cloud,
// breathing, with z's drifting up from it and a small moon.
#include <cmath>
#include <string>

#include "tools/asset_gen/art.h"
#include "tools/asset_gen/catalogue.h"

namespace assetgen {

namespace {

void cloudBed(cairo_t* cr) {
  const double lobes[][3] = {{62, 134, 24},  {96, 124, 28},  {140, 120, 30}, {184, 122, 29},
                             {224, 128, 27}, {252, 140, 17}, {46, 144, 14},  {150, 140, 22},
                             {104, 142, 16}, {200, 142, 16}};
  for (int pass = 0; pass < 2; ++pass) {
    cairo_new_path(cr);
    for (auto& l : lobes) circlePath(cr, l[0], l[1], l[2] + (pass == 0 ? 2 : 0));
    if (pass == 0) {
      setColour(cr, pal::ink);
      cairo_fill(cr);
    } else {
      cairo_pattern_t* g = cairo_pattern_create_linear(0, 92, 0, 160);
      cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
      cairo_pattern_add_color_stop_rgb(g, 1, 0.88, 0.85, 0.96);
      cairo_set_source(cr, g);
      cairo_fill(cr);
      cairo_pattern_destroy(g);
    }
  }
}

// A letter z drawn as a thick pastel stroke with an ink rim.
void letterZ(cairo_t* cr, double x, double y, double s, double alpha) {
  cairo_new_path(cr);
  cairo_move_to(cr, x - s, y - s);
  cairo_line_to(cr, x + s, y - s);
  cairo_line_to(cr, x - s, y + s);
  cairo_line_to(cr, x + s, y + s);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  setColour(cr, withAlpha(pal::ink, alpha));
  cairo_set_line_width(cr, s * 0.55 + 2.4);
  cairo_stroke_preserve(cr);
  setColour(cr, withAlpha(hex(0xb9d4f7), alpha));
  cairo_set_line_width(cr, s * 0.55);
  cairo_stroke(cr);
}

// A crescent: a disc with an offset disc cut away, its cut edge inked too. Drawn in a group
// so that the cut removes only the moon's own pixels.
void moon(cairo_t* cr, double x, double y, double r) {
  const double ix = x + r * 0.45, iy = y - r * 0.25, ir = r * 0.85;
  cairo_push_group(cr);
  cairo_new_path(cr);
  circlePath(cr, x, y, r + 0.9);
  setColour(cr, pal::ink);
  cairo_fill(cr);
  cairo_new_path(cr);
  circlePath(cr, x, y, r - 0.9);
  fillShaded(cr, hex(0xfbe7a0), x - r * 0.5, y, r * 1.3);
  cairo_new_path(cr);
  cairo_save(cr);
  circlePath(cr, x, y, r + 0.9);
  cairo_clip(cr);
  cairo_new_path(cr);
  circlePath(cr, ix, iy, ir);
  strokeLine(cr, pal::ink, 1.8);
  cairo_restore(cr);
  cairo_new_path(cr);
  circlePath(cr, ix, iy, ir - 0.9);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
}

void blanket(cairo_t* cr, double breath) {
  cairo_new_path(cr);
  cairo_move_to(cr, 88, 108 - breath);
  cairo_curve_to(cr, 110, 100 - breath, 130, 112 - breath, 150, 104 - breath);
  cairo_curve_to(cr, 172, 96 - breath, 192, 110 - breath, 214, 102 - breath);
  cairo_line_to(cr, 222, 132);
  cairo_curve_to(cr, 180, 138, 120, 138, 80, 132);
  cairo_close_path(cr);
  fillShaded(cr, hex(0xa9c9f2), 120, 104, 120, 0.4);
  strokeLine(cr, pal::ink, 2.2);
  const double stars[][2] = {{110, 118}, {150, 122}, {190, 114}, {130, 128}, {176, 128}};
  for (auto& s : stars) twinkle(cr, s[0], s[1], 3.6, withAlpha(pal::white, 0.9));
}

void sleeper(cairo_t* cr, double breath, int frame) {
  const double cx = 150, cy = 88;
  cairo_save(cr);
  cairo_translate(cr, cx, cy + 30);
  cairo_scale(cr, 1.0 + 0.01 * breath, 1.0 + 0.03 * breath);
  cairo_translate(cr, -cx, -cy - 30);
  cairo_new_path(cr);
  pillowPath(cr, cx, cy, 120, 62, 4);
  fillShaded(cr, hex(0xf4d6ee), cx - 25, cy - 14, 80, 0.6);
  strokeLine(cr, pal::ink, 2.4);
  // closed eyes, blush and a small sleeping mouth
  for (int k = -1; k <= 1; k += 2) {
    cairo_new_path(cr);
    cairo_arc(cr, cx + k * 16, cy - 4, 5.5, 0.25, kPi - 0.25);
    strokeLine(cr, pal::ink, 2.2);
    cairo_new_path(cr);
    ellipsePath(cr, cx + k * 25, cy + 6, 6.5, 3.5);
    setColour(cr, pal::blush);
    cairo_fill(cr);
  }
  cairo_new_path(cr);
  ellipsePath(cr, cx, cy + 9, 2.6 + 0.6 * breath, 2.4 + 0.9 * breath);
  fillInk(cr, hex(0xc9607e), 1.6);
  cairo_save(cr);
  cairo_translate(cr, cx, cy - 31);
  cairo_scale(cr, 1.6, 1.6);
  nightcap(cr, 0, 0, 70, 2 + (frame % 2));
  cairo_restore(cr);
  cairo_restore(cr);
}

void drawSleepPictures(Pictures& out) {
  for (int i = 0; i < 4; ++i) {
    Canvas& c = newPicture(out, "sleep" + std::to_string(i + 1) + ".png");
    cairo_t* cr = c.cr();
    const double breath = std::sin(i * 2 * kPi / 4);
    moon(cr, 262, 34, 17);
    const double tw = (i % 2) ? 6 : 4;
    twinkle(cr, 232, 18, tw, hex(0xffd970));
    twinkle(cr, 284, 66, 10 - tw, hex(0xffd970));
    cloudBed(cr);
    sleeper(cr, breath, i);
    blanket(cr, breath);
    for (int k = 0; k < 3; ++k) {  // z's drifting up and to the left, fading in and out
      const double t = std::fmod(i / 4.0 + k / 3.0, 1.0);
      const double alpha = std::sin(kPi * (0.15 + 0.85 * t));
      letterZ(cr, 96 - t * 62, 62 - t * 42, 5 + t * 7, std::max(0.25, alpha));
    }
  }
}

const RegisterArt registered(drawSleepPictures);

}  // namespace

}  // namespace assetgen
