// The settings file on disk: where it lives, the first start writing every setting, a
// remembered switch rewriting only its own line through a temporary file and a rename, a
// file with bad lines never rewritten, and a path that cannot be read or written giving one
// line and the defaults. Each case works in a temporary folder of its own.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/settings/settings_file.h"
#include "platform/port/storage.h"

namespace {

namespace fs = std::filesystem;

std::string fileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// The lines loadSettings printed.
std::string loadPrinting(const fs::path& path, bool firstStart) {
  ::testing::internal::CaptureStdout();
  platform::loadSettings(path.string(), firstStart);
  return ::testing::internal::GetCapturedStdout();
}

class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("settings_file_test_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    if (immutable_) std::system(("chattr -i '" + dir_.string() + "'").c_str());
    fs::permissions(dir_, fs::perms::owner_all);
    fs::remove_all(dir_);
  }

  // Makes dir_ a folder nobody can write in: no write permission, and for root (who ignores
  // permissions) the immutable attribute. False when neither holds here.
  bool makeUnwritable() {
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(dir_.c_str(), W_OK) == 0) immutable_ = std::system(("chattr +i '" + dir_.string() + "' 2>/dev/null").c_str()) == 0;
    const fs::path probe = dir_ / "probe";
    std::ofstream(probe) << "x";
    if (!fs::exists(probe)) return true;
    fs::remove(probe);
    return false;
  }

  fs::path dir_;
  bool immutable_ = false;
};

TEST_F(SettingsFile, PathFollowsTheEnvironmentReadNow) {
  const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
  const std::string config = savedConfig ? savedConfig : "";
  ::setenv("XDG_CONFIG_HOME", "/somewhere/config", 1);
  EXPECT_EQ(platform::defaultSettingsPath(), "/somewhere/config/dream-arena/settings.ini");
  ::setenv("XDG_CONFIG_HOME", "", 1);
  EXPECT_EQ(platform::defaultSettingsPath(), std::string(std::getenv("HOME")) + "/.config/dream-arena/settings.ini");
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(platform::defaultSettingsPath(), std::string(std::getenv("HOME")) + "/.config/dream-arena/settings.ini");
  ::setenv("XDG_CONFIG_HOME", "config", 1);
  EXPECT_EQ(platform::defaultSettingsPath(), std::string(std::getenv("HOME")) + "/.config/dream-arena/settings.ini")
      << "a relative XDG_CONFIG_HOME is ignored";
  const std::string home = std::getenv("HOME");
  ::unsetenv("HOME");
  const passwd* user = ::getpwuid(::getuid());
  if (user && *user->pw_dir) {
    EXPECT_EQ(platform::defaultSettingsPath(), std::string(user->pw_dir) + "/.config/dream-arena/settings.ini")
        << "without HOME, the password database's home";
  }
  ::setenv("HOME", home.c_str(), 1);
  ::unsetenv("XDG_CONFIG_HOME");
  if (savedConfig) ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
}

