// Frame composition: the bars' arithmetic, the score's cells, the player's animation states
// with the shared clock and the state changes they bring, meat frames and facing; and one
// whole frame against an independent composition of the same state.
#include <climits>
#include <cstring>
#include <vector>

#include "game/assets/sprites.h"
#include "game/render/frame.h"
#include "game/render/status_bars.h"
#include "game/shell/frame.h"
#include "game/world/damage.h"
#include "game/world/drawing_counters.h"
#include "game/world/geometry.h"
#include "graphics/colour.h"
#include "graphics/draw.h"
#include "platform/seam/clock.h"
#include "platform/seam/input.h"
#include "tests/helpers/game_fixture.h"

using namespace test_game;
namespace fake = platform::fake;

namespace {

constexpr std::uint32_t kBackground = 0x336699;
constexpr std::uint32_t kMarker = 0x00FE01;  // the left column of every test picture

// An opaque picture of one colour whose left column is the marker, so its facing shows.
void paint(IMAGE& image, int w, int h, std::uint32_t colour) {
  image.resize(w, h);
  std::uint32_t* p = pixelBuffer(&image);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p[y * w + x] = 0xFF000000u | (x == 0 && w > 1 ? kMarker : colour);
}

std::uint32_t at(int x, int y) { return pixelBuffer(nullptr)[y * 1600 + x] & 0xFFFFFFu; }

std::vector<std::uint32_t> grab() {
  const std::uint32_t* p = pixelBuffer(nullptr);
  return std::vector<std::uint32_t>(p, p + 1600 * 960);
}

::testing::AssertionResult sameFrame(const std::vector<std::uint32_t>& got, const std::vector<std::uint32_t>& want) {
  for (std::size_t i = 0; i < got.size(); ++i) {
    if (got[i] != want[i]) {
      return ::testing::AssertionFailure() << "first difference at (" << i % 1600 << ", " << i / 1600 << "): 0x"
                                           << std::hex << got[i] << " instead of 0x" << want[i];
    }
  }
  return ::testing::AssertionSuccess();
}

class FrameTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    paint(assets.backgroundImage, 1600, 960, kBackground);
    for (int i = 0; i < 8; ++i) paint(assets.norImages[i], kPlayerW, kPlayerH, 0x100000 + i);
    for (int i = 0; i < 20; ++i) paint(assets.runImages[i], kPlayerW, kPlayerH, 0x200000 + i);
    for (int i = 0; i < 3; ++i) paint(assets.attImages[i], kPlayerW, kPlayerH, 0x300000 + i);
    for (int i = 0; i < 3; ++i) paint(assets.shootImages[i], kPlayerW, kPlayerH, 0x400000 + i);
    for (int i = 0; i < 6; ++i) paint(assets.eatImages[i], kPlayerW, kPlayerH, 0x500000 + i);
    paint(assets.dieImage, kPlayerW, kPlayerH, 0x600000);
    paint(assets.defendImage, kPlayerW, kPlayerH, 0x700000);
    for (int i = 0; i < 4; ++i) paint(assets.meatImages[i], 40, 30, 0x800000 + i);
    for (int i = 0; i < 4; ++i) paint(assets.sleepImages[i], 120, 100, 0x900000 + i);
    paint(assets.plrBulletImage, 10, 10, 0xA00000);
    sleepX = 740;
    sleepY = 860;
    freshPlayerAt(300, 200);
    drawingCounters.sleepFrameTime = kStartTick;
    drawingCounters.playerFrameTime = kStartTick;
  }

  // The colour shown inside the player box and whether the picture is mirrored there.
  static std::uint32_t playerPicture() { return at(truncToInt(player.x) + 5, truncToInt(player.y) + 5); }
  static bool playerMirrored() { return at(truncToInt(player.x) + kPlayerW - 1, truncToInt(player.y) + 5) == kMarker; }
};

