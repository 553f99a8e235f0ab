// The SDL2 window backend: one window with a 1600 x 960-style fixed client area, its two
// frame buffers, and the event pump that feeds keys (by their place, through the player's
// bindings), buttons and the cursor to the input latch. Window thread only. On a local X
// display the frame buffers are X shared memory the server reads directly; elsewhere they are plain memory copied into SDL's window
// surface (no OpenGL) when presented. A desktop too small for the window gets a smaller
// one of the same shape, and F11 or Alt+Enter toggles fullscreen (remembered in the
// settings, and where the window starts): the frame is then shown scaled, and the cursor is
// read back in frame coordinates. Keys, buttons and the window's news go to the rules every
// backend shares (window_keys.h). The window destroyed by another program ends the
// process as a close does (x11_errors.h holds the X error rules). Depends on SDL2's video
// subsystem and on Xlib.
#include "platform/port/window.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/seam/frame_pacing.h"
#include "platform/seam/input_feed.h"
#include "platform/controls/pad_aim.h"
#include "platform/base/picture_fit.h"
#include "platform/sdl/pads.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/sdl/surface_frames.h"
#include "platform/sdl/x11_errors.h"
#include "platform/sdl/x11_frame_extents.h"
#include "platform/sdl/x11_shared_frames.h"
#include "platform/settings/settings_file.h"
#include "platform/controls/key_names.h"
#include "platform/settings/window_keys.h"

