// The replay file keeps every seam answer exactly, pass by pass, in little room: varied and
// game-shaped traffic written and read back, the size of typical passes, and a writer whose
// process dies mid-pass.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdint>

#include "tests/platform/replay_files.h"

namespace {

using namespace replay_files;
using namespace replay_traffic;

// Long repeats, jumps of the clock both ways and across its ends, cursors at the ends of
// their range, every key in both answers, every digest tag, empty and full passes, and more
// distinct pass shapes than the file keeps as references.
Passes variedTraffic() {
  Passes passes;
  passes.push_back({seedRead(1'700'000'123), clockRead(5'000'000)});
  for (int i = 0; i < 1000; ++i) passes.push_back({clockRead(5'000'000 + i / 2), keyQuery('W', i > 500)});
  for (std::uint64_t ms : std::initializer_list<std::uint64_t>{6001000, 0, UINT64_MAX, 0, 1ull << 40, 7, 7 + 31, 7 + 31 + 30})
    passes.push_back({clockRead(ms), clockRead(ms), clockRead(ms + 1)});
  passes.push_back({cursorRead(-5, -7), cursorRead(INT_MIN, INT_MAX), cursorRead(INT_MAX, INT_MIN), cursorRead(0, 0)});
  passes.push_back({cursorRead(1599, 959), cursorRead(1700, -20)});
  for (bool pressed : {true, false, true}) {
    Pass all;
    for (int key = 0; key < 256; ++key) all.push_back(keyQuery(key, pressed != (key % 3 == 0)));
    passes.push_back(all);
  }
  passes.push_back({});
  passes.push_back({digestOf(0, 0), digestOf(30, ~0ull), digestOf(31, 1), digestOf(255, 0x3b11e6fdb04730ceull)});
  passes.push_back(Pass(platform::kReplayMaxPassEvents, clockRead(9)));
  for (int shape = 0; shape < 20; ++shape) {
    Pass pass{clockRead(10'000 + shape)};
    for (int k = 0; k < shape % 11; ++k) pass.push_back(keyQuery('A' + k, (shape + k) % 2));
    if (shape % 4 == 0) pass.push_back(cursorRead(shape * 10, -shape));
    passes.push_back(pass);
  }
  passes.push_back({seedRead(0), seedRead(UINT64_MAX), clockRead(3)});
  return passes;
}

TEST(ReplayRoundTrip, VariedTrafficComesBackExactly) {
  const std::string path = tempPath("varied");
  const Passes passes = variedTraffic();
  writeReplay(path, passes, "dream-arena 1.4.2 (build 77)");
  platform::ReplayReader reader;
  ASSERT_TRUE(reader.open(path)) << reader.error();
  EXPECT_EQ(reader.gameVersion(), "dream-arena 1.4.2 (build 77)");
  EXPECT_EQ(reader.passCount(), passes.size());
  EXPECT_FALSE(reader.cutShort());
  EXPECT_EQ(replayAgainst(reader, passes), "");
  ::unlink(path.c_str());
}

TEST(ReplayRoundTrip, GameShapedMinuteComesBackExactlyInUnderAMegabyte) {
  const std::string path = tempPath("minute");
  const Passes passes = gameShaped(108'000, 7);
  const std::vector<std::uint64_t> ends = writeReplay(path, passes);
  EXPECT_LT(ends.back(), 1'000'000u) << "bytes for a minute of play at 1,800 passes a second";
  platform::ReplayReader reader;
  ASSERT_TRUE(reader.open(path)) << reader.error();
  EXPECT_EQ(replayAgainst(reader, passes), "");
  ::unlink(path.c_str());
}

TEST(ReplayRoundTrip, RepeatedPassesCostOneByteAndATickOfTheClockOneMore) {
  const std::string path = tempPath("sizes");
  Passes passes;
  const Pass drawing{clockRead(100), keyQuery(platform::kVkRight, false), keyQuery('D', true), keyQuery('H', false)};
  for (int i = 0; i < 6; ++i) passes.push_back(drawing);
  Pass ticked = drawing;
  ticked[0] = clockRead(101);
  Pass update = ticked;
  update.insert(update.begin() + 1, {clockRead(101), keyQuery('W', false), keyQuery('J', true), clockRead(101)});
  passes.push_back(ticked);
  passes.push_back(update);
  passes.push_back(ticked);
  passes.push_back(update);
  const std::vector<std::uint64_t> ends = writeReplay(path, passes);
  EXPECT_EQ(ends[3] - ends[2], 1u) << "a pass like the one before";
  EXPECT_EQ(ends[7] - ends[6], 2u) << "a pass like the one before whose clock moved";
  EXPECT_EQ(ends[10] - ends[9], 2u) << "a pass like the one two shapes back: the choice of reference and the end";
  ::unlink(path.c_str());
}

TEST(ReplayRoundTrip, CloseKeepsAPassTheGameDidNotEnd) {
  const std::string path = tempPath("close");
  {
    platform::ReplayWriter writer;
    ASSERT_TRUE(writer.open(path, "v"));
    writer.clock(1);
    ASSERT_TRUE(writer.endPass());
    writer.clock(2);
    writer.key('E', true);
  }
  platform::ReplayReader reader;
  ASSERT_TRUE(reader.open(path)) << reader.error();
  EXPECT_EQ(reader.passCount(), 2u);
  std::uint64_t ms;
  bool pressed;
  ASSERT_TRUE(reader.clock(ms) && reader.endPass() && reader.clock(ms) && reader.key('E', pressed)) << reader.error();
  EXPECT_TRUE(pressed);
  EXPECT_TRUE(reader.endReplay()) << "the last pass may end with the game, without a frame";
  ::unlink(path.c_str());
}

TEST(ReplayRoundTrip, AProcessThatDiesMidPassLeavesEveryWholePass) {
  const std::string path = tempPath("died");
  const Passes passes = gameShaped(500, 3);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    platform::ReplayWriter writer;
    if (!writer.open(path, "v")) ::_exit(2);
    for (const Pass& pass : passes) {
      for (const auto& e : pass) feed(writer, e);
      writer.endPass();
    }
    writer.clock(1);
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  platform::ReplayReader reader;
  ASSERT_TRUE(reader.open(path)) << reader.error();
  EXPECT_EQ(reader.passCount(), passes.size());
  EXPECT_EQ(replayAgainst(reader, passes), "");
  ::unlink(path.c_str());
}

}  // namespace
