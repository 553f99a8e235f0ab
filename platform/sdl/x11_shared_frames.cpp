// X shared-memory frames (see x11_shared_frames.h) on the MIT-SHM extension: XShmPutImage
// on the window (or a scaled put), then a round trip so the server is done reading before
// the frame is handed back. Written on Xlib directly because SDL's window surface is a
// single buffer.
#include "platform/sdl/x11_shared_frames.h"

#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstring>

#include "platform/sdl/x11_scaled_put.h"

namespace platform {

struct SharedFrames {
  Display* display;
  Window window;
  GC gc;
  int width;
  int height;
  XImage* images[2];
  XShmSegmentInfo segments[2];
  bool attached[2];
  ScaledPut* scaled;  // null where the server cannot scale
};

namespace {

bool attachRefused = false;

int onAttachError(Display*, XErrorEvent*) {
  attachRefused = true;
  return 0;
}

bool isLocalDisplay(Display* display) {
  const char* name = DisplayString(display);
  return name && (name[0] == ':' || std::strncmp(name, "unix:", 5) == 0);
}

// The window's pixels are 0x00RRGGBB words: the working image's own layout. A DirectColor
// visual counts too: SDL gives such a window a colormap of straight ramps (Xvfb's default
// visual is one).
bool hasWorkingImageLayout(const XWindowAttributes& attributes) {
  const Visual* visual = attributes.visual;
  return visual && (visual->c_class == TrueColor || visual->c_class == DirectColor) &&
         (attributes.depth == 24 || attributes.depth == 32) && visual->red_mask == 0xFF0000 &&
         visual->green_mask == 0x00FF00 && visual->blue_mask == 0x0000FF;
}

// Makes frame index: an image over a fresh segment the server has attached. The segment is
// marked for removal at once, so it goes away with the process whatever happens.
bool makeFrame(SharedFrames& frames, int index, Visual* visual, int depth) {
  XShmSegmentInfo& segment = frames.segments[index];
  XImage* image = XShmCreateImage(frames.display, visual, unsigned(depth), ZPixmap, nullptr, &segment,
                                  unsigned(frames.width), unsigned(frames.height));
  if (!image) return false;
  frames.images[index] = image;
  if (image->bits_per_pixel != 32 || image->bytes_per_line != frames.width * 4 || image->byte_order != LSBFirst)
    return false;
  segment.shmid = shmget(IPC_PRIVATE, std::size_t(image->bytes_per_line) * frames.height, IPC_CREAT | 0600);
  if (segment.shmid < 0) return false;
  segment.shmaddr = static_cast<char*>(shmat(segment.shmid, nullptr, 0));
  if (segment.shmaddr == reinterpret_cast<char*>(-1)) {
    segment.shmaddr = nullptr;
    shmctl(segment.shmid, IPC_RMID, nullptr);
    return false;
  }
  image->data = segment.shmaddr;
  segment.readOnly = False;

  XSync(frames.display, False);
  attachRefused = false;
  auto previous = XSetErrorHandler(onAttachError);
  bool attached = XShmAttach(frames.display, &segment) != 0;
  XSync(frames.display, False);
  XSetErrorHandler(previous);
  shmctl(segment.shmid, IPC_RMID, nullptr);
  frames.attached[index] = attached && !attachRefused;
  return frames.attached[index];
}

}  // namespace

SharedFrames* createSharedFrames(Display* display, Window window, int width, int height) {
  if (!display || width <= 0 || height <= 0 || !isLocalDisplay(display) || !XShmQueryExtension(display))
    return nullptr;
  XWindowAttributes attributes{};
  if (!XGetWindowAttributes(display, window, &attributes) || !hasWorkingImageLayout(attributes)) return nullptr;
  auto* frames =
      new SharedFrames{display, window, nullptr, width, height, {nullptr, nullptr}, {}, {false, false}, nullptr};
  for (int index = 0; index < 2; ++index) {
    if (!makeFrame(*frames, index, attributes.visual, attributes.depth)) {
      destroySharedFrames(frames);
      return nullptr;
    }
  }
  frames->gc = XCreateGC(display, window, 0, nullptr);
  XSetForeground(display, frames->gc, 0);  // the bars beside a picture are black
  frames->scaled = createScaledPut(display, window, attributes, frames->images, frames->segments, width, height,
                                   serverSharesPixmaps(display));
  return frames;
}

std::uint32_t* sharedFramePixels(SharedFrames* frames, int index) {
  return reinterpret_cast<std::uint32_t*>(frames->segments[index].shmaddr);
}

bool sharedFramesScale(SharedFrames* frames) { return frames->scaled != nullptr; }

void putSharedFrame(SharedFrames* frames, int index, const PictureRect& picture, int clientWidth, int clientHeight) {
  if (picture.width == frames->width && picture.height == frames->height)
    XShmPutImage(frames->display, frames->window, frames->gc, frames->images[index], 0, 0, picture.x, picture.y,
                 unsigned(frames->width), unsigned(frames->height), False);
  else
    putScaled(frames->scaled, index, picture);
  PictureRect bars[4];
  const int count = barsAround(picture, clientWidth, clientHeight, bars);
  if (count > 0) {
    XRectangle rectangles[4];
    for (int i = 0; i < count; ++i)
      rectangles[i] = XRectangle{short(bars[i].x), short(bars[i].y), static_cast<unsigned short>(bars[i].width),
                                 static_cast<unsigned short>(bars[i].height)};
    XFillRectangles(frames->display, frames->window, frames->gc, rectangles, count);
  }
  XSync(frames->display, False);
}

void destroySharedFrames(SharedFrames* frames) {
  if (!frames) return;
  destroyScaledPut(frames->scaled);
  for (int index = 0; index < 2; ++index) {
    XShmSegmentInfo& segment = frames->segments[index];
    if (frames->attached[index]) XShmDetach(frames->display, &segment);
    if (XImage* image = frames->images[index]) {
      image->data = nullptr;  // the segment is not Xlib's to free
      XDestroyImage(image);
    }
    if (segment.shmaddr) shmdt(segment.shmaddr);
  }
  if (frames->gc) XFreeGC(frames->display, frames->gc);
  XSync(frames->display, False);
  delete frames;
}

}  // namespace platform
