// The number row by X's keyboard extension (see x11_key_names.h): the evdev X server numbers
// those keys 10 to 19; the layout's active group gives the keysym, which names a character
// directly (Latin-1) or as Unicode + 0x01000000.
#include "platform/sdl/x11_key_names.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace platform {
namespace {

std::string utf8(unsigned long code) {
  std::string text;
  if (code < 0x80) {
    text += char(code);
  } else if (code < 0x800) {
    text += char(0xC0 | code >> 6);
    text += char(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    text += char(0xE0 | code >> 12);
    text += char(0x80 | (code >> 6 & 0x3F));
    text += char(0x80 | (code & 0x3F));
  } else {
    text += char(0xF0 | code >> 18);
    text += char(0x80 | (code >> 12 & 0x3F));
    text += char(0x80 | (code >> 6 & 0x3F));
    text += char(0x80 | (code & 0x3F));
  }
  return text;
}

}  // namespace

std::string x11NumberRowName(SDL_Scancode key) {
  if (key < SDL_SCANCODE_1 || key > SDL_SCANCODE_0) return "";
  Display* display = XOpenDisplay(nullptr);
  if (!display) return "";
  XkbStateRec state{};
  const unsigned group = XkbGetState(display, XkbUseCoreKbd, &state) == Success ? state.group : 0;
  const KeySym sym = XkbKeycodeToKeysym(display, KeyCode(10 + (key - SDL_SCANCODE_1)), int(group), 0);
  XCloseDisplay(display);
  unsigned long code = 0;
  if ((sym >= 0x21 && sym <= 0x7E) || (sym >= 0xA1 && sym <= 0xFF)) code = sym;
  else if (sym >= 0x010000A0 && sym <= 0x0110FFFF) code = sym - 0x01000000;
  return code ? utf8(code) : "";
}

}  // namespace platform
