// A replay that asks for something other than what its file holds departs at once, with one
// line naming the pass (counted from 1), what the game asked and what the file holds; after
// that the reader answers nothing.
#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/platform/replay_files.h"

namespace {

using namespace replay_files;
using namespace replay_traffic;

class ReplayDeparture : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = tempPath("departure");
    passes_ = {{seedRead(1'700'000'000), clockRead(50)},
               {clockRead(51), keyQuery('W', true), keyQuery(platform::kVkLButton, false)},
               {clockRead(51), cursorRead(-3, 1200), digestOf(1, 0xabcdef)},
               {clockRead(62)}};
    writeReplay(path_, passes_);
    ASSERT_TRUE(reader_.open(path_)) << reader_.error();
  }
  void TearDown() override { ::unlink(path_.c_str()); }

  std::string path_;
  Passes passes_;
  platform::ReplayReader reader_;
};

TEST_F(ReplayDeparture, OtherKindOrOtherKeyNamesThePassAndBothSides) {
  std::uint64_t ms;
  bool pressed;
  EXPECT_FALSE(reader_.clock(ms));
  EXPECT_EQ(reader_.error(), "replay departs at pass 1: the game read the clock; the file holds the seed (1700000000)");

  ASSERT_TRUE(reader_.open(path_));
  ASSERT_TRUE(reader_.seed(ms) && reader_.clock(ms) && reader_.endPass() && reader_.clock(ms));
  EXPECT_FALSE(reader_.key('A', pressed));
  EXPECT_EQ(reader_.error(), "replay departs at pass 2: the game asked for key 'A' (0x41); the file holds a query for key "
                             "'W' (0x57), pressed");

  ASSERT_TRUE(reader_.open(path_));
  EXPECT_FALSE(reader_.key(300, pressed));
  EXPECT_EQ(reader_.error(), "replay departs at pass 1: the game asked for key code 300; the file holds the seed "
                             "(1700000000)");
}

TEST_F(ReplayDeparture, APassThatEndsEarlyOrLateDeparts) {
  std::uint64_t ms;
  int x, y;
  ASSERT_TRUE(reader_.seed(ms));
  EXPECT_FALSE(reader_.endPass());
  EXPECT_EQ(reader_.error(), "replay departs at pass 1: the game ended its pass; the file holds a clock read (50 ms)");

  ASSERT_TRUE(reader_.open(path_));
  ASSERT_TRUE(reader_.seed(ms) && reader_.clock(ms));
  EXPECT_FALSE(reader_.cursor(x, y));
  EXPECT_EQ(reader_.error(), "replay departs at pass 1: the game read the cursor; the file holds the end of the pass");
}

TEST_F(ReplayDeparture, ADigestIsShownBeforeItIsTakenAndADifferentOneDeparts) {
  std::uint64_t ms;
  int x, y;
  bool pressed;
  ASSERT_TRUE(reader_.seed(ms) && reader_.clock(ms) && reader_.endPass());
  ASSERT_TRUE(reader_.clock(ms) && reader_.key('W', pressed) && reader_.key(platform::kVkLButton, pressed));
  EXPECT_EQ(reader_.peek(), nullptr) << "at the end of a pass";
  ASSERT_TRUE(reader_.endPass() && reader_.clock(ms) && reader_.cursor(x, y));
  EXPECT_EQ(x, -3);
  EXPECT_EQ(y, 1200);
  ASSERT_NE(reader_.peek(), nullptr);
  EXPECT_EQ(*reader_.peek(), digestOf(1, 0xabcdef));
  EXPECT_FALSE(reader_.checkDigest(1, 0xabcdee));
  EXPECT_EQ(reader_.error(), "replay departs at pass 3: digest 1 differs: the file holds 0x0000000000abcdef, the game "
                             "made 0x0000000000abcdee");
  EXPECT_EQ(reader_.peek(), nullptr) << "after a departure";
}

TEST_F(ReplayDeparture, AskingBeyondTheFileOrEndingBeforeItDeparts) {
  EXPECT_EQ(replayAgainst(reader_, {passes_.begin(), passes_.begin() + 2}),
            "replay departs at pass 3: the game ended; the file holds a clock read (51 ms) and 1 pass more");
  ASSERT_TRUE(reader_.open(path_));
  EXPECT_EQ(replayAgainst(reader_, passes_), "");
  std::uint64_t ms;
  EXPECT_FALSE(reader_.clock(ms));
  EXPECT_EQ(reader_.error(), "replay departs at pass 5: the game read the clock; the file ends after pass 4");
}

TEST_F(ReplayDeparture, TheFirstDepartureStaysAndNothingIsAnsweredAfterIt) {
  std::uint64_t ms;
  bool pressed;
  EXPECT_FALSE(reader_.key('W', pressed));
  const std::string first = reader_.error();
  EXPECT_FALSE(reader_.seed(ms));
  EXPECT_FALSE(reader_.endPass());
  EXPECT_FALSE(reader_.endReplay());
  EXPECT_EQ(reader_.error(), first);
}

TEST(ReplayDepartureDeep, AMissingQueryIsNamedAtItsPass) {
  const std::string path = tempPath("deep");
  const Passes passes = gameShaped(9'000, 21);
  writeReplay(path, passes);
  Passes asked = passes;
  std::size_t changed = 4'321;
  while (asked[changed].size() < 3) ++changed;
  asked[changed].erase(asked[changed].begin() + 1);
  platform::ReplayReader reader;
  ASSERT_TRUE(reader.open(path)) << reader.error();
  const std::string departure = replayAgainst(reader, asked);
  EXPECT_EQ(departure.rfind("replay departs at pass " + std::to_string(changed + 1) + ": ", 0), 0u) << departure;
  EXPECT_EQ(reader.pass(), changed + 1);
  ::unlink(path.c_str());
}

}  // namespace
