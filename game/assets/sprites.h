// Sprite compositing onto the working image: clip to the target, then blend each pixel by
// its alpha byte (two truncated quotients per channel; the destination alpha becomes 0).
#pragma once

class IMAGE;

// Blends the part of the image that lies inside the target, top-left at (x, y).
void drawSprite(int x, int y, const IMAGE& image);

// Blends the whole image at (x, y); the caller guarantees it lies inside the target.
void blendSprite(int x, int y, const IMAGE& image);

// Draws the left-right mirror image (mirrored about its own centre before clipping).
void drawSpriteMirrored(int x, int y, const IMAGE& image);
