// The key router (see key_router.h): a key-code table built from the bindings, and counts
// of what is held per virtual key.
#include "platform/controls/key_router.h"

#include "platform/seam/input_feed.h"

namespace platform {

void holdVirtualKey(KeyRouter& router, int virtualKey, bool down) {
  if (virtualKey <= 0 || virtualKey >= kVirtualKeyCount) return;
  int& count = router.heldCount[virtualKey];
  if (down && ++count == 1) recordKey(virtualKey, true);
  if (!down && count > 0 && --count == 0) recordKey(virtualKey, false);
}

KeyRouter makeKeyRouter(const Bindings& bindings) {
  KeyRouter router;
  for (int a = 0; a < kActionCount; ++a)
    for (KeyCode key : bindings.keys[a])
      if (key > kKeyUnknown && key < kKeyCodeCount && !reservedKey(key))
        router.feeds[key] = virtualKeyFor(Action(a), key);
  router.feeds[kKeyReturn] = kVkReturn;
  router.feeds[kKeyPadEnter] = kVkReturn;
  return router;
}

void routeKey(KeyRouter& router, KeyCode key, bool down) {
  if (key <= kKeyUnknown || key >= kKeyCodeCount || !router.feeds[key]) return;
  if (router.keyHeld[key] == down) return;
  router.keyHeld[key] = down;
  holdVirtualKey(router, router.feeds[key], down);
}

void routeButton(KeyRouter& router, int virtualButton, bool down) {
  if (virtualButton <= 0 || virtualButton >= kVirtualKeyCount || router.buttonHeld[virtualButton] == down) return;
  router.buttonHeld[virtualButton] = down;
  holdVirtualKey(router, virtualButton, down);
}

}  // namespace platform
