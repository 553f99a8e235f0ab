// The settings file's text (see settings.h): the reader with its warnings and binding
// rules, the default text, and the one-line rewrite.
#include "platform/settings/settings.h"

#include <cstdint>
#include <map>

namespace platform {
namespace {

const char* const kHeader =
    "# dream-arena settings. Keys go by their place on a US keyboard, named as SDL names them\n"
    "# (scancode names), so W A S D walk with the same four keys on any layout; several keys\n"
    "# for one action are separated by spaces. M (mute), F11 and Enter are fixed.\n"
    "# Pad buttons go by SDL's game-controller names (a b x y back start leftshoulder\n"
    "# rightshoulder leftstick rightstick dpup dpdown dpleft dpright lefttrigger righttrigger).\n";

std::string trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// 3 when text opens with UTF-8's byte order mark (an editor's), which is passed over, else 0.
std::size_t byteOrderMarkLength(const std::string& text) { return text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0; }

// True when the line is UTF-8 without NUL bytes.
bool validText(const std::string& line) {
  for (std::size_t at = 0; at < line.size();) {
    const auto byte = static_cast<std::uint8_t>(line[at]);
    if (byte == 0) return false;
    const int follow = byte < 0x80 ? 0 : (byte >> 5) == 0x6 ? 1 : (byte >> 4) == 0xE ? 2 : (byte >> 3) == 0x1E ? 3 : -1;
    if (follow < 0 || at + follow >= line.size()) return false;
    for (int k = 1; k <= follow; ++k)
      if ((static_cast<std::uint8_t>(line[at + k]) >> 6) != 0x2) return false;
    at += 1 + follow;
  }
  return true;
}

std::string lowered(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return text;
}

bool readYesNo(const std::string& value, bool& out) {
  const std::string word = lowered(value);
  if (word != "yes" && word != "no") return false;
  out = word == "yes";
  return true;
}

// A whole number from 0 to most, in no more digits than most has.
bool readWholeNumber(const std::string& value, int most, int& out) {
  if (value.empty() || value.size() > std::to_string(most).size() ||
      value.find_first_not_of("0123456789") != std::string::npos)
    return false;
  const int number = std::stoi(value);
  if (number > most) return false;
  out = number;
  return true;
}

const char* yesNo(bool value) { return value ? "yes" : "no"; }
const char* pacingName(FramePacing pacing) { return pacing == FramePacing::Display ? "display" : "uncapped"; }

int actionNamed(const std::string& key) {
  for (int a = 0; a < kActionCount; ++a)
    if (key == actionInfo(Action(a)).name) return a;
  return -1;
}

// A warning whose end ("kept ...") names what an action's keys came to, known only once
// every line is read.
struct Warning {
  std::string text;
  int action = -1;
  PadInputList* padInputs = nullptr;  // or the pad inputs a pad line's warning names
};

// What a fixed key does.
const char* fixedUse(KeyCode key) {
  return key == kKeyM ? "mute" : key == kKeyF11 ? "fullscreen" : "Enter";
}

// Reads one action's keys and checks them against the keys earlier lines took; false with
// the problem when the line cannot have them.
bool takeKeys(int action, const std::string& value, const std::vector<int>& owner, KeyList& keys,
              std::string& problem) {
  std::string unknown;
  const std::string name = actionInfo(Action(action)).name;
  if (!parseKeyNames(value, keys, unknown)) {
    problem = "no key named '" + unknown + "' for " + name;
    return false;
  }
  for (KeyCode key : keys) {
    const std::string keyName = keyNames({key});
    if (reservedKey(key)) {
      problem = keyName + " is the " + fixedUse(key) + " key, not for " + name;
      return false;
    }
    if (owner[key] >= 0) {
      problem = keyName + " is already bound to " + actionInfo(Action(owner[key])).name;
      return false;
    }
  }
  return true;
}

const std::string kPadPrefix = "pad_";

// The action a pad line binds ("pad_strike"), or -1.
int padActionNamed(const std::string& key) {
  return key.rfind(kPadPrefix, 0) == 0 ? actionNamed(key.substr(kPadPrefix.size())) : -1;
}

// Reads a pad line's inputs and checks them against those earlier lines of the same group
// (the actions, or the screens' click and Enter) took.
bool takePadInputs(const std::string& key, const std::string& value, const std::vector<std::string>& owner,
                   PadInputList& inputs, std::string& problem) {
  std::string unknown;
  if (!parsePadNames(value, inputs, unknown)) {
    problem = "no pad button named '" + unknown + "' for " + key;
    return false;
  }
  for (int input : inputs) {
    if (owner[input].empty()) continue;
    problem = padNames({input}) + " is already bound to " + owner[input];
    return false;
  }
  return true;
}

}  // namespace

SettingsReading readSettings(const std::string& text) {
  SettingsReading reading;
  Settings& settings = reading.settings;
  std::vector<Warning> warnings;
  std::vector<int> owner(kKeyCodeCount, -1);  // the action whose own line took each key
  bool ownLine[kActionCount] = {};
  std::map<std::string, int> lineOf;
  std::vector<std::string> padOwner(kPadInputCount), screenOwner(kPadInputCount);  // the line's key per input
  bool ownPadLine[kActionCount] = {};
  bool ownClickLine = false, ownEnterLine = false;
  const std::vector<SettingLine> defaultLines = settingLines(Settings{});
  int number = 0;
  for (std::size_t start = byteOrderMarkLength(text); start < text.size(); ++number) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string where = "line " + std::to_string(number + 1) + ": ";
    const std::string content = trim(line);
    if (content.empty() || content[0] == '#' || content[0] == ';') continue;  // a comment's bytes are never judged
    if (!validText(line)) {
      warnings.push_back({where + "not valid text; skipped"});
      continue;
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string::npos) {
      warnings.push_back({where + "no '=' in '" + content + "'; skipped"});
      continue;
    }
    const std::string key = trim(content.substr(0, equals));
    const std::string value = trim(content.substr(equals + 1));
    const int action = actionNamed(key);
    const int padAction = padActionNamed(key);
    bool known = action >= 0;
    for (const SettingLine& setting : defaultLines) known = known || setting.key == key;
    if (!known) {
      warnings.push_back({where + "unknown setting '" + key + "'; skipped"});
      continue;
    }
    if (lineOf.count(key)) {
      warnings.push_back({where + key + " is already set on line " + std::to_string(lineOf[key]) + "; skipped"});
      continue;
    }
    lineOf[key] = number + 1;
    std::string problem;
    if (action >= 0) {
      KeyList keys;
      if (!takeKeys(action, value, owner, keys, problem)) {
        warnings.push_back({where + problem, action});
        continue;
      }
      ownLine[action] = true;
      for (KeyCode taken : keys) owner[taken] = action;
      settings.bindings.keys[action] = keys;
      continue;
    }
    if (padAction >= 0 || key == "pad_click" || key == "pad_enter") {
      std::vector<std::string>& owners = padAction >= 0 ? padOwner : screenOwner;
      PadInputList inputs;
      PadInputList& target = padAction >= 0 ? settings.pad.inputs[padAction]
                             : key == "pad_click"  ? settings.pad.click
                                                   : settings.pad.enter;
      if (!takePadInputs(key, value, owners, inputs, problem)) {
        warnings.push_back({where + problem, -1, &target});
        continue;
      }
      for (int input : inputs) owners[input] = key;
      (key == "pad_click" ? ownClickLine : key == "pad_enter" ? ownEnterLine : ownPadLine[padAction]) = true;
      target = inputs;
      continue;
    }
    bool ok = true;
    if (key == "pad_walk_stick" || key == "pad_aim_stick") {
      ok = parseStickName(lowered(value), key == "pad_walk_stick" ? settings.pad.walkStick : settings.pad.aimStick);
      problem = "must be left, right or none";
    } else if (key == "pad_dead_zone") {
      ok = readWholeNumber(value, 99, settings.pad.deadZone);
      problem = "must be a whole number from 0 to 99 (percent of full tilt)";
    } else if (key == "pause_on_focus_loss") {
      ok = readYesNo(value, settings.pauseOnFocusLoss);
      problem = "must be yes or no";
    } else if (key == "muted") {
      ok = readYesNo(value, settings.muted);
      problem = "must be yes or no";
    } else if (key == "fullscreen") {
      ok = readYesNo(value, settings.fullscreen);
      problem = "must be yes or no";
    } else if (key == "volume") {
      ok = readWholeNumber(value, 100, settings.volume);
      problem = "must be a whole number from 0 to 100";
    } else if (key == "frame_pacing") {
      const std::string word = lowered(value);
      ok = word == "uncapped" || word == "display";
      if (ok) settings.framePacing = word == "display" ? FramePacing::Display : FramePacing::Uncapped;
      problem = "must be uncapped or display";
    }
    if (ok) continue;
    std::string kept;
    for (const SettingLine& setting : defaultLines)
      if (setting.key == key) kept = setting.value;
    warnings.push_back({where + key + " " + problem + ", not '" + value + "'; kept " + kept});
  }
  // Actions without a line of their own keep those of their default keys that no line took.
  const Bindings defaults = defaultBindings();
  for (int a = 0; a < kActionCount; ++a) {
    if (ownLine[a]) continue;
    KeyList& keys = settings.bindings.keys[a];
    keys.clear();
    for (KeyCode key : defaults.keys[a])
      if (owner[key] < 0) keys.push_back(key);
  }
  // Pad actions without a line of their own keep those default inputs no pad line took.
  const PadBindings padDefaults = defaultPadBindings();
  for (int a = 0; a < kActionCount; ++a) {
    if (ownPadLine[a]) continue;
    PadInputList& inputs = settings.pad.inputs[a];
    inputs.clear();
    for (int input : padDefaults.inputs[a])
      if (padOwner[input].empty()) inputs.push_back(input);
  }
  const std::pair<bool, PadInputList*> screens[] = {{ownClickLine, &settings.pad.click}, {ownEnterLine, &settings.pad.enter}};
  for (int k = 0; k < 2; ++k) {
    if (screens[k].first) continue;
    PadInputList& inputs = *screens[k].second;
    const PadInputList defaults = k == 0 ? padDefaults.click : padDefaults.enter;
    inputs.clear();
    for (int input : defaults)
      if (screenOwner[input].empty()) inputs.push_back(input);
  }
  if (settings.pad.walkStick != PadStick::Neither && settings.pad.walkStick == settings.pad.aimStick) {
    warnings.push_back({"pad_walk_stick and pad_aim_stick name the same stick; kept left and right"});
    settings.pad.walkStick = PadStick::Left;
    settings.pad.aimStick = PadStick::Right;
  }
  for (const Warning& warning : warnings) {
    if (warning.padInputs) {
      reading.warnings.push_back(warning.text + "; kept " + (warning.padInputs->empty() ? "none" : padNames(*warning.padInputs)));
      continue;
    }
    if (warning.action < 0) {
      reading.warnings.push_back(warning.text);
      continue;
    }
    const KeyList& kept = settings.bindings.keys[warning.action];
    reading.warnings.push_back(warning.text + "; kept " + (kept.empty() ? "no key" : keyNames(kept)));
  }
  return reading;
}

