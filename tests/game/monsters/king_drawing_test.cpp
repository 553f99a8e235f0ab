// The king's roar waking the others, and the drawing rules of the monsters: facing,
// the 120 ms frame steps, the hurt pictures, and the end of the roar and the volley.
#include "game/assets/voice.h"
#include "game/monsters/animation.h"
#include "game/monsters/behaviours.h"
#include "game/render/figures.h"
#include "platform/base/random.h"
#include "tests/helpers/monster_world.h"

using namespace monster_test;

namespace {

class King : public MonsterWorld {};
class MonsterDrawing : public MonsterWorld {};

TEST_F(King, ARoarWakesHigherSlotsInTheSameTickAndLowerSlotsInTheNext) {
  Monster& lower = placeMonster(1, kPlane, 100, 100);
  Monster& king = placeMonster(3, kKing, 600, 100);
  Monster& higher = placeMonster(5, kPlane, 1100, 100);
  const std::uint64_t roars = voicePlayCount(Voice::kRoar);
  advance(3001);
  lower.actionTime = higher.actionTime = platform::tickCount();  // both just decided
  seedSoNext(10, [](int r) { return r >= 6; });
  runBehaviours();
  EXPECT_EQ(king.state, kMonsterAttacking);
  EXPECT_EQ(voicePlayCount(Voice::kRoar), roars + 1);
  EXPECT_EQ(higher.actionTime, platform::tickCount()) << "slot 5 decided in the roar's tick";
  EXPECT_EQ(lower.actionTime, 0u) << "slot 1 had its turn before the roar";
  advance(11);
  runBehaviours();
  EXPECT_EQ(lower.actionTime, platform::tickCount()) << "slot 1 decides in the next tick";
}

TEST_F(King, ARoarSkipsFreeSlotsAndTheKingItself) {
  Monster& king = placeMonster(0, kKing, 600, 100);
  monsters[4].actionTime = 77;
  monsters[4].alive = 0;
  advance(3001);
  seedSoNext(10, [](int r) { return r >= 6; });
  kingBehaviour(0);
  EXPECT_EQ(king.actionTime, platform::tickCount());
  EXPECT_EQ(monsters[4].actionTime, 77u);
}

TEST_F(King, TwoKingsKeepEachOtherBusy) {
  Monster& first = placeMonster(0, kKing, 200, 100);
  Monster& second = placeMonster(1, kKing, 900, 100);
  advance(3001);
  second.actionTime = platform::tickCount();
  for (unsigned seed = 1;; ++seed) {  // both draws roar
    platform::randomSeed(seed);
    const int a = platform::randomNumber() % 10, b = platform::randomNumber() % 10;
    if (a >= 6 && b >= 6) {
      platform::randomSeed(seed);
      break;
    }
  }
  runBehaviours();
  ASSERT_EQ(first.state, kMonsterAttacking);
  ASSERT_EQ(second.state, kMonsterAttacking) << "woken by the first roar, it roared too";
  EXPECT_EQ(first.actionTime, 0u) << "the second roar cleared the first king's timer";
  advance(11);
  runBehaviours();
  EXPECT_EQ(first.state, kMonsterAttacking) << "a roaring king decides nothing";
  int steps = 0;
  while (first.state == kMonsterAttacking && steps < 20) {
    advance(121);
    stepMonsterAnimations();
    drawMonsters();
    ++steps;
  }
  EXPECT_EQ(steps, 9) << "a roar lasts nine frame steps";
  advance(1);
  kingBehaviour(0);
  EXPECT_EQ(first.actionTime, platform::tickCount()) << "decides at once after its roar";
}

// The colour the working image holds at (x, y), without alpha.
std::uint32_t screenAt(int x, int y) { return pixelBuffer(nullptr)[y * 1600 + x] & 0xFFFFFF; }
std::uint32_t colourOf(IMAGE& image) { return pixelBuffer(&image)[0] & 0xFFFFFF; }

// Makes the image's left column a different colour from the rest, to see mirroring.
void markLeftColumn(IMAGE& image, std::uint32_t rgb) {
  for (int y = 0; y < image.height(); ++y) pixelBuffer(&image)[y * image.width()] = 0xFF000000u | rgb;
}

TEST_F(MonsterDrawing, TheKingsHurtPictureIsKingatk1AndThePlaneShowsPlanePngInEveryState) {
  Monster& king = placeMonster(0, kKing, 100, 100);
  king.state = kMonsterMoving;
  king.hurt = 1;
  king.moveFrames.frame = 4;
  stepMonsterAnimations();
  drawMonsters();
  EXPECT_EQ(screenAt(150, 150), colourOf(assets.kingAtkImages[1]));
  EXPECT_EQ(king.moveFrames.frame, 0);

  Monster& plane = placeMonster(1, kPlane, 400, 100);
  for (std::int8_t state : {kMonsterIdle, kMonsterMoving, kMonsterAttacking}) {
    plane.state = state;
    plane.hurt = state == kMonsterMoving;
    advance(121);
    stepMonsterAnimations();
    drawMonsters();
    EXPECT_EQ(screenAt(450, 150), colourOf(assets.planeImage)) << "state " << int(state);
  }
  EXPECT_EQ(plane.state, kMonsterAttacking) << "a single attack picture never ends an attack";
}

TEST_F(MonsterDrawing, AMonsterFacesThePlayerMirroredWhenThePlayerIsNotToItsRight) {
  IMAGE& idle = assets.sharkMoveImages[0];
  markLeftColumn(idle, 0x00ABCD);
  placeMonster(0, kShark, 200, 100);
  player.x = 201;
  stepMonsterAnimations();
  drawMonsters();
  EXPECT_EQ(screenAt(200, 110), 0x00ABCDu) << "drawn as stored";
  player.x = 200;
  stepMonsterAnimations();
  drawMonsters();
  EXPECT_EQ(screenAt(200 + kSharkW - 1, 110), 0x00ABCDu) << "mirrored";
  paint(idle, kSharkW, kSharkH, 0x112233);
}

TEST_F(MonsterDrawing, MovingMonstersStepEvery120MsAndWrapAfterTheLastPicture) {
  Monster& king = placeMonster(0, kKing, 100, 100);
  king.state = kMonsterMoving;
  stepMonsterAnimations();
  drawMonsters();
  EXPECT_EQ(king.moveFrames.frame, 1) << "frameTime 0 at spawn: the first drawing steps";
  EXPECT_EQ(screenAt(150, 150), colourOf(assets.kingImages[1]));
  advance(120);
  stepMonsterAnimations();
  drawMonsters();
  EXPECT_EQ(king.moveFrames.frame, 1);
  for (int frame = 2; frame <= 8; ++frame) {
    advance(121);
    stepMonsterAnimations();
    drawMonsters();
    ASSERT_EQ(king.moveFrames.frame, frame);
  }
  advance(121);
  stepMonsterAnimations();
  drawMonsters();
  EXPECT_EQ(screenAt(150, 150), colourOf(assets.kingImages[9]));
  EXPECT_EQ(king.moveFrames.frame, 0) << "king10.png shows for one drawing";

  Monster& cloud = placeMonster(1, kBlackCloud, 500, 100);
  cloud.state = kMonsterMoving;
  advance(500);
  stepMonsterAnimations();
  drawMonsters();
  EXPECT_EQ(cloud.moveFrames.frame, 0) << "a single move picture never steps";
}

TEST_F(MonsterDrawing, TheCloudsVolleyCyclesFivePicturesAndEndsAfter24Steps) {
  Monster& cloud = placeMonster(0, kBlackCloud, 100, 100);
  cloud.state = kMonsterAttacking;
  cloud.moveFrames.frame = 0;
  for (int step = 1; step <= 23; ++step) {
    advance(121);
    stepMonsterAnimations();
    drawMonsters();
    ASSERT_EQ(cloud.state, kMonsterAttacking) << "step " << step;
    ASSERT_EQ(screenAt(150, 150), colourOf(assets.bcAtkImages[step % 5])) << "step " << step;
  }
  advance(121);
  stepMonsterAnimations();
  drawMonsters();
  EXPECT_EQ(cloud.state, kMonsterIdle);
  EXPECT_EQ(cloud.attackFrames.frame, 0);
  EXPECT_EQ(screenAt(150, 150), colourOf(assets.bcAtkImages[24 % 5]));
}

TEST_F(MonsterDrawing, FreeSlotsAndOddStatesDrawNothing) {
  placeMonster(0, kKing, 100, 100);
  monsters[0].alive = 0;
  placeMonster(1, kKing, 400, 100);
  monsters[1].state = 2;
  paint(assets.kingImages[0], kKingW, kKingH, 0x445566);
  std::uint32_t* screen = pixelBuffer(nullptr);
  screen[150 * 1600 + 150] = 0x00123456;
  screen[150 * 1600 + 450] = 0x00123456;
  stepMonsterAnimations();
  drawMonsters();
  EXPECT_EQ(screenAt(150, 150), 0x123456u);
  EXPECT_EQ(screenAt(450, 150), 0x123456u);
}

}  // namespace
