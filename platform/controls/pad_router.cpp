// The pad router (see pad_router.h): inputs and the walk stick onto the key router's counts.
#include "platform/controls/pad_router.h"

#include "platform/controls/pad_sticks.h"

namespace platform {
namespace {

constexpr Action kWalks[4] = {Action::WalkUp, Action::WalkDown, Action::WalkLeft, Action::WalkRight};
constexpr int kWalkBits[4] = {kWalkUp, kWalkDown, kWalkLeft, kWalkRight};

bool has(const PadInputList& inputs, int input) {
  for (int listed : inputs)
    if (listed == input) return true;
  return false;
}

int walkingKey(Action walk) { return virtualKeyFor(walk, kKeyUnknown); }

void stickAxes(PadStick stick, PadAxis& x, PadAxis& y) {
  x = stick == PadStick::Left ? kPadLeftX : kPadRightX;
  y = stick == PadStick::Left ? kPadLeftY : kPadRightY;
}

bool onStick(PadStick stick, PadAxis axis) {
  if (stick == PadStick::Neither) return false;
  PadAxis x, y;
  stickAxes(stick, x, y);
  return axis == x || axis == y;
}

void walkTo(KeyRouter& router, PadState& state, int walking) {
  for (int k = 0; k < 4; ++k) {
    const bool was = state.walking & kWalkBits[k], now = walking & kWalkBits[k];
    if (was != now) holdVirtualKey(router, walkingKey(kWalks[k]), now);
  }
  state.walking = walking;
}

}  // namespace

void routePadInput(KeyRouter& router, const PadBindings& pad, PadState& state, int input, bool down) {
  if (input < 0 || input >= kPadInputCount || state.held[input] == down) return;
  state.held[input] = down;
  for (int a = 0; a < kActionCount; ++a)
    if (has(pad.inputs[a], input)) holdVirtualKey(router, virtualKeyFor(Action(a), kKeyUnknown), down);
  if (has(pad.click, input)) holdVirtualKey(router, kVkRButton, down);
  if (has(pad.enter, input)) holdVirtualKey(router, kVkReturn, down);
}

bool routePadAxis(KeyRouter& router, const PadBindings& pad, PadState& state, PadAxis axis, int value) {
  if (axis < 0 || axis >= kPadAxisCount) return false;
  state.axes[axis] = value;
  if (axis == kPadTriggerLeft) routePadInput(router, pad, state, kPadLeftTrigger, triggerPressed(value));
  if (axis == kPadTriggerRight) routePadInput(router, pad, state, kPadRightTrigger, triggerPressed(value));
  if (onStick(pad.walkStick, axis)) {
    PadAxis x, y;
    stickAxes(pad.walkStick, x, y);
    walkTo(router, state, walkDirections(tiltOf(state.axes[x]), tiltOf(state.axes[y]), pad.deadZone));
  }
  return onStick(pad.aimStick, axis);
}

void aimTilt(const PadBindings& pad, const PadState& state, float& x, float& y) {
  x = y = 0;
  if (pad.aimStick == PadStick::Neither) return;
  PadAxis axisX, axisY;
  stickAxes(pad.aimStick, axisX, axisY);
  x = tiltOf(state.axes[axisX]);
  y = tiltOf(state.axes[axisY]);
}

void releasePad(KeyRouter& router, const PadBindings& pad, PadState& state) {
  for (int input = 0; input < kPadInputCount; ++input) routePadInput(router, pad, state, input, false);
  walkTo(router, state, 0);
  state = PadState{};
}

}  // namespace platform
