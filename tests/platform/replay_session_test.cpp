// The record and replay session at the seam: what the platform answered is recorded pass by
// pass and given back in replay; the window thread's reads pass through; a replay that
// departs, or runs past its file, is stopped where it happens.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/base/exact_maths.h"
#include "platform/base/maths_rules.h"
#include "platform/seam/clock.h"
#include "platform/fake/fake_platform.h"
#include "platform/seam/input.h"
#include "platform/replay/replay_writer.h"
#include "platform/replay/session.h"
#include "tests/platform/replay_files.h"

namespace {

namespace replay = platform::replay;
namespace fake = platform::fake;

std::uint64_t worldDigestForTest() { return 0x1234; }
std::uint64_t frameDigestForTest() { return 0x5678; }

// Reads of one pass as the game makes them: clock, the title's two buttons, the cursor.
struct PassReads {
  std::uint64_t tick;
  bool left, right;
  int x, y;
};

PassReads readPass() {
  PassReads r{};
  r.tick = platform::tickCount();
  r.left = platform::keyPressed(platform::kVkLButton);
  r.right = platform::keyDown(platform::kVkRButton);
  platform::cursorInClient(r.x, r.y);
  replay::endPass(worldDigestForTest, frameDigestForTest);
  return r;
}

[[noreturn]] void exitWithReason(replay::StopReason reason, const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  std::_Exit(reason == replay::StopReason::kEndOfFile ? 3 : 4);
}

// Records 200 passes in which the live platform changes now and then; returns what they read.
std::vector<PassReads> recordSession(const std::string& path) {
  fake::releaseAll();
  fake::setTickCount(5000);
  fake::setCalendarSeconds(1700000000);
  std::string error;
  EXPECT_TRUE(replay::startRecording(path, "dream-arena test", error)) << error;
  EXPECT_EQ(platform::calendarSeconds(), 1700000000u);
  std::vector<PassReads> reads;
  for (int pass = 0; pass < 200; ++pass) {
    fake::advanceTicks(pass % 3 == 0 ? 1 : 0);
    if (pass == 50) fake::holdKey(platform::kVkLButton);
    if (pass == 51) fake::releaseKey(platform::kVkLButton);
    if (pass == 120) fake::holdKey(platform::kVkRButton);
    fake::placeCursor(pass * 3, -pass);
    reads.push_back(readPass());
  }
  replay::stopRecording();
  return reads;
}

TEST(ReplaySession, AReplayGivesBackEveryAnswerTheRecordingSaw) {
  const std::string path = replay_files::tempPath("session");
  const std::vector<PassReads> recorded = recordSession(path);
  EXPECT_FALSE(replay::active());

  // The live platform now says something else entirely: the file's answers win.
  fake::releaseAll();
  fake::setTickCount(1);
  fake::setCalendarSeconds(7);
  std::string error;
  ASSERT_TRUE(replay::startReplay(path, true, exitWithReason, error)) << error;
  EXPECT_EQ(platform::calendarSeconds(), 1700000000u);
  // A replay waits for nothing: the clock front leaves the backend's time alone.
  const std::uint64_t before = platform::unrecordedMicros();
  platform::sleepMs(1000);
  EXPECT_EQ(platform::unrecordedMicros(), before);
  for (std::size_t pass = 0; pass < recorded.size(); ++pass) {
    const PassReads got = readPass();
    const PassReads& want = recorded[pass];
    ASSERT_EQ(got.tick, want.tick) << "pass " << pass + 1;
    ASSERT_EQ(got.left, want.left) << "pass " << pass + 1;
    ASSERT_EQ(got.right, want.right) << "pass " << pass + 1;
    ASSERT_EQ(got.x, want.x) << "pass " << pass + 1;
    ASSERT_EQ(got.y, want.y) << "pass " << pass + 1;
  }
  EXPECT_TRUE(recorded[50].left && !recorded[52].left && recorded[150].right) << "the recording saw the changes";
  EXPECT_TRUE(replay::finishReplay(error)) << error;
  std::remove(path.c_str());
}

TEST(ReplaySession, ThePassHookRunsAfterEveryPassWithOrWithoutASession) {
  static int calls = 0;
  calls = 0;
  replay::setAfterPass([] { ++calls; });
  readPass();
  readPass();
  EXPECT_EQ(calls, 2) << "a headless driver steers the game from the end of every pass, with no session";
  const std::string path = ::testing::TempDir() + "hooked.replay";
  std::string error;
  ASSERT_TRUE(replay::startRecording(path, "dream-arena test", error)) << error;
  readPass();
  replay::stopRecording();
  EXPECT_EQ(calls, 3) << "and while a session records";
  replay::setAfterPass(nullptr);
  readPass();
  EXPECT_EQ(calls, 3);
}

TEST(ReplaySession, OtherThreadsReadTheLivePlatform) {
  const std::string path = replay_files::tempPath("threads");
  recordSession(path);
  fake::setTickCount(42);
  std::string error;
  ASSERT_TRUE(replay::startReplay(path, true, exitWithReason, error)) << error;
  std::uint64_t windowThreadTick = 0;
  std::thread([&] { windowThreadTick = platform::tickCount(); }).join();
  EXPECT_EQ(windowThreadTick, 42u) << "not taken from the file";
  EXPECT_EQ(platform::calendarSeconds(), 1700000000u) << "the session's own thread still reads the file";
  EXPECT_FALSE(replay::finishReplay(error)) << "199 passes were left unplayed";
  EXPECT_NE(error.find("pass 1"), std::string::npos) << error;
  std::remove(path.c_str());
}

TEST(ReplaySession, ValueAndTextReadsReplayAndAnOlderFileAnswersWhatItsGameDid) {
  const std::string path = replay_files::tempPath("values");
  const std::string hint = "Escape or P (\u00c9chap), or a click: play on";
  std::string error;
  ASSERT_TRUE(replay::startRecording(path, "dream-arena test", error)) << error;
  for (int pass = 0; pass < 30; ++pass) {
    EXPECT_EQ(replay::valueRead(replay::value_tag::kComposes, pass % 4 == 0, 1), std::uint64_t(pass % 4 == 0));
    if (pass == 7) {
      EXPECT_EQ(replay::textRead(replay::value_tag::kPauseHint, hint, "old"), hint);
    }
    if (pass == 8) {
      EXPECT_EQ(replay::textRead(replay::value_tag::kPauseHint, "", "old"), "");
    }
    readPass();
  }
  replay::stopRecording();

  ASSERT_TRUE(replay::startReplay(path, true, exitWithReason, error)) << error;
  for (int pass = 0; pass < 30; ++pass) {
    ASSERT_EQ(replay::valueRead(replay::value_tag::kComposes, 7, 7), std::uint64_t(pass % 4 == 0)) << "pass " << pass;
    if (pass == 7) {
      EXPECT_EQ(replay::textRead(replay::value_tag::kPauseHint, "live text", "old"), hint);
    }
    if (pass == 8) {
      EXPECT_EQ(replay::textRead(replay::value_tag::kPauseHint, "live", "old"), "");
    }
    readPass();
  }
  EXPECT_TRUE(replay::finishReplay(error)) << error;

  // A file of the second format, from a game that never made value reads: each read gets its
  // unrecorded answer and takes nothing, so the file's passes still line up.
  platform::ReplayWriter older;
  ASSERT_TRUE(older.open(path, "dream-arena old", 2)) << older.error();
  for (int pass = 0; pass < 3; ++pass) {
    older.clock(100 + pass);
    ASSERT_TRUE(older.endPass());
  }
  ASSERT_TRUE(older.close());
  ASSERT_TRUE(replay::startReplay(path, true, exitWithReason, error)) << error;
  for (int pass = 0; pass < 3; ++pass) {
    EXPECT_EQ(replay::valueRead(replay::value_tag::kComposes, 0, 1), 1u);
    EXPECT_EQ(replay::valueRead(replay::value_tag::kFirstRound, 0, 9), 9u);
    EXPECT_EQ(replay::textRead(replay::value_tag::kPauseHint, "new", "old"), "old");
    EXPECT_EQ(platform::tickCount(), 100u + pass);
    replay::endPass(worldDigestForTest, frameDigestForTest);
  }
  EXPECT_TRUE(replay::finishReplay(error)) << error;

  // A third-format file holds value reads, but not yet those that open a round.
  ASSERT_TRUE(older.open(path, "dream-arena old", 3)) << older.error();
  older.value(replay::value_tag::kComposes, 0);
  ASSERT_TRUE(older.endPass());
  ASSERT_TRUE(older.close());
  ASSERT_TRUE(replay::startReplay(path, true, exitWithReason, error)) << error;
  EXPECT_EQ(replay::valueRead(replay::value_tag::kFirstRound + 3, 5, 9), 9u);
  EXPECT_EQ(replay::valueRead(replay::value_tag::kComposes, 1, 1), 0u) << "the file's answer";
  replay::endPass(worldDigestForTest, frameDigestForTest);
  EXPECT_TRUE(replay::finishReplay(error)) << error;
  std::remove(path.c_str());
}

TEST(ReplaySession, ARoundsFileRecordsAlongsideTheSessionFromItsStartAndEndsAtItsLastWholePass) {
  const std::string sessionPath = replay_files::tempPath("whole");
  const std::string roundPath = replay_files::tempPath("round");
  fake::releaseAll();
  fake::setTickCount(9000);
  std::string error;
  ASSERT_TRUE(replay::startRecording(sessionPath, "dream-arena test", error)) << error;
  std::vector<PassReads> session;
  for (int pass = 0; pass < 150; ++pass) {
    fake::advanceTicks(3);
    if (pass == 40) {
      platform::tickCount();  // a read of the session's pass before the round begins
      ASSERT_TRUE(replay::startRoundRecording(roundPath, "dream-arena test", error)) << error;
      EXPECT_TRUE(replay::recordingRound());
    }
    if (pass == 100) fake::holdKey(platform::kVkLButton);
    fake::placeCursor(pass, 2 * pass);
    session.push_back(readPass());
  }
  platform::tickCount();  // read after the round's last pass: left out of its file
  ASSERT_TRUE(replay::finishRoundRecording(error)) << error;
  EXPECT_FALSE(replay::recordingRound());
  readPass();
  replay::stopRecording();

  // The round's file holds passes 41 to 150 of the session, numbered from 1, with digests of
  // its own every 64 passes of the round.
  ASSERT_TRUE(replay::startReplay(roundPath, true, exitWithReason, error)) << error;
  EXPECT_FALSE(replay::startRoundRecording(roundPath + ".2", "dream-arena test", error)) << "a replay records no round";
  for (std::size_t pass = 40; pass < session.size(); ++pass) {
    EXPECT_EQ(replay::upcomingMilliseconds(), session[pass].tick - session[40].tick) << "pass " << pass + 1;
    const PassReads got = readPass();
    ASSERT_EQ(got.tick, session[pass].tick) << "session pass " << pass + 1;
    ASSERT_EQ(got.left, session[pass].left) << "session pass " << pass + 1;
    ASSERT_EQ(got.x, session[pass].x) << "session pass " << pass + 1;
  }
  EXPECT_EQ(replay::passNumber(), 111u);
  EXPECT_TRUE(replay::finishReplay(error)) << "the file ends with the round's last pass: " << error;

  // The session's file has every pass, the round's reads included once.
  ASSERT_TRUE(replay::startReplay(sessionPath, true, exitWithReason, error)) << error;
  for (std::size_t pass = 0; pass < session.size(); ++pass) {
    if (pass == 40) platform::tickCount();
    ASSERT_EQ(readPass().tick, session[pass].tick) << "pass " << pass + 1;
  }
  platform::tickCount();
  readPass();
  EXPECT_TRUE(replay::finishReplay(error)) << error;
  std::remove(sessionPath.c_str());
  std::remove(roundPath.c_str());
}

TEST(ReplaySessionDeathTest, ADepartureStopsAtItsPassAndTheEndOfTheFileEndsTheReplay) {
  const std::string path = replay_files::tempPath("depart");
  recordSession(path);
  EXPECT_EXIT(
      {
        std::string error;
        if (!replay::startReplay(path, true, exitWithReason, error)) std::_Exit(9);
        platform::calendarSeconds();
        for (int pass = 1; pass < 60; ++pass) readPass();
        platform::tickCount();
        platform::keyDown(platform::kVkLButton);  // the file holds keyPressed's left button: same key
        platform::keyPressed(platform::kVkReturn);
      },
      ::testing::ExitedWithCode(4), "replay departs at pass 60: the game asked for key Enter .0x0d.; the file holds a query for key right button");
  EXPECT_EXIT(
      {
        std::string error;
        if (!replay::startReplay(path, true, exitWithReason, error)) std::_Exit(9);
        platform::calendarSeconds();
        for (int pass = 0; pass < 200; ++pass) readPass();
        platform::tickCount();
      },
      ::testing::ExitedWithCode(3), "the recorded session ends after pass 200");
  std::remove(path.c_str());
}

// A pause's rests read no clock; a watch paces by the reading each pass will end on, so a rest
// must answer the first reading after the pause: the paused screen then stays for the pause's
// length, instead of the frame after it standing still.
TEST(ReplaySession, APassWithoutAClockIsDueAtTheFirstReadingAfterIt) {
  const std::string path = replay_files::tempPath("rests");
  // Per pass: the clock it reads, or 0 for a rest that reads only a key.
  const std::uint64_t clocks[] = {100, 111, 0, 0, 0, 4111, 4122, 0, 4200};
  std::string error;
  ASSERT_TRUE(replay::startRecording(path, "dream-arena test", error)) << error;
  for (std::uint64_t clock : clocks) {
    fake::setTickCount(clock);
    if (clock) platform::tickCount();
    platform::keyPressed(platform::kVkPause);
    replay::endPass(worldDigestForTest, frameDigestForTest);
  }
  replay::stopRecording();
  ASSERT_TRUE(replay::startReplay(path, true, exitWithReason, error)) << error;
  const std::uint64_t due[] = {0, 11, 4011, 4011, 4011, 4011, 4022, 4100, 4100};
  for (std::size_t pass = 0; pass < std::size(clocks); ++pass) {
    EXPECT_EQ(replay::upcomingMilliseconds(), due[pass]) << "pass " << pass + 1;
    if (clocks[pass]) platform::tickCount();
    platform::keyPressed(platform::kVkPause);
    replay::endPass(worldDigestForTest, frameDigestForTest);
  }
  EXPECT_TRUE(replay::finishReplay(error)) << error;
  std::remove(path.c_str());
}

// A change in drawing alone: the frame digest every 512 passes differs. dream-sim's replay
// stops there; a watch (a report set) says so and plays on, and the world's digest still
// decides.
TEST(ReplaySessionDeathTest, AWatchReportsADifferingFrameAndTheWorldStillDecides) {
  const std::string path = replay_files::tempPath("frames");
  std::string error;
  ASSERT_TRUE(replay::startRecording(path, "dream-arena test", error)) << error;
  for (int pass = 0; pass < 600; ++pass) {
    fake::setTickCount(1000 + pass);
    platform::tickCount();
    replay::endPass(worldDigestForTest, frameDigestForTest);
  }
  replay::stopRecording();
  const auto replayWith = [&](replay::Digest world, replay::Digest frame) {
    std::string why;
    if (!replay::startReplay(path, true, exitWithReason, why)) std::_Exit(9);
    for (int pass = 0; pass < 600; ++pass) {
      platform::tickCount();
      replay::endPass(world, frame);
    }
    std::_Exit(replay::finishReplay(why) ? 0 : 6);
  };
  const replay::Digest redrawn = [] { return std::uint64_t(0x9999); };
  EXPECT_EXIT(replayWith(worldDigestForTest, redrawn), ::testing::ExitedWithCode(4), "departs at pass 512: digest 2 differs");
  EXPECT_EXIT(
      {
        replay::setFrameDigestReport([](std::uint64_t pass, std::uint64_t recorded, std::uint64_t made) {
          std::fprintf(stderr, "frame at pass %llu: %llx, not %llx\n", static_cast<unsigned long long>(pass),
                       static_cast<unsigned long long>(made), static_cast<unsigned long long>(recorded));
        });
        replayWith(worldDigestForTest, redrawn);
      },
      ::testing::ExitedWithCode(0), "^frame at pass 512: 9999, not 5678\n$");
  EXPECT_EXIT(
      {
        replay::setFrameDigestReport([](std::uint64_t, std::uint64_t, std::uint64_t) {});
        replayWith([] { return std::uint64_t(1); }, frameDigestForTest);
      },
      ::testing::ExitedWithCode(4), "departs at pass 64: digest 1 differs");
  std::remove(path.c_str());
}

}  // namespace

