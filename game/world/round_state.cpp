// The per-round part of the game state and the freeing of its lists.
#include "game/world/round_state.h"

#include <cstdlib>

Player player{0, 0, 0, 0.0f, 0.0f, 0.0f, 0.0f, 0.0, 0, 0, 0, Free, 0, 0, 60, 0, 0, 0};
Monster monsters[kSlotCount];
PlayerShot* playerShots = nullptr;
EnemyShot* enemyShots = nullptr;
Boom* booms = nullptr;
Meat* meats = nullptr;
ScoreDigit* scoreHead = nullptr;
ScoreDigit* scoreTail = nullptr;

namespace {

// Frees a list of elements linked by next.
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
