// Drawing of the player, the monsters and the bombs from what the animation step chose.
// Reads the world and writes only pixels.
#include "game/render/figures.h"

#include "game/assets/sprites.h"
#include "game/world/game_state.h"
#include "game/world/geometry.h"
#include "game/world/shown_pictures.h"
#include "graphics/image.h"

namespace {

void drawShown(const ShownSprite& sprite) {
  if (!sprite.image) return;
  if (sprite.mirrored) drawSpriteMirrored(sprite.x, sprite.y, *sprite.image);
  else drawSprite(sprite.x, sprite.y, *sprite.image);
}

}  // namespace

void drawPlayer() { drawShown(shownPictures.player); }

void drawMonsters() {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const IMAGE* picture = shownPictures.monsters[slot];
    if (!picture) continue;
    const Monster& m = monsters[slot];
    drawShown(ShownSprite{truncToInt(m.x), truncToInt(m.y), picture, !(player.x > m.x)});
  }
}

void drawBooms() {
  for (const ShownSprite& sprite : shownPictures.bombs) drawShown(sprite);
}
