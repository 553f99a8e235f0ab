// The SDL2 window backend: one window with a 1600 x 960-style fixed client area, its two
// frame buffers, and the event pump that feeds keys, buttons and the cursor to the input
// latch. Window thread only. On a local X display the frame buffers are X shared memory
// the server reads directly; elsewhere they are plain memory copied into SDL's window
// surface (no OpenGL) when presented. Depends on SDL2's video subsystem and on Xlib.
#include "platform/window_backend.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/input_feed.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/sdl/surface_frames.h"
#include "platform/sdl/x11_shared_frames.h"

namespace platform {

struct NativeWindow {
  SDL_Window* window;
  int width;
  int height;
  SharedFrames* shared;           // the frame buffers in X shared memory, or null
  SurfaceFrames* surface;         // else plain frame buffers, copied to the window surface
  int shownIndex;                 // the buffer last presented, or -1
  bool pointerOutside;            // the cursor left the client area: follow it by querying
  std::uint64_t lastPointerQuery;
};

namespace {

constexpr std::uint64_t kPointerQueryIntervalMs = 10;

// Xlib calls this when the display connection breaks and exits if it returns. Nothing can
// be shown any more: a fatal failure, one line on standard output and status 1. It is not
// the fatal path's exit because this is usually the window thread: static destructors run
// here would free what the main thread is still drawing with. Hence _exit.
int onDisplayLost(Display*) {
  std::printf("display connection lost\n");
  std::fflush(stdout);
  _exit(1);
}

// Ends SDL entirely (this backend is its only user) and frees what SDL keeps for the
// calling thread, which SDL did not create.
void endSdl() {
  SDL_Quit();
  SDL_TLSCleanup();
}

// On X11: ends the process when the display is lost, and returns the window's frame
// buffers in shared memory when the display can read them there.
SharedFrames* watchDisplay(SDL_Window* window, int width, int height) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return nullptr;
  XSetIOErrorHandler(onDisplayLost);
  return createSharedFrames(info.info.x11.display, info.info.x11.window, width, height);
}

// While the cursor is outside the client area no motion events come: read its place.
void followPointerOutside(NativeWindow* native) {
  std::uint64_t now = SDL_GetTicks64();
  if (now - native->lastPointerQuery < kPointerQueryIntervalMs) return;
  native->lastPointerQuery = now;
  int globalX = 0, globalY = 0, windowX = 0, windowY = 0;
  SDL_GetGlobalMouseState(&globalX, &globalY);
  SDL_GetWindowPosition(native->window, &windowX, &windowY);
  recordCursor(globalX - windowX, globalY - windowY);
}

}  // namespace

#if defined(__SANITIZE_ADDRESS__)
// SDL opens D-Bus (screen saver, input methods) and never calls dbus_shutdown, so libdbus
// keeps a buffer until the process ends: not a leak of this program.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }
#endif

NativeWindow* createNativeWindow(int width, int height, const std::string& title, std::string& error) {
  // The window surface on plain X11 shared memory, not SDL's OpenGL-backed framebuffer.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // The terminal keeps its own Ctrl+C: SDL must not turn signals into close requests.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // X11 (under Wayland through XWayland), whose window surface is shared memory. An
  // SDL_VIDEODRIVER in the environment still wins; the check below refuses the ones that
  // show nothing.
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    const char* display = std::getenv("DISPLAY");
    error = std::string("no display (") + (display && *display ? "DISPLAY=" + std::string(display) : "DISPLAY is not set") +
            "; SDL: " + SDL_GetError() + ")";
    endSdl();
    return nullptr;
  }
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0) {
    error = std::string("no display (SDL chose the ") + (driver ? driver : "no") + " driver)";
    endSdl();
    return nullptr;
  }
  SDL_Window* window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width,
                                        height, SDL_WINDOW_SHOWN);
  if (!window) {
    error = std::string("SDL could not create the window (") + SDL_GetError() + ")";
    endSdl();
    return nullptr;
  }
  auto* native = new NativeWindow{window, width, height, watchDisplay(window, width, height), nullptr, -1, false, 0};
  if (!native->shared && !(native->surface = createSurfaceFrames(window, width, height, error))) {
    SDL_DestroyWindow(window);
    delete native;
    endSdl();
    return nullptr;
  }
  return native;
}

void destroyNativeWindow(NativeWindow* native) {
  if (!native) return;
  destroySharedFrames(native->shared);
  destroySurfaceFrames(native->surface);
  SDL_DestroyWindow(native->window);
  delete native;
  endSdl();
}

bool pumpNativeEvents(NativeWindow* native) {
  bool closeRequested = false;
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    switch (event.type) {
      case SDL_QUIT: closeRequested = true; break;
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) closeRequested = true;
        if (event.window.event == SDL_WINDOWEVENT_LEAVE) native->pointerOutside = true;
        if (event.window.event == SDL_WINDOWEVENT_ENTER) native->pointerOutside = false;
        if (event.window.event == SDL_WINDOWEVENT_EXPOSED && native->shownIndex >= 0)
          presentNativeBuffer(native, native->shownIndex);
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        if (int key = virtualKeyOf(event.key.keysym.sym)) recordKey(key, event.type == SDL_KEYDOWN);
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        recordCursor(event.button.x, event.button.y);
        if (int button = virtualButtonOf(event.button.button))
          recordKey(button, event.type == SDL_MOUSEBUTTONDOWN);
        break;
      case SDL_MOUSEMOTION: recordCursor(event.motion.x, event.motion.y); break;
      default: break;
    }
  }
  if (native->pointerOutside) followPointerOutside(native);
  return closeRequested;
}

std::uint32_t* nativeFrameBuffer(NativeWindow* native, int index) {
  return native->shared ? sharedFramePixels(native->shared, index) : surfaceFramePixels(native->surface, index);
}

void presentNativeBuffer(NativeWindow* native, int index) {
  if (native->shared)
    putSharedFrame(native->shared, index);
  else
    putSurfaceFrame(native->surface, index);
  native->shownIndex = index;
}

std::string programTitle() {
  char path[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return "dream-arena";
  std::string name(path, std::size_t(length));
  const std::string deleted = " (deleted)";
  if (name.size() > deleted.size() && name.compare(name.size() - deleted.size(), deleted.size(), deleted) == 0)
    name.resize(name.size() - deleted.size());
  name = name.substr(name.find_last_of('/') + 1);
  std::size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

}  // namespace platform
