// The bullet picture for a heading: the twelve 30-degree bands with their exact edges, and
// a picture even for a heading that is not a number.
#include <cmath>
#include <limits>

#include "game/world/enemy_shots.h"
#include "game/world/geometry.h"
#include "tests/helpers/world_fixture.h"

using namespace test_world;

namespace {

enum Band { k0, k30, k60, k90, k120, k150, kM30, kM60, kM90, kM120, kM150, kM180 };
const char* const kNames[12] = {"enmbullet.png",     "enmbullet30.png",   "enmbullet60.png",
                                "enmbullet90.png",   "enmbullet120.png",  "enmbullet150.png",
                                "enmbullet-30.png",  "enmbullet-60.png",  "enmbullet-90.png",
                                "enmbullet-120.png", "enmbullet-150.png", "enmbullet-180.png"};

// The band chosen for a heading, or -1 when the picture is not one of the twelve.
int bandOf(double heading) {
  useStandInWorld(shots_world::kSizes);
  EnemyShot shot{};
  shot.heading = heading;
  chooseEnemyShotImage(shot);
  for (int band = 0; band < 12; ++band)
    if (shot.image == &standIns().bullets[band]) return band;
  return -1;
}

#define EXPECT_BAND(heading, band) \
  EXPECT_EQ(bandOf(heading), band) << "heading " << (heading) << " wants " << kNames[band]

// The doubles nearest to pi/12 and 11 pi/12 (kPi / 12 rounds one unit lower).
constexpr double kPiOver12 = 0.26179938779914946;
constexpr double k11PiOver12 = 2.879793265790644;

TEST(EnemyShotImage, TheNamedHeadingsTakeTheirBands) {
  EXPECT_BAND(0.0, k0);
  EXPECT_BAND(kPiOver12, k30);
  EXPECT_BAND(std::nextafter(kPiOver12, 0.0), k0);
  EXPECT_BAND(-kPiOver12, kM30);
  EXPECT_BAND(std::nextafter(-kPiOver12, 0.0), k0);
  EXPECT_BAND(kPi / 2, k90);
  EXPECT_BAND(kPi, kM180);
  EXPECT_BAND(-kPi / 2, kM90);
  EXPECT_BAND(3 * kPi / 2, kM90);
  EXPECT_BAND(-1.5717963267948964, kM90);
  EXPECT_BAND(k11PiOver12, kM180);
  EXPECT_BAND(std::nextafter(k11PiOver12, 0.0), k150);
}

TEST(EnemyShotImage, EachPictureServesTheSectorCentredOnItsAngle) {
  const double degree = kPi / 180;
  const struct {
    double centre;
    int band;
  } sectors[] = {{0, k0},        {30, k30},     {60, k60},     {90, k90},     {120, k120},  {150, k150},
                 {-30, kM30},    {-60, kM60},   {-90, kM90},   {270, kM90},   {240, kM120}, {210, kM150},
                 {180, kM180}};
  for (const auto& sector : sectors) {
    for (double offset : {-14.0, 0.0, 14.0}) {
      const double heading = (sector.centre + offset) * degree;
      if (heading < -kPi / 2 || heading > 3 * kPi / 2) continue;
      EXPECT_BAND(heading, sector.band);
    }
  }
}

TEST(EnemyShotImage, AHeadingThatIsNotANumberStillGetsAPicture) {
  EXPECT_BAND(std::numeric_limits<double>::quiet_NaN(), k0);
  EXPECT_BAND(-std::numeric_limits<double>::infinity(), k0);
  EXPECT_BAND(headingOfSlope(0.0f, 0.0f, false), k0) << "coinciding points give heading 0";
}

}  // namespace
