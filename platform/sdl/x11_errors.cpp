// The game display's X error handlers (see x11_errors.h): which errors mean the window is
// gone, the one line that reports any other, and the extension names that line uses.
// Depends on Xlib alone.
#include "platform/sdl/x11_errors.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>

namespace platform {
namespace {

constexpr int kFirstExtensionOpcode = 128;

struct Watch {
  // Read by the handler on whichever thread met the error, to tell the game's display apart.
  std::atomic<Display*> display{nullptr};
  std::atomic<XErrorHandler> previous{nullptr};
  // The rest is the window thread's alone.
  Window window = 0;
  bool tearingDown = false;
  XID picture = 0;        // the Render picture on the window, or 0
  int pictureGone = 0;    // the error a request on it gets once the window is gone
  char extensionNames[256 - kFirstExtensionOpcode][40] = {};  // by major opcode
};

Watch watch;

// A request about the window, or about the picture that went with it, failed because it no
// longer exists: another program destroyed it.
bool aboutTheWindow(const XErrorEvent& error) {
  if ((error.error_code == BadWindow || error.error_code == BadDrawable) && error.resourceid == watch.window)
    return true;
  return watch.picture && error.resourceid == watch.picture && error.error_code == watch.pictureGone;
}

// The request's name from Xlib's error database ("X_ShmPutImage"), else "MIT-SHM.3" or "53".
void nameRequest(Display* display, const XErrorEvent& error, char* name, int size) {
  char key[64];
  if (error.request_code < kFirstExtensionOpcode) {
    std::snprintf(key, sizeof key, "%d", error.request_code);
  } else {
    const char* extension = watch.extensionNames[error.request_code - kFirstExtensionOpcode];
    std::snprintf(key, sizeof key, "%s.%d", *extension ? extension : "unknown extension", error.minor_code);
  }
  char found[128] = "";
  XGetErrorDatabaseText(display, "XRequest", key, "", found, sizeof found);
  const char* trimmed = found;
  while (*trimmed == ' ') ++trimmed;
  std::snprintf(name, std::size_t(size), "%s", *trimmed ? trimmed : key);
}

[[noreturn]] void reportAndEnd(Display* display, const XErrorEvent& error) {
  char text[160] = "";
  XGetErrorText(display, error.error_code, text, sizeof text);
  char request[160];
  nameRequest(display, error, request, sizeof request);
  std::printf("X error %d, %s, in request %d.%d (%s) on resource 0x%lx\n", error.error_code, text, error.request_code,
              error.minor_code, request, error.resourceid);
  std::fflush(stdout);
  _exit(1);
}

// Makes no request, directly or through the report: Xlib forbids them in its handlers.
int onXError(Display* display, XErrorEvent* error) {
  if (display != watch.display.load()) {
    XErrorHandler previous = watch.previous.load();
    return previous ? previous(display, error) : 0;
  }
  if (!aboutTheWindow(*error)) reportAndEnd(display, *error);
  if (!watch.tearingDown) endAsWindowClosed();
  return 0;
}

// Xlib calls this when the display connection breaks and exits if it returns. Nothing can
// be shown any more: a fatal failure, one line on standard output and status 1.
int onDisplayLost(Display*) {
  std::printf("display connection lost\n");
  std::fflush(stdout);
  _exit(1);
}

// Major opcodes of the display's extensions, for naming the requests in the error line.
void learnExtensionNames(Display* display) {
  for (auto& name : watch.extensionNames) name[0] = '\0';
  int count = 0;
  char** names = XListExtensions(display, &count);
  for (int i = 0; names && i < count; ++i) {
    int major = 0, firstEvent = 0, firstError = 0;
    if (XQueryExtension(display, names[i], &major, &firstEvent, &firstError) && major >= kFirstExtensionOpcode &&
        major < 256)
      std::snprintf(watch.extensionNames[major - kFirstExtensionOpcode], sizeof watch.extensionNames[0], "%s",
                    names[i]);
  }
  if (names) XFreeExtensionList(names);
}

}  // namespace

void watchDisplayErrors(Display* display, Window window) {
  learnExtensionNames(display);
  watch.window = window;
  watch.tearingDown = false;
  watch.picture = 0;
  watch.display.store(display);
  // SDL puts its own handler back when it quits, so a second window finds it there again.
  XErrorHandler replaced = XSetErrorHandler(onXError);
  if (replaced != onXError) watch.previous.store(replaced);
  XSetIOErrorHandler(onDisplayLost);
}

void watchWindowPicture(XID picture, int goneError) {
  watch.picture = picture;
  watch.pictureGone = goneError;
}

void beginWindowTeardown() { watch.tearingDown = true; }

void stopWatchingDisplay() {
  watch.display.store(nullptr);
  watch.window = 0;
  watch.picture = 0;
}

void endAsWindowClosed() {
  std::fflush(stdout);
  _exit(0);
}

}  // namespace platform
