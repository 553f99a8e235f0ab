// The per-tick world pass and the bookkeeping of a kill (score and one-in-eight meat).
// Depends on the game state, the shared move steps and the bombs' update.
#include "game/world/world_pass.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "game/world/bombs.h"
#include "game/world/rules.h"
#include "game/world/game_state.h"
#include "game/world/lists.h"
#include "platform/clock.h"

namespace {

[[noreturn]] void failAllocation() {
  std::fputs("malloc fail\n", stdout);
  std::fflush(stdout);
  std::exit(1);
}

template <typename Shot>
void flyShots(Shot* head) {
  for (Shot* shot = head; shot; shot = shot->next) {
    shot->x = static_cast<float>(shot->x + std::cos(shot->heading) * shot->speed);
    shot->y = static_cast<float>(shot->y + std::sin(shot->heading) * shot->speed);
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

void countKill() {
  ScoreDigit* digit = scoreTail;
  digit->digit += 1;
  while (digit->digit > '9') {
    digit->digit = '0';
    if (!digit->prev) {
      auto* head = static_cast<ScoreDigit*>(std::malloc(sizeof(ScoreDigit)));
      if (!head) failAllocation();
      head->digit = '0';
      head->next = digit;
      head->prev = nullptr;
      digit->prev = head;
      scoreHead = head;
    }
    digit = digit->prev;
    digit->digit += 1;
  }
}

}  // namespace

void updateWorld() {
  if (player.state == Dashing || player.state == KnockedBack) playerStep();
  for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
    const Monster& m = monsters[slot];
    if (m.alive && (m.state == kMonsterMoving || (m.state == kMonsterAttacking && m.kind == kShark))) {
      monsterStep(slot);
    }
  }
  flyShots(playerShots);
  flyShots(enemyShots);
  updateBooms();
  ageMeat();
}

void onMonsterKilled(std::int32_t slot) {
  if (player.hitPoints > 0 && scoreTail) countKill();
  if (std::rand() % 8 != 0) return;
  auto* piece = static_cast<Meat*>(std::malloc(sizeof(Meat)));
  if (!piece) failAllocation();
  piece->x = truncToInt(monsters[slot].x);
  piece->y = truncToInt(monsters[slot].y);
  piece->frame = 0;
  piece->frameTime = platform::tickCount();
  piece->lifetime = 1500;
  appendAtTail(meats, piece);
}
