// The plane: a chubby toy biplane with a grumpy face, stored facing right, and its bomb.
#include <cmath>

#include "tools/asset_gen/art.h"
#include "tools/asset_gen/catalogue.h"

namespace assetgen {

namespace {

const Rgba kHull = hex(0xf7b4c8);
const Rgba kWing = hex(0xa9e2cb);
const Rgba kTrim = hex(0xfff3c9);

void drawPlane(cairo_t* cr) {
  groundShadow(cr, 76, 77, 46, 2.6, 0.45);
  // lower wing's far half and the wheel
  cairo_new_path(cr);
  cairo_move_to(cr, 88, 60);
  cairo_line_to(cr, 84, 69);
  strokeLine(cr, pal::ink, 2.4);
  cairo_new_path(cr);
  circlePath(cr, 84, 70, 5.5);
  fillInk(cr, hex(0x6e6585));
  cairo_new_path(cr);
  circlePath(cr, 84, 70, 2);
  setColour(cr, kTrim);
  cairo_fill(cr);

  // tail fin and stabiliser
  cairo_new_path(cr);
  cairo_move_to(cr, 30, 40);
  cairo_curve_to(cr, 22, 30, 14, 18, 12, 10);
  cairo_curve_to(cr, 20, 9, 28, 14, 44, 34);
  cairo_close_path(cr);
  fillShaded(cr, kWing, 18, 14, 20);
  strokeLine(cr, pal::ink, kOutline);

  // upper wing (behind the struts)
  cairo_new_path(cr);
  roundRectPath(cr, 56, 14, 56, 9, 4.5);
  fillShaded(cr, kWing, 70, 15, 40);
  strokeLine(cr, pal::ink, kOutline);
  cairo_new_path(cr);
  cairo_move_to(cr, 66, 22);
  cairo_line_to(cr, 66, 36);
  cairo_move_to(cr, 100, 22);
  cairo_line_to(cr, 100, 36);
  strokeLine(cr, pal::ink, 2.2);

  // fuselage
  cairo_new_path(cr);
  cairo_move_to(cr, 16, 42);
  cairo_curve_to(cr, 30, 30, 70, 27, 112, 30);
  cairo_curve_to(cr, 126, 31, 132, 38, 132, 46);
  cairo_curve_to(cr, 132, 55, 124, 60, 110, 61);
  cairo_curve_to(cr, 70, 63, 32, 58, 16, 48);
  cairo_close_path(cr);
  fillShaded(cr, kHull, 90, 34, 70, 0.5);
  strokeLine(cr, pal::ink, kOutline);
  // stripe and star decal
  cairo_new_path(cr);
  cairo_move_to(cr, 40, 40);
  cairo_line_to(cr, 40, 56);
  cairo_move_to(cr, 46, 38);
  cairo_line_to(cr, 46, 57);
  strokeLine(cr, withAlpha(kTrim, 0.95), 3);
  cairo_new_path(cr);
  starPath(cr, 60, 47, 5, 6, 2.6, -kPi / 2);
  fillInk(cr, kTrim, 1.3);

  // cockpit bubble with a sleepy little pilot light
  cairo_new_path(cr);
  cairo_arc(cr, 84, 31, 10, kPi, 2 * kPi);
  cairo_close_path(cr);
  cairo_pattern_t* glass = cairo_pattern_create_linear(76, 21, 92, 31);
  cairo_pattern_add_color_stop_rgba(glass, 0, 0.9, 0.97, 1, 1);
  cairo_pattern_add_color_stop_rgba(glass, 1, 0.6, 0.8, 0.95, 1);
  cairo_set_source(cr, glass);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(glass);
  strokeLine(cr, pal::ink, kOutline);
  cairo_new_path(cr);
  cairo_arc(cr, 82, 30, 6, -kPi * 0.85, -kPi * 0.55);
  strokeLine(cr, withAlpha(pal::white, 0.9), 1.8);

  // lower wing, in front
  cairo_new_path(cr);
  roundRectPath(cr, 52, 50, 58, 9, 4.5);
  fillShaded(cr, darker(kWing, 0.05), 66, 51, 40);
  strokeLine(cr, pal::ink, kOutline);

  // the grumpy face on the nose
  cairo_new_path(cr);
  ellipsePath(cr, 112, 42, 3.6, 4.2);
  setColour(cr, pal::ink);
  cairo_fill(cr);
  cairo_new_path(cr);
  circlePath(cr, 112.8, 40.6, 1.1);
  setColour(cr, pal::white);
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, 106, 34);
  cairo_line_to(cr, 117, 37);
  strokeLine(cr, pal::ink, 2.2);
  cairo_new_path(cr);
  cairo_move_to(cr, 114, 53);
  cairo_curve_to(cr, 118, 50, 122, 50, 126, 52);
  strokeLine(cr, pal::ink, 1.8);
  cairo_new_path(cr);
  ellipsePath(cr, 120, 47, 3.5, 2);
  setColour(cr, pal::blush);
  cairo_fill(cr);

  // propeller: hub, a blurred disc and two blades
  cairo_new_path(cr);
  ellipsePath(cr, 139, 45, 3.5, 27);
  setColour(cr, withAlpha(hex(0xe8e2f2), 0.55));
  cairo_fill_preserve(cr);
  strokeLine(cr, withAlpha(pal::inkSoft, 0.5), 1);
  cairo_new_path(cr);
  ellipsePath(cr, 139, 30, 2.6, 11);
  ellipsePath(cr, 139, 61, 2.2, 8);
  fillInk(cr, hex(0xc9b8e2), 1.3);
  cairo_new_path(cr);
  ellipsePath(cr, 134, 45, 5, 6);
  fillInk(cr, kTrim, 1.6);
}

void drawBomb(cairo_t* cr) {
  groundShadow(cr, 19, 37, 13, 2.4, 0.5);
  // fuse
  cairo_new_path(cr);
  cairo_move_to(cr, 27, 12);
  cairo_curve_to(cr, 30, 6, 34, 9, 33, 4);
  strokeLine(cr, hex(0x8a6a4a), 2);
  // cap
  cairo_save(cr);
  cairo_translate(cr, 26, 14);
  cairo_rotate(cr, 0.7);
  cairo_new_path(cr);
  roundRectPath(cr, -4, -3.5, 8, 7, 1.5);
  fillInk(cr, hex(0x9a93b8), 1.5);
  cairo_restore(cr);
  // body
  cairo_new_path(cr);
  circlePath(cr, 18, 24, 12.5);
  fillShaded(cr, hex(0x4c4470), 13, 19, 15, 0.35);
  strokeLine(cr, pal::ink, kOutline);
  cairo_new_path(cr);
  cairo_arc(cr, 18, 24, 8.5, -kPi * 0.95, -kPi * 0.6);
  strokeLine(cr, withAlpha(pal::white, 0.7), 2.2);
  // spark
  cairo_new_path(cr);
  starPath(cr, 33.5, 4.5, 6, 4.5, 1.8, 0);
  setColour(cr, hex(0xffb347));
  cairo_fill(cr);
  cairo_new_path(cr);
  starPath(cr, 33.5, 4.5, 6, 2.6, 1.1, 0.5);
  setColour(cr, hex(0xfff4b0));
  cairo_fill(cr);
}

void drawPlanePictures(Pictures& out) {
  drawPlane(newPicture(out, "plane.png").cr());
  drawBomb(newPicture(out, "boom.png").cr());
}

const RegisterArt registered(drawPlanePictures);

}  // namespace

}  // namespace assetgen
