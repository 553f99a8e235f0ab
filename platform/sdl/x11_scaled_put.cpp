// Scaled puts through the Render extension (see x11_scaled_put.h): a source picture over
// each frame, with a scale transform, a bilinear filter and padded edges (so the picture's
// border pixels are not darkened by the transparent outside), composited onto the window.
#include "platform/sdl/x11_scaled_put.h"

#include <X11/extensions/Xrender.h>

#include "platform/sdl/x11_errors.h"

namespace platform {

struct ScaledPut {
  Display* display;
  Picture target;       // the window
  Pixmap pixmaps[2];    // over the shared segments, or None
  Pixmap staging;       // where pixmaps are not shared: the server's own copy of the frame
  Picture sources[2];
  GC gc;
  XImage* images[2];
  int width;
  int height;
  int scaledWidth;      // the size the sources' transform scales to, 0 before the first put
  int scaledHeight;
};

namespace {

bool requestRefused = false;

int onRequestError(Display*, XErrorEvent*) {
  requestRefused = true;
  return 0;
}

Picture sourcePicture(Display* display, Pixmap pixmap, XRenderPictFormat* format) {
  XRenderPictureAttributes attributes{};
  attributes.repeat = RepeatPad;
  Picture picture = XRenderCreatePicture(display, pixmap, format, CPRepeat, &attributes);
  XRenderSetPictureFilter(display, picture, FilterBilinear, nullptr, 0);
  return picture;
}

void scaleTo(ScaledPut& put, int width, int height) {
  if (width == put.scaledWidth && height == put.scaledHeight) return;
  XTransform transform{{{XDoubleToFixed(double(put.width) / width), 0, 0},
                        {0, XDoubleToFixed(double(put.height) / height), 0},
                        {0, 0, XDoubleToFixed(1)}}};
  for (Picture source : put.sources) XRenderSetPictureTransform(put.display, source, &transform);
  put.scaledWidth = width;
  put.scaledHeight = height;
}

}  // namespace

bool serverSharesPixmaps(Display* display) {
  int major = 0, minor = 0;
  Bool pixmaps = False;
  return XShmQueryVersion(display, &major, &minor, &pixmaps) && pixmaps && XShmPixmapFormat(display) == ZPixmap;
}

ScaledPut* createScaledPut(Display* display, Window window, const XWindowAttributes& attributes, XImage* images[2],
                           XShmSegmentInfo segments[2], int width, int height, bool sharedPixmaps) {
  int event = 0, error = 0;
  if (!XRenderQueryExtension(display, &event, &error)) return nullptr;
  XRenderPictFormat* format = XRenderFindVisualFormat(display, attributes.visual);
  if (!format) return nullptr;
  auto* put = new ScaledPut{display, None, {None, None}, None, {None, None}, nullptr, {images[0], images[1]},
                            width, height, 0, 0};
  const unsigned depth = unsigned(attributes.depth);
  // A server may refuse a shared pixmap it said it could make: ask under an error handler
  // of this file's own and give up on scaling here if anything was refused.
  XSync(display, False);
  requestRefused = false;
  auto previous = XSetErrorHandler(onRequestError);
  if (sharedPixmaps) {
    for (int index = 0; index < 2; ++index) {
      put->pixmaps[index] = XShmCreatePixmap(display, window, segments[index].shmaddr, &segments[index],
                                             unsigned(width), unsigned(height), depth);
      put->sources[index] = sourcePicture(display, put->pixmaps[index], format);
    }
  } else {
    put->staging = XCreatePixmap(display, window, unsigned(width), unsigned(height), depth);
    put->gc = XCreateGC(display, put->staging, 0, nullptr);
    put->sources[0] = put->sources[1] = sourcePicture(display, put->staging, format);
  }
  put->target = XRenderCreatePicture(display, window, format, 0, nullptr);
  XSync(display, False);
  if (requestRefused) {
    destroyScaledPut(put);  // what the server did make goes; what it refused fails quietly here
    XSync(display, False);
    put = nullptr;
  }
  XSetErrorHandler(previous);
  if (put) watchWindowPicture(put->target, error + BadPicture);
  return put;
}

void putScaled(ScaledPut* put, int index, const PictureRect& picture) {
  if (put->staging)
    XShmPutImage(put->display, put->staging, put->gc, put->images[index], 0, 0, 0, 0, unsigned(put->width),
                 unsigned(put->height), False);
  scaleTo(*put, picture.width, picture.height);
  XRenderComposite(put->display, PictOpSrc, put->sources[index], None, put->target, 0, 0, 0, 0, picture.x, picture.y,
                   unsigned(picture.width), unsigned(picture.height));
}

void destroyScaledPut(ScaledPut* put) {
  if (!put) return;
  if (put->target) XRenderFreePicture(put->display, put->target);
  if (put->sources[0]) XRenderFreePicture(put->display, put->sources[0]);
  if (put->sources[1] && put->sources[1] != put->sources[0]) XRenderFreePicture(put->display, put->sources[1]);
  for (Pixmap pixmap : put->pixmaps)
    if (pixmap) XFreePixmap(put->display, pixmap);
  if (put->staging) XFreePixmap(put->display, put->staging);
  if (put->gc) XFreeGC(put->display, put->gc);
  delete put;
}

}  // namespace platform
