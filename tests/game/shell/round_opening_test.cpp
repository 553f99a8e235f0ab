// A round's opening: what a round inherits from the rounds before it, read through the seam.
// Live it changes nothing (not even where rand stands); replayed from a round's file it puts
// back every inherited field, the seed and the game clock's stopped time.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "game/shell/round_opening.h"
#include "game/shell/world_digest.h"
#include "game/world/game_clock.h"
#include "game/world/monster_kinds.h"
#include "platform/base/random.h"
#include "platform/replay/session.h"
#include "tests/helpers/game_fixture.h"

namespace {

namespace replay = platform::replay;

std::uint64_t noFrame() { return 0; }

[[noreturn]] void stopped(replay::StopReason, const std::string& message) {
  std::fprintf(stderr, "round opening: the replay stopped: %s\n", message.c_str());
  std::abort();
}

class RoundOpeningTest : public test_game::GameTest {
 protected:
  // A state in which every inherited part differs from program start.
  void inheritSomething() {
    freshPlayerAt(321.5f, 123.25f);
    player.state = Dashing;
    player.facingRight = 1;
    player.specialCooldown = 17;
    player.lastAttackTime = test_game::kStartTick - 40;
    player.heading = -2.5;
    player.targetX = 99.0f;
    player.aimX = 640;
    player.aimY = -3;
    test_game::placeMonster(3, 700.0f, 200.0f, 55, kPlane);
    monsters[3].alive = 0;
    monsters[3].behaviour = findMonsterKind(kPlane)->behaviour;
    monsters[3].actionTime = test_game::kStartTick - 7;
    monsters[5].frameTime = 12345;
    monsters[5].hurtFrames = {assets.sharkMoveImages + 2, 3, 8};
    monsterKinds[2] = MonsterKind{80, 6, 3, kPlane};
    drawingCounters.walkFrame = 5;
    drawingCounters.eatStep = 2;
    drawingCounters.playerFrameTime = test_game::kStartTick - 3;
    stopGameClock();
    platform::fake::advanceTicks(2500);
    startGameClock();
    randomSeed = 777;
  }
};

TEST_F(RoundOpeningTest, LiveTheOpeningChangesNothing) {
  inheritSomething();
  platform::randomSeed(randomSeed);
  platform::randomNumber();
  const int next = platform::randomNumber();
  platform::randomSeed(randomSeed);
  platform::randomNumber();
  const std::uint64_t world = worldDigest();
  openRound();
  EXPECT_EQ(worldDigest(), world);
  EXPECT_EQ(platform::randomNumber(), next) << "live, rand is not seeded again";
}

TEST_F(RoundOpeningTest, AReplayedOpeningPutsBackEveryInheritedField) {
  const std::string path = ::testing::TempDir() + "round_opening_" + std::to_string(::getpid());
  inheritSomething();
  const std::uint64_t world = worldDigest();
  const DrawingCounters counters = drawingCounters;
  const GameClockState clock = gameClockState();
  std::string error;
  ASSERT_TRUE(replay::startRoundRecording(path, "dream-arena test", error)) << error;
  openRound();
  replay::endPass(worldDigest, noFrame);
  ASSERT_TRUE(replay::finishRoundRecording(error)) << error;

  clearGameState();
  clearDrawingCounters();
  ASSERT_NE(worldDigest(), world);
  ASSERT_TRUE(replay::startReplay(path, false, stopped, error)) << error;
  EXPECT_TRUE(opensRound());
  openRound();
  replay::endPass(worldDigest, noFrame);
  EXPECT_TRUE(replay::finishReplay(error)) << error;

  EXPECT_EQ(worldDigest(), world) << "the player, the kinds and every slot, behaviours and pictures included";
  EXPECT_EQ(drawingCounters.walkFrame, counters.walkFrame);
  EXPECT_EQ(drawingCounters.eatStep, counters.eatStep);
  EXPECT_EQ(drawingCounters.playerFrameTime, counters.playerFrameTime);
  EXPECT_EQ(gameClockState().stoppedTotal, clock.stoppedTotal);
  EXPECT_EQ(gameClockState().stoppedTotal, 2500u);
  EXPECT_EQ(gameClockState().stopped, clock.stopped);
  EXPECT_EQ(randomSeed, 777u);
  const int replayed = platform::randomNumber();
  platform::randomSeed(777);
  EXPECT_EQ(replayed, platform::randomNumber()) << "rand stands where the recorded seed puts it";
  std::remove(path.c_str());
}

}  // namespace