ScoreDigit* appendDigit(char digit) {
  auto* d = static_cast<ScoreDigit*>(std::calloc(1, sizeof(ScoreDigit)));
  d->digit = digit;
  d->prev = scoreTail;
  if (scoreTail) scoreTail->next = d;
  else scoreHead = d;
  scoreTail = d;
  return d;
}

}  // namespace

TEST(StatusBars, RightEdgesFollowValueTimesFiveHundredOverTheMaximum) {
  EXPECT_EQ(barRightEdge(100, 50, 50), 600);
  EXPECT_EQ(barRightEdge(100, 30, 30), 600);
  EXPECT_EQ(barRightEdge(100, 150, 150), 600);
  EXPECT_EQ(barRightEdge(1000, 0, 60), 1000);
  EXPECT_EQ(barRightEdge(1000, 60, 60), 1500);
  EXPECT_EQ(barRightEdge(100, 7, 30), 216);
  EXPECT_EQ(barRightEdge(100, 149, 150), 596);
  EXPECT_EQ(barRightEdge(100, -1, 50), 90);
  EXPECT_EQ(barRightEdge(100, 4000000, 50), 40000100) << "the largest products fitting 32 bits agree";
  EXPECT_EQ(barRightEdge(100, kHitPointFloor, 50), INT_MIN) << "far below zero saturates instead of wrapping";
}

TEST_F(FrameTest, BarsDrawToTheirEdgesAndAFarNegativeValueDrawsLikeAnyNegativeOne) {
  player.ammo = 7;
  drawFrame();
  EXPECT_EQ(at(150, 875), gfx::colourToWord(0x41DDFF) & 0xFFFFFF) << "ammunition fill";
  EXPECT_NE(at(216, 875), kBackground) << "the bar's border column at its right edge";
  EXPECT_EQ(at(217, 875), kBackground);

  player.hitPoints = -1000;
  drawFrame();
  const std::vector<std::uint32_t> slightlyNegative = grab();
  player.hitPoints = kHitPointFloor;
  drawFrame();
  EXPECT_TRUE(sameFrame(grab(), slightlyNegative));
}

TEST_F(FrameTest, ScoreDigitsStandTwentyFivePixelsApartAndTheTextSettingsComeBack) {
  appendDigit('1');
  appendDigit('2');
  appendDigit('0');
  drawFrame();
  const std::vector<std::uint32_t> composed = grab();
  EXPECT_EQ(gfx::graphicsState.window->textColour, 0xFF9600u) << "the screen text colour is restored";

  freeScore();
  drawFrame();
  gfx::setFont(50, 0, "Consolas");
  gfx::setTextColour(0x0A0A0A);
  gfx::drawChar(1000, 810, '1');
  gfx::drawChar(1025, 810, '2');
  gfx::drawChar(1050, 810, '0');
  gfx::setTextColour(0xFF9600);
  gfx::setFont(100, 0, "Consolas");
  EXPECT_TRUE(sameFrame(composed, grab()));
}

TEST_F(FrameTest, MealEndsWithFullHealthAndFiveShotsOnlyUpToThirty) {
  for (int ammo : {25, 26}) {
    player.state = Eating;
    player.hitPoints = 3;
    player.energy = -4;
    player.ammo = static_cast<std::int8_t>(ammo);
    drawingCounters.eatStep = 23;
    drawingCounters.playerFrameTime = kStartTick - 121;
    drawFrame();
    EXPECT_EQ(playerPicture(), 0x500004u) << "step 24 shows eat5.png";
    EXPECT_EQ(player.state, Free);
    EXPECT_EQ(player.hitPoints, 50);
    EXPECT_EQ(player.energy, 150);
    EXPECT_EQ(player.ammo, ammo == 25 ? 30 : 26) << "meal with ammo " << ammo;
    EXPECT_EQ(drawingCounters.eatStep, 0);
  }
}

