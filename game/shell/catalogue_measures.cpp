// The world's sizes and pictures from the catalogue. Depends on the catalogue, the table of
// kinds and the world's records of both.
#include "game/shell/catalogue_measures.h"

#include "game/assets/catalogue.h"
#include "game/world/monster_kinds.h"
#include "game/world/rule_sizes.h"
#include "game/world/world_pictures.h"

namespace {

Size sizeOf(const IMAGE& image) { return Size{image.width(), image.height()}; }

Size firstOf(const MonsterAnimation& run) { return run.images ? sizeOf(run.images[0]) : Size{0, 0}; }

}  // namespace

void takeCatalogueMeasures() {
  AssetCatalogue& a = assets;
  RuleSizes& s = ruleSizes;
  s.player = sizeOf(a.norImages[0]);
  s.meal = sizeOf(a.eatImages[0]);
  s.playerShot = sizeOf(a.plrBulletImage);
  for (int band = 0; band < 12; ++band) s.enemyShots[band] = sizeOf(a.enmBulletImages[band]);
  s.bomb = sizeOf(a.boomImage);
  s.blast = sizeOf(a.blastImages[0]);
  s.kinds.clear();
  std::size_t count = 0;
  const MonsterKindRow* rows = monsterKindRows(count);
  for (std::size_t i = 0; i < count; ++i)
    s.kinds.push_back(KindSizes{rows[i].code, firstOf(rows[i].moveFrames), firstOf(rows[i].attackFrames)});
  worldPictures = WorldPictures{&a.boomImage, a.enmBulletImages, a.blastImages};
}
