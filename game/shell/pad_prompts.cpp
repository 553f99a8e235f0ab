// The pad's pause line (see pad_prompts.h).
#include "game/shell/pad_prompts.h"

#include "platform/replay/session.h"
#include "platform/settings/settings_file.h"

using platform::Action;
using platform::PadInputList;
using platform::PadStick;
using platform::padInputShownName;

namespace {

constexpr std::uint8_t kPadHintTag = platform::replay::value_tag::kFirstPad + 2;

std::string stickShown(PadStick stick) { return stick == PadStick::Left ? "L stick" : stick == PadStick::Right ? "R stick" : ""; }

std::string firstInput(const char* what, const PadInputList& inputs) {
  return inputs.empty() ? "" : std::string(", ") + what + " " + padInputShownName(inputs.front());
}

}  // namespace

std::string padPauseHintText(const platform::PadBindings& pad) {
  std::string resume;
  for (const PadInputList* inputs : {&pad.inputs[int(Action::Pause)], &pad.click})
    for (int input : *inputs) {
      const std::string name = padInputShownName(input);
      if (resume.find(name) == std::string::npos) resume += (resume.empty() ? "" : " or ") + name;
    }
  std::string text = resume.empty() ? "A key or a click: play on" : resume + ": play on";
  std::string walk = stickShown(pad.walkStick);
  if (walk.empty())
    for (Action a : {Action::WalkUp, Action::WalkLeft, Action::WalkDown, Action::WalkRight})
      if (!pad.inputs[int(a)].empty()) walk += (walk.empty() ? "" : " ") + padInputShownName(pad.inputs[int(a)].front());
  std::string actions = walk.empty() ? "" : ", walk " + walk;
  if (pad.aimStick != PadStick::Neither) actions += ", aim " + stickShown(pad.aimStick);
  actions += firstInput("fire", pad.inputs[int(Action::Fire)]);
  actions += firstInput("run", pad.inputs[int(Action::Run)]);
  actions += firstInput("strike", pad.inputs[int(Action::Strike)]);
  actions += firstInput("dash", pad.inputs[int(Action::Dash)]);
  actions += firstInput("eat", pad.inputs[int(Action::Eat)]);
  return actions.empty() ? text : text + " -" + actions.substr(1);
}

std::string padPauseHint() {
  return platform::replay::textRead(kPadHintTag, padPauseHintText(platform::currentSettings().pad), "");
}