std::vector<SettingLine> settingLines(const Settings& settings) {
  std::vector<SettingLine> lines;
  for (int a = 0; a < kActionCount; ++a) {
    const ActionInfo& info = actionInfo(Action(a));
    lines.push_back({info.name, keyNames(settings.bindings.keys[a]), info.meaning});
  }
  lines.push_back({"pause_on_focus_loss", yesNo(settings.pauseOnFocusLoss),
                   "pause when the window loses the keyboard focus: yes or no"});
  lines.push_back({"frame_pacing", pacingName(settings.framePacing),
                   "uncapped draws every frame at once; display waits for the screen's refresh"});
  lines.push_back({"volume", std::to_string(settings.volume), "sound volume, 0 to 100"});
  lines.push_back({"muted", yesNo(settings.muted), "all sound off (M switches it while playing): yes or no"});
  lines.push_back({"fullscreen", yesNo(settings.fullscreen),
                   "start fullscreen (F11 or Alt+Enter switches it while playing): yes or no"});
  for (int a = 0; a < kActionCount; ++a) {
    const ActionInfo& info = actionInfo(Action(a));
    lines.push_back({kPadPrefix + info.name, padNames(settings.pad.inputs[a]), "pad: " + std::string(info.meaning)});
  }
  lines.push_back({"pad_click", padNames(settings.pad.click),
                   "pad: the title's and game-over screen's click, as the right mouse button"});
  lines.push_back({"pad_enter", padNames(settings.pad.enter), "pad: Enter, which leaves the game-over screen"});
  lines.push_back({"pad_walk_stick", stickName(settings.pad.walkStick), "pad: the stick that walks: left, right or none"});
  lines.push_back({"pad_aim_stick", stickName(settings.pad.aimStick),
                   "pad: the stick that aims, 300 pixels from you the way it points: left, right or none"});
  lines.push_back({"pad_dead_zone", std::to_string(settings.pad.deadZone),
                   "pad: how far a stick must tilt to count, in percent of full tilt (0 to 99)"});
  return lines;
}

std::string defaultSettingsText() {
  std::string text = kHeader;
  for (const SettingLine& line : settingLines(Settings{}))
    text += "\n# " + line.meaning + "\n" + line.key + " = " + line.value + "\n";
  return text;
}

std::string withSetting(const std::string& text, const std::string& key, const std::string& value) {
  for (std::size_t start = byteOrderMarkLength(text); start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    const std::size_t equals = line.find('=');
    const std::string content = trim(line);
    if (equals != std::string::npos && content[0] != '#' && content[0] != ';' && trim(line.substr(0, equals)) == key) {
      const std::size_t valueStart = line.find_first_not_of(" \t", equals + 1);
      const std::string lead = line.substr(0, valueStart == std::string::npos ? line.size() : valueStart);
      const std::string lineEnd = !line.empty() && line.back() == '\r' ? "\r" : "";
      return text.substr(0, start) + lead + value + lineEnd + text.substr(end);
    }
    start = end + 1;
  }
  const std::string separator = text.empty() || text.back() == '\n' ? "" : "\n";
  return text + separator + key + " = " + value + "\n";
}

}  // namespace platform
