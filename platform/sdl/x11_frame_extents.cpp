// Frame extents from the window manager (see x11_frame_extents.h): the request and the
// _NET_FRAME_EXTENTS property it answers with, read by polling so that SDL's event queue
// is left alone.
#include "platform/sdl/x11_frame_extents.h"

#include <X11/Xatom.h>
#include <unistd.h>

#include <chrono>

namespace platform {
namespace {

// The values of a 32-bit CARDINAL or ATOM property, at most `most` of them; the count read.
int readLongs(Display* display, Window window, Atom property, Atom type, long* values, int most) {
  Atom actualType = None;
  int actualFormat = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, property, 0, most, False, type, &actualType, &actualFormat, &count, &after,
                         &data) != Success)
    return 0;
  int read = 0;
  if (data && actualType == type && actualFormat == 32) {
    const long* longs = reinterpret_cast<const long*>(data);
    for (; read < int(count) && read < most; ++read) values[read] = longs[read];
  }
  if (data) XFree(data);
  return read;
}

bool windowManagerAnswers(Display* display, Atom request) {
  long supported[512];
  const int count = readLongs(display, DefaultRootWindow(display), XInternAtom(display, "_NET_SUPPORTED", False),
                              XA_ATOM, supported, 512);
  for (int i = 0; i < count; ++i)
    if (Atom(supported[i]) == request) return true;
  return false;
}

}  // namespace

FrameExtents askFrameExtents(Display* display, Window window, int timeoutMs) {
  const Atom request = XInternAtom(display, "_NET_REQUEST_FRAME_EXTENTS", False);
  const Atom extents = XInternAtom(display, "_NET_FRAME_EXTENTS", False);
  if (!windowManagerAnswers(display, request)) return {};

  XEvent message{};
  message.xclient.type = ClientMessage;
  message.xclient.window = window;
  message.xclient.message_type = request;
  message.xclient.format = 32;
  XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &message);

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  long values[4];
  do {
    XSync(display, False);
    if (readLongs(display, window, extents, XA_CARDINAL, values, 4) == 4)
      return FrameExtents{int(values[0]), int(values[1]), int(values[2]), int(values[3])};
    usleep(2000);
  } while (std::chrono::steady_clock::now() < deadline);
  return {};
}

}  // namespace platform
