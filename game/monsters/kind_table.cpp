// The rows of the monster kinds' table: code, behaviour, picture runs, how an attack ends,
// whether it moves while attacking, and its wander. Depends on the catalogue and the
// behaviours.
#include "game/monsters/kind_table.h"

#include "game/assets/catalogue.h"
#include "game/monsters/behaviours.h"
#include "game/world/monster_kinds.h"

namespace {

MonsterAnimation run(IMAGE* first, std::int8_t count) { return MonsterAnimation{first, 0, count}; }

}  // namespace

void useGameMonsterKinds() {
  AssetCatalogue& a = assets;
  static const MonsterKindRow rows[] = {
      {kShark, sharkBehaviour, run(a.sharkMoveImages, 8), run(&a.sharkAtkImage, 1), run(&a.sharkHittedImage, 1),
       AttackEnd::kLastPicture, true, Wander::kTowardPlayer, 3},
      {kBlackCloud, cloudBehaviour, run(&a.blackCloudImage, 1), run(a.bcAtkImages, 5), run(&a.bcHittedImage, 1),
       AttackEnd::kVolley, false, Wander::kAwayFromPlayer, 1},
      {kPlane, planeBehaviour, run(&a.planeImage, 1), run(&a.planeImage, 1), run(&a.planeImage, 1),
       AttackEnd::kLastPicture, false, Wander::kNearbyPoint, 200},
      {kKing, kingBehaviour, run(a.kingImages, 10), run(a.kingAtkImages, 10), run(&a.kingAtkImages[1], 1),
       AttackEnd::kLastPicture, false, Wander::kNearbyPoint, 100},
  };
  useMonsterKinds(rows, sizeof rows / sizeof rows[0]);
}
