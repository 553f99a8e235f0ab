// The black cloud: a grey-violet storm cloud stored facing right. Attacking it puffs up,
// spits water and rains; hurt it flinches, paler.
#include <cmath>
#include <string>

#include "tools/asset_gen/art.h"
#include "tools/asset_gen/catalogue.h"

namespace assetgen {

namespace {

struct CloudPose {
  double puff = 0;     // 0..1 swelling while attacking
  double squash = 0;   // 0..1 flinch when hurt
  double pale = 0;
  double mouth = 0;    // 0 frown .. 1 wide open
  double spit = 0;     // 0..1 progress of the spat drops
  bool hurt = false;
};

struct Lobe {
  double x, y, r;
};

const Lobe kLobes[] = {{30, 54, 21}, {50, 36, 24}, {78, 29, 26}, {104, 40, 22},
                       {118, 58, 17}, {88, 62, 22}, {58, 63, 22}, {24, 66, 13}};

void lobesPath(cairo_t* cr, const CloudPose& p, double grow) {
  cairo_new_path(cr);
  for (const Lobe& l : kLobes) {
    const double sx = 1 + 0.04 * p.puff - 0.02 * p.squash;
    const double x = 70 + (l.x - 70) * sx;
    const double y = 48 + (l.y - 48) * (1 - 0.1 * p.squash) + 3 * p.squash;
    circlePath(cr, x, y, l.r * (1 + 0.05 * p.puff) + grow);
  }
}

// A water drop, tail up; angle turns it about its centre.
void drop(cairo_t* cr, double x, double y, double s, double alpha, double angle = 0) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_translate(cr, -x, -y);
  cairo_new_path(cr);
  cairo_move_to(cr, x, y - 4 * s);
  cairo_curve_to(cr, x + 2.8 * s, y, x + 2.8 * s, y + 3 * s, x, y + 3 * s);
  cairo_curve_to(cr, x - 2.8 * s, y + 3 * s, x - 2.8 * s, y, x, y - 4 * s);
  cairo_close_path(cr);
  setColour(cr, withAlpha(hex(0x93d1f5), alpha));
  cairo_fill_preserve(cr);
  strokeLine(cr, withAlpha(hex(0x3d5a8a), alpha), 1.1);
  cairo_restore(cr);
}

// The cloud keeps the lower part of its canvas free for the rain it drops.
void drawCloud(cairo_t* cr, const CloudPose& p) {
  cairo_save(cr);
  cairo_translate(cr, 70, 2);
  cairo_scale(cr, 0.95, 0.84);
  cairo_translate(cr, -70, -2);
  const Rgba base = mix(hex(0x7a6f96), hex(0xd8d2e6), p.pale);
  // outline: the lobes grown by the line width, then the fill on top hides inner seams
  lobesPath(cr, p, 2);
  setColour(cr, pal::ink);
  cairo_fill(cr);
  lobesPath(cr, p, 0);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 8, 0, 86);
  const Rgba top = lighter(base, 0.35), bottom = darker(base, 0.35);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 0.55, base.r, base.g, base.b);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // soft highlights on the upper lobes
  cairo_new_path(cr);
  cairo_arc(cr, 50, 38, 15, -kPi * 0.9, -kPi * 0.4);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 78, 31, 17, -kPi * 0.85, -kPi * 0.45);
  strokeLine(cr, withAlpha(pal::white, 0.45), 2.6);

  // face on the right-hand side
  const double fy = 48 + 2 * p.squash;
  const double exs[2] = {86, 104};
  for (int k = 0; k < 2; ++k) {
    const double ex = exs[k];
    cairo_new_path(cr);
    if (p.hurt) {  // squeezed shut
      const double s = k == 0 ? 1 : -1;
      cairo_move_to(cr, ex - 3.5 * s, fy - 4);
      cairo_line_to(cr, ex + 3.5 * s, fy);
      cairo_line_to(cr, ex - 3.5 * s, fy + 4);
      strokeLine(cr, pal::ink, 2.2);
    } else {
      ellipsePath(cr, ex, fy, 4.6, 4.2);
      fillInk(cr, hex(0xfff8d6), 1.5);
      cairo_new_path(cr);
      circlePath(cr, ex + 1.2, fy + 0.6, 2.3);
      setColour(cr, pal::ink);
      cairo_fill(cr);
      cairo_new_path(cr);  // angry brows slanting down toward the middle
      const double s = k == 0 ? 1 : -1;
      cairo_move_to(cr, ex - 6 * s, fy - 8);
      cairo_line_to(cr, ex + 4 * s, fy - 4.5);
      strokeLine(cr, pal::ink, 2.4);
    }
  }
  const double mx = 97, my = fy + 12;
  cairo_new_path(cr);
  if (p.mouth > 0) {
    ellipsePath(cr, mx + 3 * p.mouth, my + 1, 4 + 3.5 * p.mouth, 2.5 + 4 * p.mouth);
    fillInk(cr, hex(0x3c3352), 1.6);
  } else if (p.hurt) {
    cairo_move_to(cr, mx - 6, my + 1);
    cairo_curve_to(cr, mx - 3, my - 3, mx - 1, my + 4, mx + 2, my);
    cairo_curve_to(cr, mx + 4, my - 3, mx + 5, my + 2, mx + 7, my);
    strokeLine(cr, pal::ink, 1.8);
  } else {
    cairo_move_to(cr, mx - 6, my + 2);
    cairo_curve_to(cr, mx - 2, my - 2.5, mx + 2, my - 2.5, mx + 6, my + 2);
    strokeLine(cr, pal::ink, 2.0);
  }
  // water spat forward out of the open mouth
  for (int k = 0; k < 3 && p.mouth > 0; ++k) {
    const double t = std::fmod(p.spit + k / 3.0, 1.0);
    drop(cr, 114 + t * 22, my + 1 - 5 * std::sin(t * kPi), 1.15 - 0.2 * t, 1 - 0.4 * t, -kPi / 2);
  }
  cairo_restore(cr);
}

