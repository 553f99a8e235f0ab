// Kills: the score list of decimal digits counts up by one (and the round's tally by the
// monster's kind), and one kill in eight (a rand
// draw made whether or not the player lives) drops meat that lasts 1500 updates.
#include "game/world/kills.h"

#include <cstdlib>

#include "game/world/game_clock.h"
#include "game/world/game_state.h"
#include "game/world/geometry.h"
#include "game/world/lists.h"
#include "game/world/round_tally.h"
#include "platform/base/random.h"

namespace {

void countKill() {
  ScoreDigit* digit = scoreTail;
  digit->digit += 1;
  while (digit->digit > '9') {
    digit->digit = '0';
    if (!digit->prev) {
      auto* head = newListElement<ScoreDigit>("malloc fail\n");
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

void onMonsterKilled(std::int32_t slot) {
  if (player.hitPoints > 0 && scoreTail) {
    countKill();
    tallyScoringKill(monsters[slot].kind);
  }
  if (platform::randomNumber() % 8 != 0) return;
  auto* piece = newListElement<Meat>("malloc fail\n");
  piece->x = truncToInt(monsters[slot].x);
  piece->y = truncToInt(monsters[slot].y);
  piece->frame = 0;
  piece->frameTime = gameTickCount();
  piece->lifetime = 1500;
  appendAtTail(meats, piece);
}
