// A pad's input through the router (see pad_use.h).
#include "platform/controls/pad_use.h"

#include "platform/controls/pad_aim.h"
#include "platform/seam/input_feed.h"

namespace platform {

void padButtonChanged(KeyRouter& router, const PadBindings& layout, PadInUse& pad, int input, bool down) {
  routePadInput(router, layout, pad.state, input, down);
  if (down) {
    pad.used = true;
    recordDeviceUse(InputDevice::Pad);
  }
}

void padAxisMoved(KeyRouter& router, const PadBindings& layout, PadInUse& pad, PadAxis axis, int value) {
  const int walkingBefore = pad.state.walking;
  const bool triggersBefore = pad.state.held[kPadLeftTrigger] || pad.state.held[kPadRightTrigger];
  if (routePadAxis(router, layout, pad.state, axis, value)) {
    float x = 0, y = 0;
    aimTilt(layout, pad.state, x, y);
    recordAimTilt(x, y, layout.deadZone);
    if (beyondDeadZone(x, y, layout.deadZone)) pad.used = true;
  }
  const bool triggers = pad.state.held[kPadLeftTrigger] || pad.state.held[kPadRightTrigger];
  if ((pad.state.walking && pad.state.walking != walkingBefore) || (triggers && !triggersBefore)) {
    pad.used = true;
    recordDeviceUse(InputDevice::Pad);
  }
}

void padUnplugged(KeyRouter& router, const PadBindings& layout, PadInUse& pad) {
  releasePad(router, layout, pad.state);
  if (pad.used) {
    recordKey(kVkFocusLost, true);
    recordKey(kVkFocusLost, false);
  }
}

}  // namespace platform
