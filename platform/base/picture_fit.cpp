// The frame's place in a window of another size (see picture_fit.h).
#include "platform/base/picture_fit.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace platform {
namespace {

// Floor of a / b for b > 0, whatever the sign of a.
std::int64_t floorDivide(std::int64_t a, std::int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// The window coordinate d pixels into a picture of pictureSize, in a frame of frameSize.
int toFrame(int d, int pictureSize, int frameSize) {
  return int(floorDivide((2 * std::int64_t(d) + 1) * frameSize, 2 * std::int64_t(pictureSize)));
}

}  // namespace

PictureRect fitPicture(int frameWidth, int frameHeight, int areaWidth, int areaHeight) {
  const int step = std::gcd(frameWidth, frameHeight);
  const int stepWidth = frameWidth / step, stepHeight = frameHeight / step;
  const int steps = std::max(1, std::min(areaWidth / stepWidth, areaHeight / stepHeight));
  const int width = steps * stepWidth, height = steps * stepHeight;
  return PictureRect{(areaWidth - width) / 2, (areaHeight - height) / 2, width, height};
}

void fitWindow(int frameWidth, int frameHeight, int usableWidth, int usableHeight, int borderWidth, int borderHeight,
               int& clientWidth, int& clientHeight) {
  const int roomWidth = usableWidth - borderWidth, roomHeight = usableHeight - borderHeight;
  if (roomWidth >= frameWidth && roomHeight >= frameHeight) {
    clientWidth = frameWidth;
    clientHeight = frameHeight;
    return;
  }
  const PictureRect picture = fitPicture(frameWidth, frameHeight, roomWidth, roomHeight);
  clientWidth = picture.width;
  clientHeight = picture.height;
}

int barsAround(const PictureRect& picture, int clientWidth, int clientHeight, PictureRect bars[4]) {
  const int top = std::clamp(picture.y, 0, clientHeight);
  const int bottom = std::clamp(picture.y + picture.height, top, clientHeight);
  const int left = std::clamp(picture.x, 0, clientWidth);
  const int right = std::clamp(picture.x + picture.width, left, clientWidth);
  const PictureRect strips[4] = {{0, 0, clientWidth, top},
                                 {0, bottom, clientWidth, clientHeight - bottom},
                                 {0, top, left, bottom - top},
                                 {right, top, clientWidth - right, bottom - top}};
  int count = 0;
  for (const PictureRect& strip : strips)
    if (strip.width > 0 && strip.height > 0) bars[count++] = strip;
  return count;
}

void windowToFrame(const PictureRect& picture, int frameWidth, int frameHeight, int x, int y, int& frameX, int& frameY) {
  frameX = toFrame(x - picture.x, picture.width, frameWidth);
  frameY = toFrame(y - picture.y, picture.height, frameHeight);
}

}  // namespace platform
