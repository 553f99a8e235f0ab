// The gamepad's layout: which pad buttons and triggers feed each action (the same virtual
// keys as the action's keys, bindings.h), which of them give the screens' click and Enter,
// which stick walks and which aims, and the sticks' dead zone. Buttons and triggers are
// written by their names (pad_codes.h, and "lefttrigger", "righttrigger"). Read by the
// settings file and the backend's pad reader.
#pragma once
#include <string>
#include <vector>

#include "platform/base/pad_codes.h"
#include "platform/controls/bindings.h"

namespace platform {

// A pad input: a button (pad_codes.h, 0..kPadButtonCount-1), or a trigger.
constexpr int kPadLeftTrigger = kPadButtonCount;
constexpr int kPadRightTrigger = kPadButtonCount + 1;
constexpr int kPadInputCount = kPadButtonCount + 2;

using PadInputList = std::vector<int>;

enum class PadStick { Neither, Left, Right };

// The pad's layout. The click (the right mouse button) and Enter are the screens' own
// inputs: a round never reads them, so they may share a button with an action.
struct PadBindings {
  PadInputList inputs[kActionCount];
  PadInputList click;
  PadInputList enter;
  PadStick walkStick = PadStick::Left;
  PadStick aimStick = PadStick::Right;
  int deadZone = 25;  // percent of full tilt
};

// Left stick and D-pad walk, right stick aims, right trigger fires, left trigger runs, A
// strikes and clicks, B dashes, X eats, Start pauses, Back gives Enter.
PadBindings defaultPadBindings();

// The default inputs of an action, of the click and of Enter, as names.
const char* defaultPadNames(Action action);
constexpr const char* kDefaultPadClick = "a";
constexpr const char* kDefaultPadEnter = "back";

// Reads pad input names separated by spaces ("a dpup"); false with unknown set to the
// first word that names no input. A name given twice is kept once.
bool parsePadNames(const std::string& text, PadInputList& inputs, std::string& unknown);

// The inputs' names separated by spaces, as parsePadNames reads them.
std::string padNames(const PadInputList& inputs);

// An input as a pad's face prints it ("A", "Start", "RT", "D-pad up").
std::string padInputShownName(int input);

// "left", "right" or "none".
const char* stickName(PadStick stick);
bool parseStickName(const std::string& text, PadStick& stick);

// One line for --help and the README-style listings: "A strike and click, B dash, ...".
std::string padLayoutText(const PadBindings& pad);

}  // namespace platform
