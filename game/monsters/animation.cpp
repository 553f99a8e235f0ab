// The monsters' animation step. Depends on the game state and the animation clock rule.
#include "game/monsters/animation.h"

#include "game/world/animation_clock.h"
#include "game/world/game_state.h"
#include "game/world/monster_kinds.h"
#include "game/world/shown_pictures.h"
#include "graphics/image.h"

namespace {

constexpr int kVolleySteps = 24;

// Steps the run's frame when more than 120 ms have passed since the slot's frame clock.
void stepFrame(Monster& m, MonsterAnimation& run) { stepAfter(m.frameTime, 120, run.frame); }

// The picture of the slot for this pass, or null when nothing is shown; ends attacks.
const IMAGE* pictureOf(Monster& m) {
  switch (m.state) {
    case kMonsterIdle:
      return &m.moveFrames.images[0];
    case kMonsterAttacking: {
      MonsterAnimation& attack = m.attackFrames;
      m.moveFrames.frame = 0;
      if (attack.frameCount > 1) stepFrame(m, attack);
      const MonsterKindRow* row = findMonsterKind(m.kind);
      if (row && row->attackEnd == AttackEnd::kVolley) {
        const IMAGE* picture = &attack.images[attack.frame % 5];
        if (attack.frame >= kVolleySteps) {
          attack.frame = 0;
          m.state = kMonsterIdle;
        }
        return picture;
      }
      const IMAGE* picture = &attack.images[attack.frame];
      if (attack.frameCount > 1 && attack.frame >= attack.frameCount - 1) {
        attack.frame = 0;
        m.state = kMonsterIdle;
      }
      return picture;
    }
    case kMonsterMoving: {
      MonsterAnimation& move = m.moveFrames;
      if (m.hurt) {
        move.frame = 0;
        return &m.hurtFrames.images[0];
      }
      if (move.frameCount > 1) stepFrame(m, move);
      const IMAGE* picture = &move.images[move.frame];
      if (move.frameCount > 1 && move.frame >= move.frameCount - 1) move.frame = 0;
      return picture;
    }
    default:
      return nullptr;
  }
}

}  // namespace

void stepMonsterAnimations() {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    Monster& m = monsters[slot];
    shownPictures.monsters[slot] = m.alive && m.moveFrames.images ? pictureOf(m) : nullptr;
  }
}
