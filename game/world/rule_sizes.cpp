// The rules' named sizes and the lookups by kind and by shot picture.
#include "game/world/rule_sizes.h"

#include "game/world/world_pictures.h"
#include "graphics/image.h"

RuleSizes ruleSizes{};

namespace {

const KindSizes* sizesOfKind(std::int8_t code) {
  for (const KindSizes& k : ruleSizes.kinds)
    if (k.code == code) return &k;
  return nullptr;
}

}  // namespace

Size bodySize(const Monster& m) {
  const KindSizes* k = sizesOfKind(m.kind);
  return k ? k->body : Size{0, 0};
}

Size attackSize(const Monster& m) {
  const KindSizes* k = sizesOfKind(m.kind);
  return k ? k->attack : Size{0, 0};
}

Size shotSize(const PlayerShot&) { return ruleSizes.playerShot; }

Size shotSize(const EnemyShot& shot) {
  if (!worldPictures.enemyShots) return Size{0, 0};
  for (int band = 0; band < 12; ++band)
    if (shot.image == &worldPictures.enemyShots[band]) return ruleSizes.enemyShots[band];
  return Size{0, 0};
}
