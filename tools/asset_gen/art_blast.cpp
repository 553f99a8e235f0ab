// The blast: a soft fireball that swells, then cools into pastel smoke and fades, on one
// canvas size for all 27 frames. Frame 1 is the fully grown fireball.
#include <cmath>
#include <string>
#include <vector>

#include "tools/asset_gen/art.h"
#include "tools/asset_gen/catalogue.h"

namespace assetgen {

namespace {

struct Puff {
  double angle, dist, r, rise;
};

std::vector<Puff> puffs() {
  Rng rng(0xB1A57);
  std::vector<Puff> out;
  for (int i = 0; i < 13; ++i) {
    Puff p;
    p.angle = i * 2 * kPi / 13 + rng.uniform(-0.2, 0.2);
    p.dist = rng.uniform(0.45, 0.68);
    p.r = rng.uniform(0.30, 0.42);
    p.rise = rng.uniform(0.5, 1.0);
    out.push_back(p);
  }
  return out;
}

// grow: 0..1 size of the fireball; heat: 1 white-hot .. 0 smoke; fade: 1 solid .. 0 gone;
// drift: how far the smoke has spread and risen.
void drawBlast(cairo_t* cr, double grow, double heat, double fade, double drift) {
  const double cx = kBlastSide / 2.0, cy = kBlastSide / 2.0 + 4;
  const double R = 96 * grow;
  if (R < 1 || fade <= 0) return;
  const std::vector<Puff> ps = puffs();
  const Rgba hot = hex(0xfff3b8), warm = hex(0xffa86b), smoke = hex(0xcbbfd9);
  const Rgba outer = heat > 0.5 ? mix(warm, hex(0xff8a8a), (1 - heat) * 2)
                                : mix(hex(0xff8a8a), smoke, 1 - heat * 2);
  const Rgba inner = mix(outer, hot, heat);
  const Rgba rim = mix(hex(0xd9604f), pal::inkSoft, 1 - heat);

  auto lobes = [&](double extra) {
    cairo_new_path(cr);
    for (const Puff& p : ps) {
      const double d = R * p.dist * (1 + 0.25 * drift);
      const double x = cx + std::cos(p.angle) * d;
      const double y = cy + std::sin(p.angle) * d - drift * 18 * p.rise;
      circlePath(cr, x, y, R * p.r * (1 + 0.15 * drift) + extra);
    }
    circlePath(cr, cx, cy - drift * 10, R * 0.62 + extra);
  };

  cairo_push_group(cr);
  lobes(2.2);
  setColour(cr, rim);
  cairo_fill(cr);
  lobes(0);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy - 6, 0, cx, cy, R * 1.05);
  cairo_pattern_add_color_stop_rgb(g, 0, inner.r, inner.g, inner.b);
  cairo_pattern_add_color_stop_rgb(g, 0.45, mix(inner, outer, 0.4).r, mix(inner, outer, 0.4).g,
                                   mix(inner, outer, 0.4).b);
  cairo_pattern_add_color_stop_rgb(g, 1, outer.r, outer.g, outer.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // bright core while hot
  if (heat > 0.3) glow(cr, cx, cy - 4, R * 0.55, withAlpha(hex(0xffffff), (heat - 0.3) * 1.2));
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, fade);

  // a thin shock ring that runs out early and fades
  if (drift > 0 && drift < 0.6) {
    cairo_new_path(cr);
    circlePath(cr, cx, cy, std::min(104.0, R * (0.9 + drift * 0.5)));
    strokeLine(cr, withAlpha(hex(0xffd9a0), (0.6 - drift) * 1.2), 3);
  }
}

void drawBlastPictures(Pictures& out) {
  for (int i = 1; i <= 27; ++i) {
    Canvas& c = newPicture(out, "blast" + std::to_string(i) + ".png");
    if (i == 1) {
      drawBlast(c.cr(), 1, 0.9, 1, 0);
      continue;
    }
    // frames 2..27 are shown: a quick swell, then cooling, spreading and fading
    const double s = (i - 2) / 25.0;
    const double grow = 0.3 + 0.7 * smoothstep(0, 0.28, s);
    const double heat = 1 - smoothstep(0.1, 0.75, s);
    const double fade = 0.08 + 0.92 * (1 - smoothstep(0.55, 1.0, s));  // a last wisp stays
    const double drift = smoothstep(0.2, 1.0, s);
    drawBlast(c.cr(), grow, heat, fade, drift);
  }
}

const RegisterArt registered(drawBlastPictures);

}  // namespace

}  // namespace assetgen
