// The command line and the settings at start (see command_line.h). --help names keys as
// the player's keyboard layout prints them, readied by the backend (port/key_names.h), and
// by their US places where it cannot tell.
#include "app/command_line.h"

#include <cstdio>
#include <string>

#include "platform/port/sound.h"
#include "platform/controls/key_names.h"
#include "game/files/scores.h"
#include "platform/port/storage.h"
#include "platform/settings/settings_file.h"
#include "platform/base/printable_text.h"
#include "platform/port/key_names.h"

namespace platform {
namespace {

void printHelp(const std::string& program, const std::string& path) {
  const Settings settings = peekSettings(path);
  port::startLayoutKeyNames();
  std::printf(
      "Usage: %s [--settings FILE] [--scores] [--watch FILE | --watch-best]\n"
      "A 2-D arena action game: walk, run, strike, dash, eat and fire at the cursor.\n\n"
      "  --settings FILE  read the settings from FILE and keep them there\n"
      "  --scores         print the ten best rounds and the totals, then exit\n"
      "  --watch FILE     watch a recorded round again (Space pauses, the right arrow runs four\n"
      "                   times as fast, Escape leaves)\n"
      "  --watch-best     watch the best kept round again\n"
      "  --help           print this help and the settings, then exit\n\n"
      "Settings file: %s\n"
      "Best scores and kept rounds: %s\n\n"
      "Keys, as your keyboard layout prints them (the file names them by their places on a\n"
      "US keyboard):\n",
      program.c_str(), path.empty() ? "(none: no home folder)" : printableText(path).c_str(),
      dataFolder().empty() ? "(none: no home folder)" : (printableText(dataFolder()) + "/").c_str());
  const std::vector<SettingLine> lines = settingLines(settings);
  for (int a = 0; a < kActionCount; ++a)
    std::printf("  %-12s %-14s %s\n", lines[a].key.c_str(), printedKeyNames(settings.bindings.keys[a]).c_str(),
                lines[a].meaning.c_str());
  std::printf(
      "  Fixed: the left mouse button fires and clicks, the right one clicks; Enter leaves the\n"
      "  game-over screen; F11 or Alt+Enter switches fullscreen; %s mutes and unmutes.\n\n"
      "Other settings:\n",
      printedKeyName(kKeyM).c_str());
  const auto padLine = [](const SettingLine& line) { return line.key.rfind("pad_", 0) == 0; };
  for (std::size_t k = kActionCount; k < lines.size(); ++k)
    if (!padLine(lines[k]))
      std::printf("  %-19s = %-9s %s\n", lines[k].key.c_str(), lines[k].value.c_str(), lines[k].meaning.c_str());
  std::printf(
      "\nGamepad (any pad SDL knows, plugged in at any time; more in gamecontrollerdb.txt beside\n"
      "the settings file):\n  %s\n"
      "  Unplugging the pad in use pauses a round. Buttons by SDL's names in the file:\n",
      padLayoutText(settings.pad).c_str());
  for (const SettingLine& line : lines)
    if (padLine(line)) std::printf("  %-19s = %-12s %s\n", line.key.c_str(), line.value.c_str(), line.meaning.c_str() + 5);
  std::fflush(stdout);
  port::endLayoutKeyNames();
}

}  // namespace

int startFromCommandLine(int argc, char** argv, std::string& watchFile) {
  const std::string program = argc > 0 ? printableText(argv[0]) : "dream-arena";
  const auto usageError = [&](const std::string& line) {
    std::fprintf(stderr, "%s: %s (try --help)\n", program.c_str(), line.c_str());
    return 2;
  };
  std::string path = defaultSettingsPath();
  bool help = false, settingsGiven = false, watchGiven = false;
  // The one thing asked besides playing: --scores, --watch or --watch-best.
  std::string task;
  for (int k = 1; k < argc; ++k) {
    const std::string option = argv[k];
    const std::size_t equals = option.find('=');
    const std::string name = option.rfind("--", 0) == 0 ? option.substr(0, equals) : option;
    const bool takesFile = name == "--settings" || name == "--watch";
    std::string file;
    if (takesFile) {
      if (equals != std::string::npos) file = option.substr(equals + 1);
      else if (k + 1 < argc) file = argv[++k];
      if (file.empty()) return usageError("'" + printableText(name) + "' needs a FILE");
    } else if (equals != std::string::npos && name.rfind("--", 0) == 0) {
      return usageError("'" + printableText(option) + "' is not an option");
    }
    if (name == "--help" || name == "-h") {
      help = true;
    } else if (name == "--settings") {
      if (settingsGiven) return usageError("'--settings' is given twice");
      settingsGiven = true;
      path = file;
    } else if (name == "--scores" || name == "--watch" || name == "--watch-best") {
      if (!task.empty()) return usageError("'" + task + "' and '" + name + "' cannot go together");
      task = name;
      if (name == "--watch") watchFile = file;
      watchGiven = watchGiven || name != "--scores";
    } else {
      return usageError("'" + printableText(option) + "' is not an option");
    }
  }
  if (help) {
    printHelp(program, path);
    return 0;
  }
  if (task == "--scores") return printScores();
  if (task == "--watch-best") {
    std::string reason;
    watchFile = bestRoundFile(reason);
    if (watchFile.empty()) {
      std::fprintf(stderr, "%s: no round to watch: %s\n", program.c_str(), printableText(reason).c_str());
      return 1;
    }
  }
  // Without a home folder the game plays on, keeping nothing of what would live there.
  const bool noData = !watchGiven && dataFolder().empty();
  if (noData || path.empty()) {
    std::printf("no home folder (HOME is not set and the password database names none): playing on%s%s\n",
                path.empty() ? " with the default settings, saving none" : "",
                noData ? (path.empty() ? " and keeping no scores or rounds" : " keeping no scores or rounds") : "");
    std::fflush(stdout);
  }
  loadSettings(path, true);
  const Settings settings = currentSettings();
  setSoundLevel(settings.volume, settings.muted);
  return -1;
}

}  // namespace platform
