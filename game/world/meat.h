// The meat on the field as the animation step sees it: its four pictures stepped by the
// clock.
#pragma once

// Steps every piece's picture (more than 120 ms since its stamp; after the fourth it starts
// over) and records each piece's picture index in shownPictures.meatFrames, in list order.
void stepMeatFrames();
