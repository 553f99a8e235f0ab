// The data root: a working directory with the monster table wins, as the game always read
// it; without one the data installed beside the program is used, wherever it was
// installed; with neither the working directory stays, so the game reports the table.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/base/paths.h"

namespace {

namespace fs = std::filesystem;

class DataRoot : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/data_root_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    top_ = pattern;
    fs::create_directories(top_ / "prefix/bin");
    fs::create_directories(top_ / "prefix/share/dream-arena");
    fs::create_directories(top_ / "work");
    program_ = top_ / "prefix/bin/dream-arena";
    installed_ = top_ / "prefix/share/dream-arena";
  }
  void TearDown() override { fs::remove_all(top_); }
  static void writeTable(const fs::path& directory) { std::ofstream(directory / "monsterData.txt") << "1 2 3 1\n"; }

  fs::path top_, program_, installed_;
};

TEST_F(DataRoot, AWorkingDirectoryWithTheTableWins) {
  writeTable(installed_);
  writeTable(top_ / "work");
  EXPECT_EQ(platform::chooseDataRoot(top_ / "work", program_), fs::path());
  // Whatever the table is: the player meant this directory, and hears about its table.
  fs::remove(top_ / "work/monsterData.txt");
  fs::create_directory(top_ / "work/monsterData.txt");
  EXPECT_EQ(platform::chooseDataRoot(top_ / "work", program_), fs::path());
}

TEST_F(DataRoot, WithoutATableTheInstalledDataBesideTheProgramIsUsed) {
  writeTable(installed_);
  EXPECT_EQ(platform::chooseDataRoot(top_ / "work", program_), installed_.lexically_normal());
  // Another prefix: found from the program's place, not from a fixed one.
  fs::rename(top_ / "prefix", top_ / "elsewhere");
  EXPECT_EQ(platform::chooseDataRoot(top_ / "work", top_ / "elsewhere/bin/dream-arena"),
            (top_ / "elsewhere/share/dream-arena").lexically_normal());
}

TEST_F(DataRoot, WithNeitherTheWorkingDirectoryStays) {
  EXPECT_EQ(platform::chooseDataRoot(top_ / "work", program_), fs::path()) << "no installed table";
  writeTable(installed_);
  EXPECT_EQ(platform::chooseDataRoot(top_ / "work", fs::path()), fs::path()) << "no known program file";
}

}  // namespace
