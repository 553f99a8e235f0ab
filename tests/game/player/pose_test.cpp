// The player's pose step: the held horizontal key decides the facing, else the side it faced
// last; its key reads leave every press for the next update; a pose cut short starts again.
#include "game/player/controls.h"
#include "game/player/pose.h"
#include "game/world/shown_pictures.h"
#include "platform/seam/input.h"
#include "tests/helpers/game_fixture.h"

using namespace test_game;

namespace {

class PlayerPose : public GameTest {
 protected:
  // The player's pose step for a standing player; true when it chose a mirrored picture.
  bool shownMirrored() {
    stepPlayerPose();
    return shownPictures.player.mirrored != 0;
  }
};

TEST_F(PlayerPose, PlayerFacesTheHeldKeyElseTheRememberedSide) {
  freshPlayerAt(500, 300);
  player.facingRight = 0;
  EXPECT_FALSE(shownMirrored()) << "no key, facing left: as stored";
  EXPECT_EQ(player.facingRight, 0);

  for (int right : {int(platform::kVkRight), int('D')}) {
    player.facingRight = 0;
    platform::fake::releaseAll();
    platform::fake::holdKey(right);
    EXPECT_TRUE(shownMirrored()) << "key " << right << " mirrors";
    EXPECT_EQ(player.facingRight, 1);
    platform::fake::releaseAll();
    EXPECT_TRUE(shownMirrored()) << "after key " << right << " is released the player stays mirrored";
  }
  for (int left : {int(platform::kVkLeft), int('A')}) {
    player.facingRight = 1;
    platform::fake::releaseAll();
    platform::fake::holdKey(left);
    EXPECT_FALSE(shownMirrored()) << "key " << left << " draws as stored";
    EXPECT_EQ(player.facingRight, 0);
  }
  player.facingRight = 0;
  platform::fake::releaseAll();
  platform::fake::holdKey(platform::kVkLeft);
  platform::fake::holdKey('D');
  EXPECT_TRUE(shownMirrored()) << "right and left held together face right";
  EXPECT_EQ(player.facingRight, 1);
  player.facingRight = 0;
}

TEST_F(PlayerPose, DrawingLeavesTapsForTheNextUpdate) {
  freshPlayerAt(500, 300);
  platform::fake::holdKey('D');
  platform::fake::releaseKey('D');
  stepPlayerPose();
  updatePlayer();
  EXPECT_EQ(player.x, 505) << "a tap of D between two updates steps the player after a frame was drawn";

  freshPlayerAt(500, 300);
  platform::fake::holdKey('D');
  platform::fake::holdKey('H');
  platform::fake::releaseKey('H');
  stepPlayerPose();
  updatePlayer();
  EXPECT_EQ(player.x, 510) << "a tap of H between two updates still runs";
}

TEST_F(PlayerPose, AnInterruptedAnimationStartsAgainFromItsFirstStep) {
  struct Animation {
    PlayerState state;
    int steps;
  };
  for (const Animation& animation : {Animation{Striking, 2}, Animation{Shooting, 2}, Animation{Eating, 24}}) {
    freshPlayerAt(500, 300);
    player.state = animation.state;
    for (int step = 1; step < animation.steps; ++step) {
      platform::fake::advanceTicks(121);
      stepPlayerPose();
    }
    ASSERT_EQ(player.state, animation.state) << "one step before its end";
    player.state = KnockedBack;  // a hit cuts it short
    stepPlayerPose();
    player.state = Free;
    stepPlayerPose();

    player.state = animation.state;
    int frames = 0;
    while (player.state == animation.state && frames < 100) {
      platform::fake::advanceTicks(121);
      stepPlayerPose();
      ++frames;
    }
    EXPECT_EQ(frames, animation.steps) << "state " << int(animation.state) << " started again after a hit";
  }
}

}  // namespace