TEST_F(FrameTest, HoldingHShowsTheRunImagesEvenWithoutEnergy) {
  player.energy = 0;
  drawingCounters.walkFrame = 4;
  drawingCounters.playerFrameTime = kStartTick - 81;
  fake::holdKey('H');
  drawFrame();
  EXPECT_EQ(playerPicture(), 0x200001u) << "run2.png after one 80 ms step";
  EXPECT_EQ(drawingCounters.walkFrame, 0);
  EXPECT_EQ(drawingCounters.playerFrameTime, kStartTick);
}

TEST_F(FrameTest, ShotPoseFacesTheAimPoint) {
  player.state = Shooting;
  player.facingRight = 0;
  player.aimX = 301;
  drawFrame();
  EXPECT_EQ(playerPicture(), 0x400000u);
  EXPECT_TRUE(playerMirrored()) << "aim right of the player: faces right";
  player.aimX = 300;
  drawFrame();
  EXPECT_FALSE(playerMirrored()) << "aim exactly at the player's x: drawn as stored";
  EXPECT_EQ(player.facingRight, 0);
}

TEST_F(FrameTest, StrikeTimingFollowsTheSharedPlayerClock) {
  const std::uint64_t t = kStartTick;
  drawingCounters.playerFrameTime = t;
  player.state = Striking;
  fake::setTickCount(t + 90);
  drawFrame();
  EXPECT_EQ(playerPicture(), 0x300000u) << "att1.png until the shared clock passes 120 ms";
  fake::setTickCount(t + 120);
  drawFrame();
  EXPECT_EQ(playerPicture(), 0x300000u);
  fake::setTickCount(t + 121);
  drawFrame();
  EXPECT_EQ(playerPicture(), 0x300001u);
  fake::setTickCount(t + 241);
  drawFrame();
  EXPECT_EQ(playerPicture(), 0x300001u);
  EXPECT_EQ(player.state, Striking);
  fake::setTickCount(t + 242);
  drawFrame();
  EXPECT_EQ(playerPicture(), 0x300002u) << "att3.png for one pass";
  EXPECT_EQ(player.state, Free);
  EXPECT_EQ(drawingCounters.strikeFrame, 0);
}

TEST_F(FrameTest, WalkLoopShowsItsLastImageForOnePassAndTheDeadImageMovesNothing) {
  drawingCounters.walkFrame = 6;
  drawingCounters.playerFrameTime = kStartTick - 121;
  drawFrame();
  EXPECT_EQ(playerPicture(), 0x100007u) << "nor8.png";
  EXPECT_EQ(drawingCounters.walkFrame, 0);

  player.hitPoints = 0;
  player.state = Striking;
  drawingCounters.walkFrame = 3;
  drawingCounters.playerFrameTime = kStartTick - 500;
  drawFrame();
  EXPECT_EQ(playerPicture(), 0x600000u);
  EXPECT_EQ(drawingCounters.walkFrame, 3);
  EXPECT_EQ(drawingCounters.playerFrameTime, kStartTick - 500);
  EXPECT_EQ(player.state, Striking) << "the state is not looked at";
}

TEST_F(FrameTest, MeatStepsItsOwnClockAndFacesThePlayer) {
  auto* piece = static_cast<Meat*>(std::calloc(1, sizeof(Meat)));
  piece->x = 500;
  piece->y = 400;
  piece->frame = 2;
  piece->frameTime = kStartTick - 121;
  piece->lifetime = 1500;
  meats = piece;
  player.x = 600;
  drawFrame();
  EXPECT_EQ(at(505, 405), 0x800003u) << "meat4.png for one pass";
  EXPECT_EQ(at(500, 405), kMarker) << "player to the right: as stored";
  EXPECT_EQ(piece->frame, 0);
  EXPECT_EQ(piece->frameTime, kStartTick);
  player.x = 500;
  drawFrame();
  EXPECT_EQ(at(539, 405), kMarker) << "player not to the right: mirrored";
}

