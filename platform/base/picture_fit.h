// Where the game's frame goes in a window of another size, and back: the largest picture
// of the frame's shape that fits an area, centred; the window size that fits a desktop;
// and the frame position under a window position. Pure arithmetic, used by the window
// backend on the window thread.
#pragma once

namespace platform {

// A rectangle of window pixels: the top-left corner and the size.
struct PictureRect {
  int x;
  int y;
  int width;
  int height;
};

// The largest picture of exactly the frame's shape (1600 x 960 is 5:3) that fits in an
// area of areaWidth x areaHeight, centred in it: the frame's own size at (0, 0) when the
// area is the frame's size. At least one step of the shape (5 x 3) when the area is smaller.
// Called whenever the client area changes size.
PictureRect fitPicture(int frameWidth, int frameHeight, int areaWidth, int areaHeight);

// The client size of a window that shows the frame on a desktop whose usable area is
// usableWidth x usableHeight, when the window manager's frame adds borderWidth and
// borderHeight: the frame's own size when that fits, else the largest picture of its
// shape that does. Called once, before the window is first shown.
void fitWindow(int frameWidth, int frameHeight, int usableWidth, int usableHeight, int borderWidth, int borderHeight,
               int& clientWidth, int& clientHeight);

// The black bars of a client area of clientWidth x clientHeight around picture: the strips
// above and below it across the whole width, and those left and right of it. Writes the
// ones that are not empty into bars and returns their count (0 when the picture fills the
// client area). Called by every present.
int barsAround(const PictureRect& picture, int clientWidth, int clientHeight, PictureRect bars[4]);

// The frame position under window pixel (x, y) while the frame is shown as picture: the
// frame pixel that holds the centre of that window pixel. The identity when the picture
// is the frame at (0, 0); outside the picture the position lies outside the frame.
// Called for every cursor position the window records.
void windowToFrame(const PictureRect& picture, int frameWidth, int frameHeight, int x, int y, int& frameX, int& frameY);

}  // namespace platform