namespace platform {

struct NativeWindow {
  SDL_Window* window;
  int width;                      // the frame buffers' size
  int height;
  SharedFrames* shared;           // the frame buffers in X shared memory, or null
  SurfaceFrames* surface;         // else plain frame buffers, copied to the window surface
  int shownIndex;                 // the buffer last presented, or -1
  bool pointerOutside;            // the cursor left the client area: follow it by querying
  std::uint64_t lastPointerQuery;
  int clientWidth;                // the client area now
  int clientHeight;
  PictureRect picture;            // where the frame is shown in it
  bool fullscreen;
  Display* display;               // the X display and window, or null and 0 off X11
  Window xwindow;
  WindowKeys keys;                // the player's bindings and the fixed keys' state
  Pads* pads;                     // the gamepads, or null without SDL's game controllers
  int outsideX;                   // the cursor's last place read while outside the client area
  int outsideY;
  std::uint64_t showAgainAt;      // after a change of size, when to show the last frame again (0: no)
};

namespace {

constexpr std::uint64_t kPointerQueryIntervalMs = 10;
// The window manager may finish a change of size (leaving fullscreen) after the news of it,
// and X keeps the old picture's corner then: the last frame is shown once more a little later,
// for a game that shows no new one meanwhile (the countdown, a pause).
constexpr std::uint64_t kShowAgainAfterResizeMs = 150;

// The window's news the game reads as keys: the focus, and whether it is minimised or hidden.
void recordWindowNews(NativeWindow& native, Uint8 news) {
  switch (news) {
    case SDL_WINDOWEVENT_FOCUS_GAINED: windowFocus(native.keys, true); break;
    case SDL_WINDOWEVENT_FOCUS_LOST: windowFocus(native.keys, false); break;
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_HIDDEN: windowAway(true); break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_MAXIMIZED: windowAway(false); break;
    default: break;
  }
}
constexpr int kFrameExtentsWaitMs = 300;

// Ends SDL entirely (this backend is its only user) and frees what SDL keeps for the
// calling thread, which SDL did not create.
void endSdl() {
  SDL_Quit();
  SDL_TLSCleanup();
}

// The X display and window behind an SDL window; false when SDL does not run on X11.
bool x11Window(SDL_Window* window, Display*& display, Window& xwindow) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
  display = info.info.x11.display;
  xwindow = info.info.x11.window;
  return true;
}

// Before the window is first shown: where the desktop's usable area cannot hold it with
// the window manager's frame, makes it the largest of its shape that fits, centred there.
void fitDesktop(SDL_Window* window, Display* display, Window xwindow, int width, int height) {
  const int displayIndex = SDL_GetWindowDisplayIndex(window);
  SDL_Rect usable{};
  if (displayIndex < 0 || SDL_GetDisplayUsableBounds(displayIndex, &usable) != 0) return;
  FrameExtents frame;
  if (display) frame = askFrameExtents(display, xwindow, kFrameExtentsWaitMs);
  const int borderWidth = frame.left + frame.right, borderHeight = frame.top + frame.bottom;
  int clientWidth = width, clientHeight = height;
  fitWindow(width, height, usable.w, usable.h, borderWidth, borderHeight, clientWidth, clientHeight);
  if (clientWidth == width && clientHeight == height) return;
  SDL_SetWindowSize(window, clientWidth, clientHeight);
  // The window manager places the frame's corner where the window is put.
  SDL_SetWindowPosition(window, usable.x + (usable.w - clientWidth - borderWidth) / 2,
                        usable.y + (usable.h - clientHeight - borderHeight) / 2);
}

// The client area's size and the frame's picture in it.
void layOut(NativeWindow& native, int clientWidth, int clientHeight) {
  native.clientWidth = clientWidth;
  native.clientHeight = clientHeight;
  native.picture = fitPicture(native.width, native.height, clientWidth, clientHeight);
}

// The client area's size as the display has it. SDL's own idea runs ahead of the window
// manager while fullscreen is toggled, and stays wrong where none acts on the request.
void layOutAsShown(NativeWindow& native) {
  XWindowAttributes attributes{};
  if (native.display && XGetWindowAttributes(native.display, native.xwindow, &attributes)) {
    layOut(native, attributes.width, attributes.height);
    return;
  }
  int width = 0, height = 0;
  SDL_GetWindowSize(native.window, &width, &height);
  layOut(native, width, height);
}

// Asks the window manager; the picture follows once the window has its new size.
void toggleFullscreen(NativeWindow& native) {
  const bool fullscreen = !native.fullscreen;
  if (SDL_SetWindowFullscreen(native.window, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) return;
  native.fullscreen = fullscreen;
}

// The player's switch: toggled, and remembered for the next start.
void switchFullscreen(NativeWindow& native) {
  toggleFullscreen(native);
  rememberFullscreen(native.fullscreen);
}

// A new client size from the display: on X11 its ConfigureNotify (SDL's own resize events
// may come before the window has changed, or without it changing), elsewhere SDL's event.
bool resizedBy(const NativeWindow& native, const SDL_Event& event, int& width, int& height) {
  if (native.display && event.type == SDL_SYSWMEVENT && event.syswm.msg->subsystem == SDL_SYSWM_X11) {
    const XEvent& x = event.syswm.msg->msg.x11.event;
    if (x.type != ConfigureNotify || x.xconfigure.window != native.xwindow) return false;
    width = x.xconfigure.width;
    height = x.xconfigure.height;
    return width != native.clientWidth || height != native.clientHeight;
  }
  if (!native.display && event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
    width = event.window.data1;
    height = event.window.data2;
    return true;
  }
  return false;
}

// Another program destroyed the window (xdotool windowclose, a misbehaving window manager).
bool destroyedBy(const NativeWindow& native, const SDL_Event& event) {
  if (!native.display || event.type != SDL_SYSWMEVENT || event.syswm.msg->subsystem != SDL_SYSWM_X11) return false;
  const XEvent& x = event.syswm.msg->msg.x11.event;
  return x.type == DestroyNotify && x.xdestroywindow.window == native.xwindow;
}

// The mouse at window position (x, y): it is in use (aiming goes back to it from a pad), and
// the cursor is recorded in frame coordinates.
void recordWindowCursor(const NativeWindow& native, int x, int y) {
  recordMouseUse();
  int frameX = 0, frameY = 0;
  windowToFrame(native.picture, native.width, native.height, x, y, frameX, frameY);
  recordCursor(frameX, frameY);
}

// A key by its place (scancode), never by what the layout prints, to the shared rules.
void handleKey(NativeWindow& native, const SDL_KeyboardEvent& event) {
  const bool alt = (event.keysym.mod & KMOD_ALT) != 0;
  if (windowKey(native.keys, keyCodeOf(event.keysym.scancode), event.type == SDL_KEYDOWN, event.repeat != 0, alt) ==
      KeyEffect::kSwitchFullscreen)
    switchFullscreen(native);
}

// While the cursor is outside the client area no motion events come: read its place when it
// has moved.
void followPointerOutside(NativeWindow* native) {
  std::uint64_t now = SDL_GetTicks64();
  if (now - native->lastPointerQuery < kPointerQueryIntervalMs) return;
  native->lastPointerQuery = now;
  int globalX = 0, globalY = 0, windowX = 0, windowY = 0;
  SDL_GetGlobalMouseState(&globalX, &globalY);
  SDL_GetWindowPosition(native->window, &windowX, &windowY);
  if (globalX - windowX == native->outsideX && globalY - windowY == native->outsideY) return;
  native->outsideX = globalX - windowX;
  native->outsideY = globalY - windowY;
  recordWindowCursor(*native, native->outsideX, native->outsideY);
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
                                        height, SDL_WINDOW_HIDDEN);
  if (!window) {
    error = std::string("SDL could not create the window (") + SDL_GetError() + ")";
    endSdl();
    return nullptr;
  }
  Display* display = nullptr;
  Window xwindow = 0;
  if (x11Window(window, display, xwindow)) watchDisplayErrors(display, xwindow);
  fitDesktop(window, display, xwindow, width, height);
  SDL_ShowWindow(window);
  const Settings settings = currentSettings();
  SharedFrames* shared = display ? createSharedFrames(display, xwindow, width, height) : nullptr;
  auto* native = new NativeWindow{window, width, height, shared, nullptr, -1, false, 0, width, height,
                                  PictureRect{0, 0, width, height}, false, display, xwindow, makeWindowKeys(), nullptr,
                                  INT_MIN, INT_MIN, 0};
  layoutChanged();
  SDL_DisplayMode mode{};
  const int displayIndex = SDL_GetWindowDisplayIndex(window);
  setDisplayRefresh(displayIndex >= 0 && SDL_GetCurrentDisplayMode(displayIndex, &mode) == 0 ? mode.refresh_rate : 0);
  if (!shared && !(native->surface = createSurfaceFrames(window, width, height, error))) {
    destroyNativeWindow(native);
    return nullptr;
  }
  // The window's own X events carry its real size and its destruction.
  if (display) SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
  layOutAsShown(*native);
  if (settings.fullscreen) toggleFullscreen(*native);
  native->pads = openPads(settings);
  return native;
}

void destroyNativeWindow(NativeWindow* native) {
  if (!native) return;
  beginWindowTeardown();
  closePads(native->pads);
  destroySharedFrames(native->shared);
  destroySurfaceFrames(native->surface);
  SDL_DestroyWindow(native->window);
  // Errors about the window the game has just destroyed arrive here, not after SDL has put
  // Xlib's exiting handler back.
  if (native->display) XSync(native->display, False);
  stopWatchingDisplay();
  delete native;
  endSdl();
}

bool pumpNativeEvents(NativeWindow* native) {
  bool closeRequested = false;
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    if (destroyedBy(*native, event)) endAsWindowClosed();
    int clientWidth = 0, clientHeight = 0;
    if (resizedBy(*native, event, clientWidth, clientHeight)) {
      layOut(*native, clientWidth, clientHeight);
      if (native->shownIndex >= 0) presentNativeBuffer(native, native->shownIndex);
      native->showAgainAt = SDL_GetTicks64() + kShowAgainAfterResizeMs;
    }
    switch (event.type) {
      case SDL_QUIT: closeRequested = true; break;
      case SDL_KEYMAPCHANGED: layoutChanged(); break;
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) closeRequested = true;
        if (event.window.event == SDL_WINDOWEVENT_LEAVE) native->pointerOutside = true;
        if (event.window.event == SDL_WINDOWEVENT_ENTER) native->pointerOutside = false;
        recordWindowNews(*native, event.window.event);
        // Uncovered, or shown again after a change of size: laid out for the size the window
        // has now (a resize's own news may have been overtaken by the next), then shown.
        if (event.window.event == SDL_WINDOWEVENT_EXPOSED && native->shownIndex >= 0) {
          layOutAsShown(*native);
          presentNativeBuffer(native, native->shownIndex);
        }
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP: handleKey(*native, event.key); break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        recordWindowCursor(*native, event.button.x, event.button.y);
        windowButton(native->keys, mouseButtonOf(event.button.button), event.type == SDL_MOUSEBUTTONDOWN);
        break;
      case SDL_MOUSEMOTION: recordWindowCursor(*native, event.motion.x, event.motion.y); break;
      default: handlePadEvent(native->pads, native->keys, event); break;
    }
  }
  if (native->pointerOutside) followPointerOutside(native);
  if (native->showAgainAt != 0 && SDL_GetTicks64() >= native->showAgainAt) {
    native->showAgainAt = 0;
    layOutAsShown(*native);
    if (native->shownIndex >= 0) presentNativeBuffer(native, native->shownIndex);
  }
  return closeRequested;
}

std::uint32_t* nativeFrameBuffer(NativeWindow* native, int index) {
  return native->shared ? sharedFramePixels(native->shared, index) : surfaceFramePixels(native->surface, index);
}

void presentNativeBuffer(NativeWindow* native, int index) {
  const bool ownSize = native->picture.width == native->width && native->picture.height == native->height;
  if (native->shared && (ownSize || sharedFramesScale(native->shared)))
    putSharedFrame(native->shared, index, native->picture, native->clientWidth, native->clientHeight);
  else
    putOnSurface(native->window, nativeFrameBuffer(native, index), native->width, native->height, native->picture);
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
