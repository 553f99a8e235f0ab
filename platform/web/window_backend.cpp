// The browser's window: the page's canvas (web/page.js) in place of a native window. Frames
// go onto the canvas with putImageData, their words turned from the working image's layout
// into the canvas's bytes; keys by their place (KeyboardEvent.code as the own key codes, the
// USB usage numbers) go through the window's shared rules and the player's bindings, the
// mouse through the picture's fit in the browser's window, pads through pads.h, the tab's
// visibility and focus as a minimised window's. The page calls the exported web* functions
// as its events come, between the game's passes (the game runs on the browser's only thread
// and rests between passes).
#include "platform/port/window.h"

#include <emscripten.h>
#include <wasm_simd128.h>

#include <vector>

#include "platform/base/picture_fit.h"
#include "platform/controls/key_names.h"
#include "platform/controls/pad_aim.h"
#include "platform/port/frames.h"
#include "platform/seam/frame_pacing.h"
#include "platform/seam/input_feed.h"
#include "platform/settings/settings_file.h"
#include "platform/settings/window_keys.h"
#include "platform/web/pads.h"
#include "platform/web/web_audio.h"

namespace platform {

struct NativeWindow {
  int width;
  int height;
  std::vector<std::uint32_t> frames[2];
  std::vector<std::uint32_t> canvasBytes;  // the frame as the canvas takes it: R, G, B, A bytes
  WindowKeys keys;
  web::WebPads pads;
  bool fullscreen;
  PictureRect picture;  // where the picture stands in the browser's window
};

namespace {

NativeWindow* openWindow = nullptr;

EM_JS(void, pageTitle, (const char* title), { document.title = UTF8ToString(title); });
EM_JS(void, pagePresent, (const void* bytes, int width, int height),
      { Module.webGlue.present(bytes, width, height); });
EM_JS(void, pageFullscreen, (), { Module.webGlue.toggleFullscreen(); });

}  // namespace

NativeWindow* createNativeWindow(int width, int height, const std::string& title, std::string&) {
  const Settings settings = currentSettings();
  const std::size_t words = std::size_t(width) * std::size_t(height);
  openWindow = new NativeWindow{width,
                                height,
                                {std::vector<std::uint32_t>(words), std::vector<std::uint32_t>(words)},
                                std::vector<std::uint32_t>(words),
                                makeWindowKeys(),
                                web::WebPads{settings.pad, {}},
                                false,
                                PictureRect{0, 0, width, height}};
  pageTitle(title.c_str());
  layoutChanged();
  return openWindow;
}

void destroyNativeWindow(NativeWindow* window) {
  if (window == openWindow) openWindow = nullptr;
  delete window;
}

// The page hands events over as they come; nothing waits here, and a page is never closed
// by the game's own hand.
bool pumpNativeEvents(NativeWindow*) { return false; }

std::uint32_t* nativeFrameBuffer(NativeWindow* window, int index) { return window->frames[index].data(); }

// 0x00RRGGBB words into R, G, B, 255 bytes: one pass of byte shuffles, four pixels at a
// time with WebAssembly SIMD (a frame is 1.5 million pixels, each frame).
void presentNativeBuffer(NativeWindow* window, int index) {
  const std::uint32_t* from = window->frames[index].data();
  std::uint32_t* to = window->canvasBytes.data();
  const std::size_t count = window->canvasBytes.size();
  const v128_t opaque = wasm_i32x4_splat(int(0xFF000000u));
  std::size_t i = 0;
  for (; i + 4 <= count; i += 4) {
    const v128_t words = wasm_v128_load(from + i);
    const v128_t bytes = wasm_i8x16_shuffle(words, words, 2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15);
    wasm_v128_store(to + i, wasm_v128_or(bytes, opaque));
  }
  for (; i < count; ++i) {
    const std::uint32_t w = from[i];
    to[i] = 0xFF000000u | (w & 0x0000FF00u) | ((w >> 16) & 0xFFu) | ((w & 0xFFu) << 16);
  }
  pagePresent(to, window->width, window->height);
}

std::string programTitle() { return "dream-arena"; }

bool framesShown() { return true; }

}  // namespace platform

