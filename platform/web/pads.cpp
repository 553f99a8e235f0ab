// The page's pads (see pads.h): the Gamepad API's standard layout as the game's pad inputs.
#include "platform/web/pads.h"

#include <iterator>

namespace platform::web {
namespace {

constexpr int kHalfTravel = 16384;

// The standard layout's buttons 0..16 as the game's pad inputs (pad_codes.h), the triggers
// (6, 7) as axes; -1 past the end.
int padInputOf(int button) {
  static const int kInputs[] = {kPadA,         kPadB,
                                kPadX,         kPadY,
                                kPadLeftShoulder, kPadRightShoulder,
                                -1,                              -1,
                                kPadBack,      kPadStart,
                                kPadLeftStick, kPadRightStick,
                                kPadDpadUp,   kPadDpadDown,
                                kPadDpadLeft, kPadDpadRight,
                                kPadGuide};
  return button >= 0 && button < int(std::size(kInputs)) ? kInputs[button] : -1;
}

PadInUse* findPad(WebPads& pads, int index) {
  const auto found = pads.open.find(index);
  return found == pads.open.end() ? nullptr : &found->second;
}

}  // namespace

void padAdded(WebPads& pads, int index) { pads.open.emplace(index, PadInUse{}); }

void padRemoved(WebPads& pads, KeyRouter& router, int index) {
  PadInUse* pad = findPad(pads, index);
  if (!pad) return;
  padUnplugged(router, pads.layout, *pad);
  pads.open.erase(index);
}

void padButton(WebPads& pads, KeyRouter& router, int index, int button, int value) {
  PadInUse* pad = findPad(pads, index);
  if (!pad) return;
  if (button == 6 || button == 7) {
    padAxisMoved(router, pads.layout, *pad, button == 6 ? kPadTriggerLeft : kPadTriggerRight,
                 value);
    return;
  }
  const int input = padInputOf(button);
  if (input >= 0 && pad->state.held[input] != (value >= kHalfTravel))
    padButtonChanged(router, pads.layout, *pad, input, value >= kHalfTravel);
}

// The standard layout's axes 0..3 are the pad codes' four stick axes, in their order and directions.
void padAxis(WebPads& pads, KeyRouter& router, int index, int axis, int value) {
  PadInUse* pad = findPad(pads, index);
  if (pad && axis >= 0 && axis <= kPadRightY)
    padAxisMoved(router, pads.layout, *pad, PadAxis(axis), value);
}

}  // namespace platform::web
