// The layout's key names in the browser: what the page read from the keyboard's layout map
// (navigator.keyboard, where the browser offers it) for the key at a place; letters in
// capitals, as the desktop names them. Keys the map does not print keep their US names.
#include "platform/port/key_names.h"

#include <emscripten.h>


namespace platform::port {
namespace {

EM_JS(void, pageLayoutKeyName, (int scancode, char* name, int size), {
  stringToUTF8(Module.webGlue.layoutKeyName(scancode) || '', name, size);
});

}  // namespace

std::string layoutKeyName(int scancode) {
  char name[32] = {};
  pageLayoutKeyName(scancode, name, sizeof name);
  return name;
}

// The page's layout map is read before the game starts.
void startLayoutKeyNames() {}

void endLayoutKeyNames() {}

}  // namespace platform::port
