// Sticks and triggers: the dead zone is a circle (a diagonal counts by its length, not per
// axis), the eight sectors are 45 degrees wide and centred on the axes and diagonals, a
// trigger counts above half travel, and the aim point lies 300 px from the centre along the
// stick, brought closer along the same line where the field would end first.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/controls/pad_sticks.h"

namespace {

using namespace platform;

constexpr AimBox kField{0, 0, 1600, 760};

TEST(PadDeadZone, IsRadial) {
  EXPECT_FALSE(beyondDeadZone(0, 0, 25));
  EXPECT_FALSE(beyondDeadZone(0.24f, 0, 25));
  EXPECT_TRUE(beyondDeadZone(0.26f, 0, 25));
  EXPECT_FALSE(beyondDeadZone(0, -0.24f, 25));
  // Each axis alone is inside, the tilt's length (0.255) is not.
  EXPECT_TRUE(beyondDeadZone(0.18f, 0.18f, 25));
  EXPECT_FALSE(beyondDeadZone(0.17f, -0.17f, 25));
  EXPECT_TRUE(beyondDeadZone(0.01f, 0, 0)) << "a zero dead zone takes any tilt";
  EXPECT_FALSE(beyondDeadZone(0.5f, 0.5f, 75));
}

TEST(PadSectors, EightSectorsOf45Degrees) {
  const int kWant[8] = {kWalkRight,          kWalkRight | kWalkDown, kWalkDown, kWalkDown | kWalkLeft,
                        kWalkLeft,           kWalkLeft | kWalkUp,    kWalkUp,   kWalkUp | kWalkRight};
  for (int sector = 0; sector < 8; ++sector) {
    for (double offset : {-22.0, 0.0, 22.0}) {
      const double degrees = sector * 45.0 + offset;
      const double radians = degrees * M_PI / 180.0;
      const float x = float(std::cos(radians)), y = float(std::sin(radians));
      EXPECT_EQ(walkDirections(x, y, 25), kWant[sector]) << "tilt at " << degrees << " degrees (y down)";
    }
    const double past = (sector * 45.0 + 23.0) * M_PI / 180.0;
    EXPECT_EQ(walkDirections(float(std::cos(past)), float(std::sin(past)), 25), kWant[(sector + 1) % 8])
        << "23 degrees past sector " << sector << " is the next one";
  }
  EXPECT_EQ(walkDirections(0.1f, -0.2f, 25), 0) << "inside the dead zone nothing walks";
  EXPECT_EQ(walkDirections(tiltOf(-32768), tiltOf(0), 25), kWalkLeft) << "the axis' far end";
}

TEST(PadTriggers, PressedAboveHalfTravel) {
  EXPECT_FALSE(triggerPressed(0));
  EXPECT_FALSE(triggerPressed(16384));
  EXPECT_TRUE(triggerPressed(16385));
  EXPECT_TRUE(triggerPressed(32767));
}

struct AimCase {
  int centreX, centreY;
  float x, y;
  int wantX, wantY;
};

TEST(PadAimPoint, ThreeHundredPixelsAlongTheStickWithinTheField) {
  const AimCase cases[] = {
      {800, 380, 1, 0, 1100, 380},          // right
      {800, 380, 0, -0.3f, 800, 80},        // up, any tilt beyond the dead zone: always 300 px
      {800, 380, -0.5f, -0.5f, 588, 168},   // up-left diagonal: 300 / sqrt(2) = 212 each way
      {1500, 380, 1, 0, 1600, 380},         // the right edge comes first
      {100, 700, -1, 1, 40, 760},           // the bottom edge first: 60 px down, 60 px left
      {1550, 50, 1, -1, 1600, 0},           // the corner: top and right at once
      {800, 380, 0.6f, 0.8f, 980, 620},     // 3-4-5
  };
  for (const AimCase& c : cases) {
    int aimX = -1, aimY = -1;
    aimPoint(c.centreX, c.centreY, c.x, c.y, kField, aimX, aimY);
    EXPECT_EQ(aimX, c.wantX) << "from " << c.centreX << "," << c.centreY << " along " << c.x << "," << c.y;
    EXPECT_EQ(aimY, c.wantY) << "from " << c.centreX << "," << c.centreY << " along " << c.x << "," << c.y;
  }
}

TEST(PadAimPoint, ShortenedPointKeepsTheStickDirection) {
  int aimX = 0, aimY = 0;
  aimPoint(1400, 600, 0.9f, 0.3f, kField, aimX, aimY);  // the right edge cuts it short
  EXPECT_EQ(aimX, 1600);
  const double heading = std::atan2(aimY - 600.0, aimX - 1400.0);
  EXPECT_NEAR(heading, std::atan2(0.3, 0.9), 0.01) << "the aim point " << aimX << "," << aimY;
  EXPECT_LT(std::hypot(aimX - 1400.0, aimY - 600.0), 300.0);
}

}  // namespace