// One frame of a busy player state against a composition that follows the drawing order
// by hand: background, sleeping figure, bars with their edges worked out, player, shots,
// meat, score.
TEST_F(FrameTest, ComposedFrameMatchesAnIndependentComposition) {
  player.hitPoints = 30;
  player.ammo = 12;
  player.energy = 77;
  player.specialCooldown = 25;
  player.x = 300.7f;
  player.y = 200.2f;
  drawingCounters.sleepFrame = 1;
  drawingCounters.walkFrame = 2;
  fake::holdKey('D');
  auto* shot = static_cast<PlayerShot*>(std::calloc(1, sizeof(PlayerShot)));
  shot->x = 700.9f;
  shot->y = 100.5f;
  shot->image = &assets.plrBulletImage;
  playerShots = shot;
  auto* off = static_cast<PlayerShot*>(std::calloc(1, sizeof(PlayerShot)));
  off->x = 1595;
  off->y = -4;
  off->image = &assets.plrBulletImage;
  off->prev = shot;
  shot->next = off;
  auto* piece = static_cast<Meat*>(std::calloc(1, sizeof(Meat)));
  piece->x = 320;
  piece->y = 230;
  piece->frame = 1;
  piece->frameTime = kStartTick;
  meats = piece;
  appendDigit('4');
  appendDigit('7');

  drawFrame();
  const std::vector<std::uint32_t> composed = grab();
  EXPECT_EQ(player.facingRight, 1);

  drawImage(0, 0, &assets.backgroundImage, 0x00CC0020);
  drawSprite(740, 860, assets.sleepImages[1]);
  gfx::setFillColour(0x0000FF);
  gfx::drawRectangle(100, 810, 400, 840);
  gfx::setFillColour(0x41DDFF);
  gfx::drawRectangle(100, 860, 300, 890);
  gfx::setFillColour(0x61E350);
  gfx::drawRectangle(100, 910, 356, 940);
  gfx::setFillColour(0xD6AC81);
  gfx::drawRectangle(1000, 910, 1208, 940);
  drawSpriteMirrored(300, 200, assets.norImages[2]);
  drawSprite(700, 100, assets.plrBulletImage);
  drawSprite(1595, -4, assets.plrBulletImage);
  drawSpriteMirrored(320, 230, assets.meatImages[1]);
  gfx::setFont(50, 0, "Consolas");
  gfx::setTextColour(0x0A0A0A);
  gfx::drawChar(1000, 810, '4');
  gfx::drawChar(1025, 810, '7');
  gfx::setTextColour(0xFF9600);
  gfx::setFont(100, 0, "Consolas");
  EXPECT_TRUE(sameFrame(composed, grab()));
}

TEST(StatusBars, RightEdgeProductIsTakenIn64BitsAtEveryDepth) {
  // value * 500 leaves 32 bits below -4,294,967 hit points: a 32-bit product would wrap
  // to a huge positive edge there.
  EXPECT_EQ(barRightEdge(100, -4294968, 50), 100 - 42949680);
  EXPECT_EQ(barRightEdge(100, -1000000, 50), 100 - 10000000);
  EXPECT_EQ(barRightEdge(100, INT32_MAX, 50), INT_MAX) << "an edge beyond 32 bits is held at the limit, on its side";
}

TEST_F(FrameTest, TheHitPointBarStaysLeftOfItsLeftEdgeAtAnyDepth) {
  const std::uint32_t red = gfx::colourToWord(0x0000FF) & 0xFFFFFF;
  for (std::int32_t depth : {std::int32_t(-10), std::int32_t(-4294968), kHitPointFloor}) {
    player.hitPoints = depth;
    drawFrame();
    // A negative value draws the bar from its left edge toward the left side of the
    // window; nothing of it may appear right of the left edge.
    for (int x : {102, 350, 600, 1599})
      EXPECT_NE(at(x, 825), red) << "hit points " << depth << ": bar pixel at x " << x;
    EXPECT_EQ(at(50, 825), red) << "hit points " << depth << ": the bar toward the window's left side";
  }
}
