// The player's facing while drawing: the held horizontal key decides, else the side it
// faced last; and the drawing's key reads leave every press for the next update.
#include "game/player/controls.h"
#include "game/render/player_pose.h"
#include "graphics/image.h"
#include "platform/input.h"
#include "tests/helpers/game_fixture.h"

using namespace test_game;

namespace {

class PlayerPose : public GameTest {
 protected:
  // Puts the two pixels the test sprite covers back to black before each drawing.
  void resetWindow() {
    std::uint32_t* p = pixelBuffer(nullptr);
    p[0] = p[1] = 0;
  }
};

TEST_F(PlayerPose, PlayerFacesTheHeldKeyElseTheRememberedSide) {
  IMAGE sprite(2, 1);
  pixelBuffer(&sprite)[0] = 0xFF0000FFu;  // left pixel blue
  pixelBuffer(&sprite)[1] = 0xFFFF0000u;  // right pixel red
  std::uint32_t* p = pixelBuffer(nullptr);
  const auto drawnMirrored = [&] {
    resetWindow();
    drawPlayerSprite(0, 0, sprite);
    return p[0] == 0x00FF0000u && p[1] == 0x000000FFu;
  };
  player.facingRight = 0;
  EXPECT_FALSE(drawnMirrored()) << "no key, facing left: as stored";
  EXPECT_EQ(player.facingRight, 0);

  for (int right : {int(platform::kVkRight), int('D')}) {
    player.facingRight = 0;
    platform::fake::releaseAll();
    platform::fake::holdKey(right);
    EXPECT_TRUE(drawnMirrored()) << "key " << right << " mirrors";
    EXPECT_EQ(player.facingRight, 1);
    platform::fake::releaseAll();
    EXPECT_TRUE(drawnMirrored()) << "after key " << right << " is released the player stays mirrored";
  }
  for (int left : {int(platform::kVkLeft), int('A')}) {
    player.facingRight = 1;
    platform::fake::releaseAll();
    platform::fake::holdKey(left);
    EXPECT_FALSE(drawnMirrored()) << "key " << left << " draws as stored";
    EXPECT_EQ(player.facingRight, 0);
  }
  player.facingRight = 0;
  platform::fake::releaseAll();
  platform::fake::holdKey(platform::kVkLeft);
  platform::fake::holdKey('D');
  EXPECT_TRUE(drawnMirrored()) << "right and left held together face right";
  EXPECT_EQ(player.facingRight, 1);
  player.facingRight = 0;
}

TEST_F(PlayerPose, DrawingLeavesTapsForTheNextUpdate) {
  freshPlayerAt(500, 300);
  platform::fake::holdKey('D');
  platform::fake::releaseKey('D');
  drawPlayer();
  updatePlayer();
  EXPECT_EQ(player.x, 505) << "a tap of D between two updates steps the player after a frame was drawn";

  freshPlayerAt(500, 300);
  platform::fake::holdKey('D');
  platform::fake::holdKey('H');
  platform::fake::releaseKey('H');
  drawPlayer();
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
      drawPlayer();
    }
    ASSERT_EQ(player.state, animation.state) << "one step before its end";
    player.state = KnockedBack;  // a hit cuts it short
    drawPlayer();
    player.state = Free;
    drawPlayer();

    player.state = animation.state;
    int frames = 0;
    while (player.state == animation.state && frames < 100) {
      platform::fake::advanceTicks(121);
      drawPlayer();
      ++frames;
    }
    EXPECT_EQ(frames, animation.steps) << "state " << int(animation.state) << " started again after a hit";
  }
}

}  // namespace