void bolt(cairo_t* cr, double x, double y) {
  cairo_new_path(cr);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x - 5, y + 9);
  cairo_line_to(cr, x - 1, y + 9);
  cairo_line_to(cr, x - 4, y + 18);
  cairo_line_to(cr, x + 5, y + 6);
  cairo_line_to(cr, x + 1, y + 6);
  cairo_line_to(cr, x + 4, y);
  cairo_close_path(cr);
  fillInk(cr, hex(0xffe27a), 1.4);
}

void drawCloudPictures(Pictures& out) {
  {
    Canvas& c = newPicture(out, "black cloud0.png");
    drawCloud(c.cr(), CloudPose{});
  }
  {
    Canvas& c = newPicture(out, "bcHitted.png");
    CloudPose p;
    p.squash = 1;
    p.pale = 0.45;
    p.hurt = true;
    drawCloud(c.cr(), p);
    twinkle(c.cr(), 20, 22, 6, hex(0xffe48a));
    twinkle(c.cr(), 122, 18, 5, hex(0xffe48a));
    twinkle(c.cr(), 132, 36, 3.5, hex(0xffe48a));
  }
  const double puffs[5] = {0.4, 0.9, 1.0, 0.8, 0.5};
  const double mouths[5] = {0.3, 1.0, 0.8, 1.0, 0.5};
  for (int i = 0; i < 5; ++i) {
    Canvas& c = newPicture(out, "bcatk" + std::to_string(i + 1) + ".png");
    cairo_t* cr = c.cr();
    // rain falling from the belly, moving down frame to frame
    for (int k = 0; k < 6; ++k) {
      const double x = 30 + k * 14;
      const double y = 68 + std::fmod(i * 4.0 + k * 7.0, 16.0);
      drop(cr, x, y, 1.0, 0.95);
    }
    if (i == 2) bolt(cr, 50, 66);
    CloudPose p;
    p.puff = puffs[i];
    p.mouth = mouths[i];
    p.spit = i / 5.0;
    drawCloud(cr, p);
  }
}

const RegisterArt registered(drawCloudPictures);

}  // namespace

}  // namespace assetgen