using namespace platform;

extern "C" {

// The page's window is areaWidth x areaHeight CSS pixels: where the canvas goes, as four ints.
EMSCRIPTEN_KEEPALIVE const int* webLayOut(int areaWidth, int areaHeight) {
  static PictureRect picture{0, 0, 1600, 960};
  const int width = openWindow ? openWindow->width : 1600;
  const int height = openWindow ? openWindow->height : 960;
  picture = fitPicture(width, height, areaWidth, areaHeight);
  if (openWindow) openWindow->picture = picture;
  return &picture.x;
}

// The display's refresh rate, measured by the page.
EMSCRIPTEN_KEEPALIVE void webSetRefresh(int hz) { setDisplayRefresh(hz); }

// A key by its place went down or up. F11 and Alt+Enter ask the browser for fullscreen and M
// mutes, none reaching the game; the watch keys are heard beside the bindings.
EMSCRIPTEN_KEEPALIVE void webKey(int key, int down, int repeat, int alt) {
  NativeWindow* native = openWindow;
  if (!native || key <= 0 || key >= kKeyCodeCount) return;
  if (windowKey(native->keys, KeyCode(key), down != 0, repeat != 0, alt != 0) == KeyEffect::kSwitchFullscreen)
    pageFullscreen();
}

// The browser's window entered or left fullscreen (by the game's keys or the browser's own).
EMSCRIPTEN_KEEPALIVE void webFullscreenChanged(int fullscreen) {
  if (!openWindow || openWindow->fullscreen == (fullscreen != 0)) return;
  openWindow->fullscreen = fullscreen != 0;
  rememberFullscreen(openWindow->fullscreen);
}

// The cursor at CSS pixel (x, y) of the browser's window.
EMSCRIPTEN_KEEPALIVE void webCursor(int x, int y) {
  if (!openWindow) return;
  recordMouseUse();
  int frameX = 0, frameY = 0;
  windowToFrame(openWindow->picture, openWindow->width, openWindow->height, x, y, frameX, frameY);
  recordCursor(frameX, frameY);
}

// Mouse button 0 (left) or 2 (right) went down or up.
EMSCRIPTEN_KEEPALIVE void webButton(int button, int down) {
  if (!openWindow) return;
  windowButton(openWindow->keys, button == 0 ? MouseButton::kLeft : MouseButton::kRight, down != 0);
}

// The page saw pad index first, or lost it; a button or an axis of it changed (pads.h).
EMSCRIPTEN_KEEPALIVE void webPadAdded(int index) {
  if (openWindow) web::padAdded(openWindow->pads, index);
}

EMSCRIPTEN_KEEPALIVE void webPadRemoved(int index) {
  if (openWindow) web::padRemoved(openWindow->pads, openWindow->keys.router, index);
}

EMSCRIPTEN_KEEPALIVE void webPadButton(int index, int button, int value) {
  if (openWindow) web::padButton(openWindow->pads, openWindow->keys.router, index, button, value);
}

EMSCRIPTEN_KEEPALIVE void webPadAxis(int index, int axis, int value) {
  if (openWindow) web::padAxis(openWindow->pads, openWindow->keys.router, index, axis, value);
}

// The tab was hidden (a minimised window) or shown again.
EMSCRIPTEN_KEEPALIVE void webWindowAway(int away) { windowAway(away != 0); }

// The browser's window gained or lost the focus: a loss after a gain pauses a round when the
// settings ask for it, as natively.
EMSCRIPTEN_KEEPALIVE void webFocus(int focused) {
  if (openWindow) windowFocus(openWindow->keys, focused != 0);
}

}  // extern "C"
