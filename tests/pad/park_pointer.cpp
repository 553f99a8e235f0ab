// The pointer parked in a corner (see park_pointer.h).
#include "pad/park_pointer.h"

#include <X11/Xlib.h>

void parkPointer() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return;
  const Screen* screen = DefaultScreenOfDisplay(display);
  XWarpPointer(display, None, RootWindow(display, DefaultScreen(display)), 0, 0, 0, 0, screen->width - 1,
               screen->height - 1);
  XSync(display, False);
  XCloseDisplay(display);
}
