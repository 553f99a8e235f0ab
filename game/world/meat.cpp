// The meat's picture steps. Depends on the game state and the animation clock rule.
#include "game/world/meat.h"

#include "game/world/animation_clock.h"
#include "game/world/game_state.h"
#include "game/world/shown_pictures.h"

void stepMeatFrames() {
  shownPictures.meatFrames.clear();
  for (Meat* piece = meats; piece; piece = piece->next) {
    stepAfter(piece->frameTime, 120, piece->frame);
    shownPictures.meatFrames.push_back(piece->frame);
    if (piece->frame == 3) piece->frame = 0;
  }
}