namespace {

// The pads' reads came with the fifth format: a file of the fifth holds and answers them;
// one of the fourth, made before them, answers "no pad" and the reads after still line up.
TEST(ReplaySession, PadReadsAnswerFromTheFifthFormatOnAndNoPadBefore) {
  const std::string path = replay_files::tempPath("pads");
  const std::uint8_t tag = replay::value_tag::kFirstPad;
  std::string error;
  ASSERT_TRUE(replay::startRecording(path, "dream-arena test", error)) << error;
  fake::setTickCount(900);
  for (int pass = 0; pass < 3; ++pass) {
    EXPECT_EQ(replay::valueRead(tag, 40 + pass, 0), std::uint64_t(40 + pass));
    readPass();
  }
  replay::stopRecording();
  ASSERT_TRUE(replay::startReplay(path, true, exitWithReason, error)) << error;
  for (int pass = 0; pass < 3; ++pass) {
    EXPECT_EQ(replay::valueRead(tag, 7, 0), std::uint64_t(40 + pass)) << "pass " << pass;
    readPass();
  }
  EXPECT_TRUE(replay::finishReplay(error)) << error;

  platform::ReplayWriter without;
  ASSERT_TRUE(without.open(path, "dream-arena before pads", 4)) << without.error();
  for (int pass = 0; pass < 3; ++pass) {
    without.value(replay::value_tag::kComposes, 1);
    without.clock(100 + pass);
    ASSERT_TRUE(without.endPass());
  }
  ASSERT_TRUE(without.close());
  ASSERT_TRUE(replay::startReplay(path, true, exitWithReason, error)) << error;
  for (int pass = 0; pass < 3; ++pass) {
    EXPECT_EQ(replay::valueRead(tag, 7, 0), 0u) << "no pad in a file of the fourth format";
    EXPECT_EQ(replay::valueRead(replay::value_tag::kComposes, 0, 0), 1u);
    EXPECT_EQ(replay::valueRead(tag + 1, 7, 0), 0u);
    EXPECT_EQ(platform::tickCount(), 100u + pass);
    replay::endPass(worldDigestForTest, frameDigestForTest);
  }
  EXPECT_TRUE(replay::finishReplay(error)) << error;
  std::remove(path.c_str());
}

// The rules' arc tangent goes by the file's format: files of the fifth format and older were
// recorded with the C library's and replay with it, from the sixth on with the game's own.
TEST(ReplaySession, TheArcTangentOfAReplayGoesByItsFilesFormat) {
  volatile float slope = 0x1.1a714cp+0f;  // read at run time: a constant's atan is folded exactly
  const float library = std::atan(slope), own = platform::exact::atan(slope);
  if (library == own) GTEST_SKIP() << "this C library's atanf rounds this slope as the game does";
  const std::string path = replay_files::tempPath("maths");
  for (std::uint16_t format = platform::kReplayOldestFormatVersion; format <= platform::kReplayFormatVersion; ++format) {
    platform::ReplayWriter writer;
    ASSERT_TRUE(writer.open(path, "dream-arena test", format)) << writer.error();
    writer.clock(100);
    ASSERT_TRUE(writer.close()) << writer.error();
    std::string error;
    ASSERT_TRUE(replay::startReplay(path, false, exitWithReason, error)) << error;
    const bool olderFile = format < platform::kReplayFirstOwnMathsVersion;
    EXPECT_EQ(platform::ruleArcTangent(slope), olderFile ? library : own)
        << "a file of format " << format << " must replay with " << (olderFile ? "the C library's" : "the game's own")
        << " arc tangent (the C library's gives " << std::hexfloat << library << ", the game's " << own << ")";
    replay::finishReplay(error);
  }
  std::remove(path.c_str());
}

}  // namespace
