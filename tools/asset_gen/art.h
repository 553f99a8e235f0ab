// The picture families of the game and the drawing parts they share. Each art file draws
// one family and registers it here. Players are stored facing left, monsters facing right.
#pragma once

#include <cairo.h>

#include <vector>

#include "tools/asset_gen/canvas.h"

namespace assetgen {

// A family's drawing: every picture of the family into the list, on canvases of the
// catalogue's sizes. Each art file registers its own, once, with a namespace-scope
//   const RegisterArt registered(drawKingPictures);
// and the generator draws every registered family.
using DrawFamily = void (*)(Pictures& out);
struct RegisterArt {
  explicit RegisterArt(DrawFamily draw);
};

// The registered families, in the order their files were initialised. Every picture is
// drawn from its own state only, so the order changes no pixel.
const std::vector<DrawFamily>& artFamilies();

// A drumstick centred at (cx, cy), bone to the left, turned by angle; bites 1..2 nibble
// the meat away, 3 leaves only the bone.
void drawDrumstick(cairo_t* cr, double cx, double cy, double scale, double angle, int bites);

// The player standing, eyes open, in its 64 x 84 sprite box facing left: the icon's figure.
void drawPlayerPortrait(cairo_t* cr);

// The game's icon on a size x size canvas, any cairo surface (the PNG and the SVG).
void drawIcon(cairo_t* cr, double size);

// Parts of the pillow creature shared by the player and the sleeping figure.
// pillowPath adds the outline of a pillow centred at (cx, cy); bow is how far its edges
// curve inward. nightcap draws the cap on a body of width w whose top edge is at top.
void pillowPath(cairo_t* cr, double cx, double cy, double w, double h, double bow);
void nightcap(cairo_t* cr, double cx, double top, double w, double swing);

}  // namespace assetgen
