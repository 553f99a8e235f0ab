// The pad's default layout and the names of its inputs (see pad_bindings.h).
#include "platform/controls/pad_bindings.h"

#include <algorithm>
#include <sstream>

namespace platform {
namespace {

const char* const kDefaultNames[kActionCount] = {
    "dpup", "dpdown", "dpleft", "dpright",  // walking (the walk stick too)
    "lefttrigger",                          // run
    "",                                     // plain run
    "a", "b", "x",                          // strike, dash, eat
    "righttrigger",                         // fire
    "start",                                // pause
};

// Names as a pad's face prints them, for the help and the pause screen.
const char* const kShownNames[kPadInputCount] = {
    "A", "B", "X", "Y", "Back", "Guide", "Start", "L3", "R3", "LB", "RB", "D-pad up", "D-pad down",
    "D-pad left", "D-pad right", "Misc", "P1", "P2", "P3", "P4", "Touchpad", "LT", "RT"};

std::string inputName(int input) {
  if (input == kPadLeftTrigger) return "lefttrigger";
  if (input == kPadRightTrigger) return "righttrigger";
  return padButtonName(input);
}

int inputNamed(const std::string& name) {
  for (int input = 0; input < kPadInputCount; ++input)
    if (inputName(input) == name) return input;
  return -1;
}

std::string shownNames(const PadInputList& inputs) {
  std::string text;
  for (int input : inputs) text += (text.empty() ? "" : " or ") + std::string(kShownNames[input]);
  return text;
}

}  // namespace

std::string padInputShownName(int input) { return input >= 0 && input < kPadInputCount ? kShownNames[input] : ""; }

PadBindings defaultPadBindings() {
  PadBindings pad;
  std::string unknown;
  for (int a = 0; a < kActionCount; ++a) parsePadNames(kDefaultNames[a], pad.inputs[a], unknown);
  parsePadNames(kDefaultPadClick, pad.click, unknown);
  parsePadNames(kDefaultPadEnter, pad.enter, unknown);
  return pad;
}

const char* defaultPadNames(Action action) { return kDefaultNames[int(action)]; }

bool parsePadNames(const std::string& text, PadInputList& inputs, std::string& unknown) {
  inputs.clear();
  std::istringstream in(text);
  for (std::string word; in >> word;) {
    std::string lowered = word;
    for (char& c : lowered)
      if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    const int input = inputNamed(lowered);
    if (input < 0) {
      unknown = word;
      return false;
    }
    if (std::find(inputs.begin(), inputs.end(), input) == inputs.end()) inputs.push_back(input);
  }
  return true;
}

std::string padNames(const PadInputList& inputs) {
  std::string names;
  for (int input : inputs) names += (names.empty() ? "" : " ") + inputName(input);
  return names;
}

const char* stickName(PadStick stick) {
  return stick == PadStick::Left ? "left" : stick == PadStick::Right ? "right" : "none";
}

bool parseStickName(const std::string& text, PadStick& stick) {
  for (PadStick candidate : {PadStick::Neither, PadStick::Left, PadStick::Right}) {
    if (text != stickName(candidate)) continue;
    stick = candidate;
    return true;
  }
  return false;
}

std::string padLayoutText(const PadBindings& pad) {
  std::string text;
  auto add = [&text](const std::string& what, const std::string& inputs) {
    if (!inputs.empty()) text += (text.empty() ? "" : "; ") + what + ": " + inputs;
  };
  const Action walks[] = {Action::WalkUp, Action::WalkDown, Action::WalkLeft, Action::WalkRight};
  bool dpad = true;
  for (Action walk : walks) {
    PadInputList inputs;
    std::string unknown;
    parsePadNames(defaultPadNames(walk), inputs, unknown);
    dpad = dpad && pad.inputs[int(walk)] == inputs;
  }
  std::string walkStick = pad.walkStick == PadStick::Neither ? "" : std::string(stickName(pad.walkStick)) + " stick";
  add("walk", walkStick + (dpad ? (walkStick.empty() ? "D-pad" : " or D-pad") : ""));
  if (!dpad)
    for (Action walk : walks) add(actionInfo(walk).name, shownNames(pad.inputs[int(walk)]));
  if (pad.aimStick != PadStick::Neither) add("aim", std::string(stickName(pad.aimStick)) + " stick");
  const Action others[] = {Action::Fire, Action::Run, Action::PlainRun, Action::Strike, Action::Dash, Action::Eat, Action::Pause};
  for (Action action : others) add(actionInfo(action).name, shownNames(pad.inputs[int(action)]));
  add("click", shownNames(pad.click));
  add("Enter", shownNames(pad.enter));
  return text;
}

}  // namespace platform
