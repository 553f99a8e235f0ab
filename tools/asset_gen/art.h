// The picture families of the game. Each function draws every picture of its family into
// the list, on canvases of the catalogue's sizes. Players are stored facing left, monsters
// facing right.
#pragma once

#include <cairo.h>

#include "tools/asset_gen/canvas.h"

namespace assetgen {

void drawPlayerPictures(Pictures& out);  // nor, die, att, run, shoot, defend, eat
void drawSleepPictures(Pictures& out);   // sleep1..4
void drawSharkPictures(Pictures& out);   // sharkMove, sharkAtk, sharkHitted
void drawCloudPictures(Pictures& out);   // black cloud0, bcatk, bcHitted
void drawShotPictures(Pictures& out);    // plrBullet and the twelve enemy bullets
void drawPlanePictures(Pictures& out);   // plane, boom
void drawBlastPictures(Pictures& out);   // blast1..27
void drawKingPictures(Pictures& out);    // king, kingatk
void drawItemPictures(Pictures& out);    // meat, white background

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