// The folder rule itself, with every source of a home given or not.
TEST(PlayerFolders, FollowTheXdgRulesAndTheHomeFolder) {
  const struct {
    const char* variable;
    const char* home;
    const char* recorded;
    std::string folder;
  } cases[] = {
      {"/x/data", "/home/a", "/home/b", "/x/data/dream-arena"},
      {"x/data", "/home/a", "/home/b", "/home/a/.local/share/dream-arena"},
      {"", "/home/a", nullptr, "/home/a/.local/share/dream-arena"},
      {nullptr, "", "/home/b", "/home/b/.local/share/dream-arena"},
      {nullptr, nullptr, "/home/b", "/home/b/.local/share/dream-arena"},
      {"./data", nullptr, "", ""},
      {nullptr, nullptr, nullptr, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(platform::playerFolder(c.variable, c.home, c.recorded, "/.local/share"), c.folder)
        << (c.variable ? c.variable : "(unset)") << ", HOME " << (c.home ? c.home : "(unset)") << ", recorded "
        << (c.recorded ? c.recorded : "(none)");
}

// An editor's byte order mark is passed over (the file stays the player's to rewrite, the
// mark kept), a comment is never judged, and warnings stop at ten, their text unable to drive
// the terminal.
TEST_F(SettingsFile, AMarkOrAFloodOfBadLinesReadsSafely) {
  const fs::path path = dir_ / "settings.ini";
  writeText(path, "\xEF\xBB\xBF" "fullscreen = no\n# caf\xE9 \x1B[2J\nvolume = 40\n");
  EXPECT_EQ(loadPrinting(path, true), "");
  EXPECT_EQ(platform::currentSettings().volume, 40);
  platform::rememberFullscreen(true);
  EXPECT_EQ(fileText(path), "\xEF\xBB\xBF" "fullscreen = yes\n# caf\xE9 \x1B[2J\nvolume = 40\n");

  std::string flood = "strike = \x1B]0;owned\x07\n";
  for (int k = 0; k < 24; ++k) flood += "loud\n";
  writeText(path, flood);
  const std::string said = loadPrinting(path, true);
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 11) << said;
  EXPECT_NE(said.find(path.string() + " and 15 more rejected lines\n"), std::string::npos) << said;
  EXPECT_NE(said.find("no key named '\\x1B]0;owned\\x07' for strike"), std::string::npos) << said;
  EXPECT_EQ(said.find_first_of("\x1B\x07"), std::string::npos) << "no control character reaches the terminal";
}

TEST_F(SettingsFile, FirstStartWritesEverySettingAndMakesTheFolder) {
  const fs::path path = dir_ / "config" / "dream-arena" / "settings.ini";
  EXPECT_EQ(loadPrinting(path, true), "");
  EXPECT_EQ(fileText(path), platform::defaultSettingsText());
  EXPECT_EQ(loadPrinting(path, true), "") << "the written file reads clean";
  EXPECT_EQ(std::distance(fs::directory_iterator(path.parent_path()), fs::directory_iterator()), 1)
      << "no temporary file is left beside it";

  const fs::path other = dir_ / "elsewhere.ini";
  loadPrinting(other, false);
  EXPECT_FALSE(fs::exists(other)) << "only a start writes a missing file";
}

TEST_F(SettingsFile, SwitchesRewriteOnlyTheirOwnLine) {
  const fs::path path = dir_ / "settings.ini";
  const std::string mine = "# mine\r\nstrike = L\r\nfullscreen=no\r\n\n  muted = no # not a comment\nvolume = 40\n";
  writeText(path, mine + "muted = no\n");
  ASSERT_NE(loadPrinting(path, true), "") << "a value 'no # not a comment' is bad";
  platform::rememberFullscreen(true);
  EXPECT_EQ(fileText(path), mine + "muted = no\n") << "a file with a bad line is never rewritten";
  EXPECT_TRUE(platform::currentSettings().fullscreen) << "the running game still switched";

  writeText(path, mine.substr(0, mine.find("  muted")) + "volume = 40\n");
  EXPECT_EQ(loadPrinting(path, true), "");
  EXPECT_EQ(platform::currentSettings().volume, 40);
  platform::rememberFullscreen(true);
  platform::rememberMuted(true);
  EXPECT_EQ(fileText(path), "# mine\r\nstrike = L\r\nfullscreen=yes\r\n\nvolume = 40\nmuted = yes\n");
  platform::rememberFullscreen(false);
  EXPECT_EQ(fileText(path), "# mine\r\nstrike = L\r\nfullscreen=no\r\n\nvolume = 40\nmuted = yes\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1) << "no temporary file is left";
}

// The safe write: a write that fails part way (here the process may write no more than 8
// bytes to a file) leaves the old file whole and no temporary file beside it.
TEST_F(SettingsFile, AFailedWriteLeavesTheOldFileWhole) {
  const fs::path path = dir_ / "settings.ini";
  writeText(path, "volume = 40\n");
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 8;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string reason;
  const bool written = platform::replaceFile(path.string(), std::string(4096, '#'), reason);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, savedSignal);
  EXPECT_FALSE(written);
  EXPECT_EQ(reason, std::strerror(EFBIG));
  EXPECT_EQ(fileText(path), "volume = 40\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1) << "no temporary file is left";
}

TEST_F(SettingsFile, BadLinesWarnWithTheFileAndLine) {
  const fs::path path = dir_ / "settings.ini";
  writeText(path, "volume = 40\n\n\nstrike = Foo\nloud\n");
  EXPECT_EQ(loadPrinting(path, true), path.string() + " line 4: no key named 'Foo' for strike; kept J 1\n" +
                                          path.string() + " line 5: no '=' in 'loud'; skipped\n");
  EXPECT_EQ(platform::currentSettings().volume, 40) << "good lines still count";
}

TEST_F(SettingsFile, UnreadablePathsGiveOneLineAndTheDefaults) {
  const fs::path folder = dir_ / "settings.ini";
  fs::create_directories(folder);
  EXPECT_EQ(loadPrinting(folder, true), "cannot read settings " + folder.string() +
                                            ": it is a folder; playing with the defaults, nothing is saved\n");
  ::testing::internal::CaptureStdout();
  platform::rememberFullscreen(true);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "") << "nothing is tried again";
  EXPECT_TRUE(fs::is_directory(folder));

  // A pipe would block the game at its start: refused like a folder.
  const fs::path pipe = dir_ / "pipe.ini";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(loadPrinting(pipe, true), "cannot read settings " + pipe.string() +
                                          ": it is not a file; playing with the defaults, nothing is saved\n");

  const fs::path file = dir_ / "plain";
  writeText(file, "fullscreen = yes\n");
  const std::string underFile = loadPrinting(file / "settings.ini", true);
  EXPECT_EQ(underFile, "cannot read settings " + (file / "settings.ini").string() +
                           ": Not a directory; playing with the defaults, nothing is saved\n");
  EXPECT_FALSE(platform::currentSettings().fullscreen);

  if (::geteuid() != 0) {
    writeText(dir_ / "locked.ini", "fullscreen = yes\n");
    fs::permissions(dir_ / "locked.ini", fs::perms::none);
    EXPECT_EQ(loadPrinting(dir_ / "locked.ini", true),
              "cannot read settings " + (dir_ / "locked.ini").string() +
                  ": Permission denied; playing with the defaults, nothing is saved\n");
  }
}

TEST_F(SettingsFile, AnUnwritableFolderGivesOneLineAndTheDefaults) {
  const fs::path path = dir_ / "settings.ini";
  writeText(path, "volume = 30\n");
  if (!makeUnwritable()) GTEST_SKIP() << "no way to make a folder unwritable here";
  EXPECT_EQ(loadPrinting(path, true), "");
  EXPECT_EQ(platform::currentSettings().volume, 30) << "a readable file on a read-only disk is still read";
  ::testing::internal::CaptureStdout();
  platform::rememberMuted(true);
  platform::rememberMuted(false);
  const std::string said = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(said.rfind("cannot save settings " + path.string() + ": ", 0), 0u) << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_EQ(fileText(path), "volume = 30\n");

  const fs::path missing = dir_ / "dream-arena" / "settings.ini";
  const std::string first = loadPrinting(missing, true);
  EXPECT_EQ(first.rfind("cannot write settings " + missing.string() + ": ", 0), 0u) << first;
  EXPECT_NE(first.find("; playing with the defaults, nothing is saved\n"), std::string::npos) << first;
  EXPECT_EQ(platform::currentSettings().volume, 100);
}

}  // namespace
