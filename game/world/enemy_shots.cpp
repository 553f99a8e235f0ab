// Enemy shots: the picture for a heading, and the list operations the firing and hit rules
// share. Depends on the world's bullet pictures and the game state's list head.
#include "game/world/enemy_shots.h"

#include <cmath>
#include <cstdlib>

#include "game/world/game_state.h"
#include "game/world/lists.h"
#include "game/world/world_pictures.h"
#include "graphics/image.h"

namespace {

// The doubles nearest to k * pi / 12: the band edges of the bullet pictures.
constexpr double kPiOver12 = 0.26179938779914946;
constexpr double kPiOver4 = 0.7853981633974483;
constexpr double k5PiOver12 = 1.3089969389957472;
constexpr double k7PiOver12 = 1.8325957145940461;
constexpr double k3PiOver4 = 2.356194490192345;
constexpr double k11PiOver12 = 2.879793265790644;
constexpr double k13PiOver12 = 3.4033920413889427;
constexpr double k5PiOver4 = 3.9269908169872414;
constexpr double k17PiOver12 = 4.4505895925855405;
// Just below -pi/2, so the fan's first heading (exactly -pi/2) points straight up.
constexpr double kStraightUpLow = -1.5717963267948964;

// Index into enmBulletImages: 0, 30, 60, 90, 120, 150, -30, -60, -90, -120, -150, -180 degrees.
int bulletBand(double a) {
  if (std::fabs(a) < kPiOver12) return 0;
  if (kPiOver12 <= a && a < kPiOver4) return 1;
  if (kPiOver4 <= a && a < k5PiOver12) return 2;
  if (k5PiOver12 <= a && a < k7PiOver12) return 3;
  if (k7PiOver12 <= a && a < k3PiOver4) return 4;
  if (k3PiOver4 <= a && a < k11PiOver12) return 5;
  if (-kPiOver4 < a && a <= -kPiOver12) return 6;
  if (-k5PiOver12 < a && a <= -kPiOver4) return 7;
  if ((kStraightUpLow <= a && a <= -k5PiOver12) || a > k17PiOver12) return 8;
  if (k5PiOver4 < a && a <= k17PiOver12) return 9;
  if (k13PiOver12 < a && a <= k5PiOver4) return 10;
  if (a >= k11PiOver12) return 11;
  return 0;
}

}  // namespace

void chooseEnemyShotImage(EnemyShot& shot) { shot.image = &worldPictures.enemyShots[bulletBand(shot.heading)]; }

void appendEnemyShot(EnemyShot* shot) {
  appendAtTail(enemyShots, shot);
}

void removeEnemyShot(EnemyShot* shot) {
  unlinkFromList(enemyShots, shot);
  std::free(shot);
}
