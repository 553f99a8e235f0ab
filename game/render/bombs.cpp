// Drawing of the bombs and their blasts: a resting or flying bomb is its picture; a blast
// steps through its 27 pictures by the clock, centred on the bomb, and the bomb is freed
// once the last has been shown.
#include "game/render/bombs.h"

#include "game/assets/catalogue.h"
#include "game/assets/sprites.h"
#include "game/render/animation_step.h"
#include "game/world/bombs.h"
#include "game/world/game_state.h"

namespace {

constexpr int kBlastImageCount = 27;

}  // namespace

void drawBooms() {
  const IMAGE& sizing = assets.blastImages[0];
  Boom* bomb = booms;
  while (bomb) {
    Boom* next = bomb->next;
    if (bomb->blastFrame == 0) {
      drawSprite(bomb->x, bomb->y, *bomb->image);
    } else {
      stepAfter(bomb->blastFrameTime, 120, bomb->blastFrame);
      const int frame = bomb->blastFrame < kBlastImageCount ? bomb->blastFrame : kBlastImageCount;
      drawSprite(bomb->x + bomb->image->width() / 2 - sizing.width() / 2,
                 bomb->y + bomb->image->height() / 2 - sizing.height() / 2, assets.blastImages[frame - 1]);
      if (bomb->blastFrame >= kBlastImageCount) removeBomb(bomb);
    }
    bomb = next;
  }
}
