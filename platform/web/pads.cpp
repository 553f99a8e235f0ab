// The page's pads (see pads.h): the Gamepad API's standard layout as the game's pad inputs.
#include "platform/web/pads.h"

#include <iterator>

namespace platform::web {
namespace {

constexpr int kHalfTravel = 16384;

// The standard layout's buttons 0..16 as the game's pad inputs (SDL's button numbers), the
// triggers (6, 7) as axes; -1 past the end.
int padInputOf(int button) {
  static const int kInputs[] = {SDL_CONTROLLER_BUTTON_A,         SDL_CONTROLLER_BUTTON_B,
                                SDL_CONTROLLER_BUTTON_X,         SDL_CONTROLLER_BUTTON_Y,
                                SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
                                -1,                              -1,
                                SDL_CONTROLLER_BUTTON_BACK,      SDL_CONTROLLER_BUTTON_START,
                                SDL_CONTROLLER_BUTTON_LEFTSTICK, SDL_CONTROLLER_BUTTON_RIGHTSTICK,
                                SDL_CONTROLLER_BUTTON_DPAD_UP,   SDL_CONTROLLER_BUTTON_DPAD_DOWN,
                                SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
                                SDL_CONTROLLER_BUTTON_GUIDE};
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
    padAxisMoved(router, pads.layout, *pad, button == 6 ? SDL_CONTROLLER_AXIS_TRIGGERLEFT : SDL_CONTROLLER_AXIS_TRIGGERRIGHT,
                 value);
    return;
  }
  const int input = padInputOf(button);
  if (input >= 0 && pad->state.held[input] != (value >= kHalfTravel))
    padButtonChanged(router, pads.layout, *pad, input, value >= kHalfTravel);
}

// The standard layout's axes 0..3 are SDL's, in its order and directions.
void padAxis(WebPads& pads, KeyRouter& router, int index, int axis, int value) {
  PadInUse* pad = findPad(pads, index);
  if (pad && axis >= 0 && axis <= SDL_CONTROLLER_AXIS_RIGHTY)
    padAxisMoved(router, pads.layout, *pad, SDL_GameControllerAxis(axis), value);
}

}  // namespace platform::web
