// The process-wide game state and its program-start values.
#include "game/world/game_state.h"

#include <cstdlib>

#include "game/render/frame.h"

Player player{0, 0, 0, 0.0f, 0.0f, 0.0f, 0.0f, 0.0, 0, 0, 0, Free, 0, 0, 60, 0, 0, 0};
MonsterKind monsterKinds[kKindCount];
Monster monsters[kSlotCount];
PlayerShot* playerShots = nullptr;
EnemyShot* enemyShots = nullptr;
Boom* booms = nullptr;
Meat* meats = nullptr;
ScoreDigit* scoreHead = nullptr;
ScoreDigit* scoreTail = nullptr;
int sleepX = 0;
int sleepY = 0;
void* windowHandle = nullptr;

namespace {

// Frees a list of elements linked by next, all from std::malloc.
template <typename Element>
void freeList(Element*& head) {
  while (head) {
    Element* next = head->next;
    std::free(head);
    head = next;
  }
}

}  // namespace

void freeScore() {
  freeList(scoreHead);
  scoreTail = nullptr;
}

void freeBooms() { freeList(booms); }
void freeShots() {
  freeList(playerShots);
  freeList(enemyShots);
}
void freeMeats() { freeList(meats); }

void clearGameState() {
  freeScore();
  freeBooms();
  freeShots();
  freeMeats();
  player = Player{};
  player.state = Free;
  player.specialCooldown = 60;
  for (MonsterKind& kind : monsterKinds) kind = MonsterKind{};
  for (Monster& slot : monsters) slot = Monster{};
  sleepX = 0;
  sleepY = 0;
  drawingCounters = DrawingCounters{};
}
