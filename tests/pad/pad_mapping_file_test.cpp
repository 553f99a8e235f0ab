// The player's gamecontrollerdb.txt as the game starts its pads: its good Linux lines reach
// SDL's table before any pad opens, other platforms' lines and comments pass without a word,
// and the rejected lines give at most ten warnings and a count. No display needed.
#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/sdl/pads.h"
#include "platform/settings/settings_file.h"

namespace {

namespace fs = std::filesystem;

// Opens the pads as the game does, with the settings folder at folder, and returns what they
// printed; whileOpen runs before they close (SDL's table of mappings lasts until then).
std::string openPadsWithSettingsIn(const fs::path& folder, const std::function<void()>& whileOpen) {
  setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
  platform::loadSettings((folder / "settings.ini").string(), false);
  testing::internal::CaptureStdout();
  platform::Pads* pads = platform::openPads(platform::currentSettings());
  const std::string printed = testing::internal::GetCapturedStdout();
  EXPECT_NE(pads, nullptr) << printed;
  if (pads) {
    whileOpen();
    platform::closePads(pads);
  }
  SDL_Quit();
  return printed;
}

TEST(PadMappingFile, GoodLinesReachSdlAndBadOnesAreCountedOut) {
  const fs::path folder = fs::temp_directory_path() / ("pad_mappings_" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const std::string guid = "03000000aa1100002211000001000000";
  std::ofstream file(folder / "gamecontrollerdb.txt");
  file << "# the community's file starts with comments\n"
       << guid << ",Player's Own Pad,a:b0,b:b1,x:b2,start:b7,platform:Linux,\n"
       << "030000005e0400008e02000000000000,Windows Pad,a:b0,platform:Windows,\n";
  for (int k = 0; k < 12; ++k) file << "not a mapping " << k << ",platform:Linux,\n";
  file.close();

  const std::string printed = openPadsWithSettingsIn(folder, [&guid] {
    char* mapping = SDL_GameControllerMappingForGUID(SDL_JoystickGetGUIDFromString(guid.c_str()));
    ASSERT_NE(mapping, nullptr) << "the player's line is in SDL's table";
    EXPECT_NE(std::string(mapping).find("Player's Own Pad"), std::string::npos) << mapping;
    SDL_free(mapping);
  });

  std::vector<std::string> lines;
  std::istringstream in(printed);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 11u) << printed;
  const std::string path = (folder / "gamecontrollerdb.txt").string();
  EXPECT_EQ(lines[0], path + " line 4: no GUID of 32 hex digits (or default, hidapi, xinput) at its start; skipped");
  EXPECT_EQ(lines[10], path + " and 2 more rejected lines");
  EXPECT_EQ(printed.find("Windows"), std::string::npos) << "other platforms' lines pass quietly";
  fs::remove_all(folder);
}

// A pipe named gamecontrollerdb.txt (nobody writing to it) must not hold the game at its
// start: one line says it was not read, and the pads start with SDL's own mappings.
TEST(PadMappingFile, APipeForTheFileIsNotWaitedOn) {
  const fs::path folder = fs::temp_directory_path() / ("pad_mapping_pipe_" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const std::string path = (folder / "gamecontrollerdb.txt").string();
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  EXPECT_EQ(openPadsWithSettingsIn(folder, [] {}), "cannot read " + path + " (it is not a file); the pads use SDL's own mappings\n");
  fs::remove_all(folder);
}

}  // namespace
