// The program's command line: each usage error is one line on standard error and status 2,
// made before any file; --help and --scores print and end with 0; --watch-best without a
// kept round ends with 1; otherwise the game plays (-1), the settings read (the first start
// writes them) and the file to watch handed back.
#include "app/command_line.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Case {
  std::vector<std::string> args;
  int status;
  std::string stderrLine;  // exact, or empty for none
  std::string stdoutStart;  // what standard output begins with
  std::string watchFile;
  std::string settingsMade;  // a settings file the start writes, relative to the home; empty: none
};

TEST(CommandLine, UsageErrorsHelpScoresAndPlayEachAnswerAsTheRulesSay) {
  const fs::path home = fs::temp_directory_path() / ("command_line_test_" + std::to_string(::getpid()));
  ::setenv("ALSOFT_DRIVERS", "null", 1);  // a start that plays opens the null sound output, quietly
  const std::string usage = "dream-arena: ";
  const std::string tryHelp = " (try --help)\n";
  const Case cases[] = {
      {{"--bogus"}, 2, usage + "'--bogus' is not an option" + tryHelp, "", "", ""},
      {{"extra"}, 2, usage + "'extra' is not an option" + tryHelp, "", "", ""},
      {{"--help=yes"}, 2, usage + "'--help=yes' is not an option" + tryHelp, "", "", ""},
      {{"--settings"}, 2, usage + "'--settings' needs a FILE" + tryHelp, "", "", ""},
      {{"--settings="}, 2, usage + "'--settings' needs a FILE" + tryHelp, "", "", ""},
      {{"--watch", ""}, 2, usage + "'--watch' needs a FILE" + tryHelp, "", "", ""},
      {{"--settings", "a.ini", "--settings", "b.ini"}, 2, usage + "'--settings' is given twice" + tryHelp, "", "", ""},
      {{"--watch", "r.replay", "--watch-best"}, 2, usage + "'--watch' and '--watch-best' cannot go together" + tryHelp, "", "", ""},
      {{"--scores", "--watch", "r.replay"}, 2, usage + "'--scores' and '--watch' cannot go together" + tryHelp, "", "", ""},
      {{"--scores", "--watch-best"}, 2, usage + "'--scores' and '--watch-best' cannot go together" + tryHelp, "", "", ""},
      {{"--help", "--bogus"}, 2, usage + "'--bogus' is not an option" + tryHelp, "", "", ""},
      {{"--watch-best"}, 1, usage + "no round to watch: no round is kept in " + (home / "data/dream-arena").string() + "\n", "", "", ""},
      {{"--help"}, 0, "", "Usage: dream-arena [--settings FILE]", "", ""},
      {{"-h", "--settings", "mine.ini"}, 0, "", "Usage: dream-arena [--settings FILE]", "", ""},
      {{"--scores"}, 0, "", "Best rounds (" + (home / "data/dream-arena/scores.txt").string() + "):\n  none kept yet\n", "", ""},
      {{}, -1, "", "", "", "config/dream-arena/settings.ini"},
      {{"--watch", "r.replay"}, -1, "", "", "r.replay", "config/dream-arena/settings.ini"},
      {{"--watch=r.replay", "--settings=mine.ini"}, -1, "", "", "r.replay", "mine.ini"},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (const std::string& a : c.args) shown += " '" + a + "'";
    SCOPED_TRACE("dream-arena" + shown);
    fs::remove_all(home);
    fs::create_directories(home);
    ASSERT_EQ(::chdir(home.c_str()), 0);
    ::setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);

    std::vector<std::string> words = {"dream-arena"};
    words.insert(words.end(), c.args.begin(), c.args.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    std::string watchFile;
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int status = platform::startFromCommandLine(int(words.size()), argv.data(), watchFile);
    const std::string out = ::testing::internal::GetCapturedStdout();
    const std::string err = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(status, c.status);
    EXPECT_EQ(err, c.stderrLine);
    EXPECT_EQ(out.rfind(c.stdoutStart, 0), 0u) << out;
    if (c.status == 2) {
      EXPECT_EQ(out, "") << "a usage error prints nothing else";
    }
    if (c.status == -1) {
      EXPECT_EQ(watchFile, c.watchFile);
    }
    std::vector<std::string> made;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(home))
      if (e.is_regular_file()) made.push_back(fs::relative(e.path(), home).string());
    EXPECT_EQ(made, c.settingsMade.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.settingsMade})
        << "only a start that plays writes its settings file, and nothing else";
  }
  ::chdir("/");
  fs::remove_all(home);
  ::unsetenv("XDG_CONFIG_HOME");
  ::unsetenv("XDG_DATA_HOME");
}

}  // namespace
