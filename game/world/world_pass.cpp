// The per-tick world pass. Depends on the game state, the shared move steps and the bombs'
// update.
#include "game/world/world_pass.h"

#include <cmath>
#include <cstdlib>

#include "game/world/bombs.h"
#include "game/world/game_state.h"
#include "game/world/lists.h"
#include "game/world/monster_kinds.h"
#include "game/world/movement.h"
#include "platform/base/exact_maths.h"

namespace {

template <typename Shot>
void flyShots(Shot* head) {
  for (Shot* shot = head; shot; shot = shot->next) {
    shot->x = static_cast<float>(shot->x + platform::exact::cos(shot->heading) * shot->speed);
    shot->y = static_cast<float>(shot->y + platform::exact::sin(shot->heading) * shot->speed);
  }
}

void ageMeat() {
  Meat* piece = meats;
  while (piece) {
    Meat* next = piece->next;
    piece->lifetime -= 1;
    if (piece->lifetime == 0) {
      unlinkFromList(meats, piece);
      std::free(piece);
    }
    piece = next;
  }
}

}  // namespace

void updateWorld() {
  if (player.state == Dashing || player.state == KnockedBack) playerStep();
  for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
    const Monster& m = monsters[slot];
    if (!m.alive) continue;
    const MonsterKindRow* row = findMonsterKind(m.kind);
    if (m.state == kMonsterMoving || (m.state == kMonsterAttacking && row && row->movesWhileAttacking)) {
      monsterStep(slot);
    }
  }
  flyShots(playerShots);
  flyShots(enemyShots);
  updateBooms();
  ageMeat();
}
