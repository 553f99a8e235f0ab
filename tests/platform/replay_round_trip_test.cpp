// The replay file keeps every seam answer exactly, pass by pass, in little room: varied and
// game-shaped traffic written and read back, every step of the clock the coder may meet, the
// size of typical passes, and a writer whose process dies mid-pass.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdio>

#include "platform/replay/replay_codec.h"
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
  passes.push_back({valueOf(0, 0), valueOf(1, 1), valueOf(255, UINT64_MAX), valueOf(2, 0x6f6c6c6568)});
  for (int i = 0; i < 40; ++i) passes.push_back({clockRead(20'000 + i), valueOf(1, i % 7 == 0)});
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

// What the coder makes of a step of the clock between two passes, decoded again: "" when
// the stepped reading and the key query after it come back exactly.
std::string clockStepRoundTrip(std::uint64_t from, std::uint64_t to) {
  const Passes passes{{clockRead(from)}, {clockRead(to), keyQuery('W', true)}, {clockRead(to)}};
  platform::ReplayModel writing, reading;
  platform::startReplayModel(writing, 0x1234);
  platform::startReplayModel(reading, 0x1234);
  std::vector<std::uint8_t> bytes;
  for (const Pass& pass : passes) platform::encodeReplayPass(writing, pass, bytes);
  std::string hex;
  for (std::uint8_t b : bytes) {
    char two[4];
    std::snprintf(two, sizeof two, " %02x", b);
    hex += two;
  }
  std::size_t at = 0;
  for (std::size_t p = 0; p < passes.size(); ++p) {
    Pass got;
    const platform::ReplayPassResult r = platform::decodeReplayPass(reading, bytes.data(), bytes.size(), at, got);
    if (r.status != platform::ReplayPassStatus::kWhole)
      return "pass " + std::to_string(p + 1) + " does not decode (" + (r.fault ? r.fault : "cut short") + "); bytes" + hex;
    if (got != passes[p]) {
      std::string read;
      for (const auto& e : got) read += " [" + platform::describeReplayEvent(e) + "]";
      return "pass " + std::to_string(p + 1) + " reads back as" + read + "; bytes" + hex;
    }
    at = r.end;
  }
  return at == bytes.size() ? "" : "bytes left over after the last pass;" + hex;
}

TEST(ReplayRoundTrip, EveryClockStepComesBackExactly) {
  // A step that fits the code byte is below its escape value (31); longer ones follow the
  // code. Every step around that border, and long steps forward and back.
  std::vector<std::int64_t> steps;
  for (std::int64_t ms = 0; ms <= 80; ++ms) steps.push_back(ms);
  for (std::int64_t ms : {127ll, 128ll, 1000ll, 16383ll, 16384ll, 65536ll, 3'600'000ll, 86'400'000ll,
                          1ll << 32, 1ll << 40, 1ll << 62})
    steps.push_back(ms);
  for (std::int64_t ms : {1ll, 29ll, 30ll, 31ll, 32ll, 33ll, 1000ll, 3'600'000ll, 5'000'000'000ll})
    steps.push_back(-ms);
  for (std::int64_t step : steps) {
    const std::uint64_t from = 5'000'000'000ull;
    EXPECT_EQ(clockStepRoundTrip(from, from + std::uint64_t(step)), "")
        << "every clock step reads back as recorded: a step of " << step << " ms, from " << from << " to "
        << from + std::uint64_t(step);
  }
  EXPECT_EQ(clockStepRoundTrip(0, UINT64_MAX), "") << "every clock step reads back as recorded: one back across 0";
  EXPECT_EQ(clockStepRoundTrip(UINT64_MAX, 0), "") << "every clock step reads back as recorded: one on across the top";
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
