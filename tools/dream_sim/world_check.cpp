// List lengths, the consistency check and the death count of dream-sim.
#include "tools/dream_sim/world_check.h"

#include <cmath>
#include <sstream>

#include "game/world/game_state.h"

namespace {

// More elements than any list can hold in a run: reaching it means a cycle.
constexpr std::int64_t kCycleLimit = 10000000;

template <typename Element>
std::int64_t lengthOf(const Element* head) {
  std::int64_t n = 0;
  for (const Element* e = head; e && n < kCycleLimit; e = e->next) ++n;
  return n;
}

// Walks a list from its head: each prev must be the element walked before.
template <typename Element>
bool linksHold(const char* name, const Element* head, std::ostringstream& why) {
  const Element* before = nullptr;
  std::int64_t index = 0;
  for (const Element* e = head; e; before = e, e = e->next, ++index) {
    if (e->prev != before) {
      why << name << ": element " << index << " has prev " << static_cast<const void*>(e->prev) << ", expected "
          << static_cast<const void*>(before);
      return false;
    }
    if (index >= kCycleLimit) {
      why << name << ": more than " << kCycleLimit << " elements (a cycle)";
      return false;
    }
  }
  return true;
}

template <typename Shot>
bool shotsAreNumbers(const char* name, const Shot* head, std::ostringstream& why) {
  std::int64_t index = 0;
  for (const Shot* s = head; s; s = s->next, ++index) {
    if (std::isnan(s->x) || std::isnan(s->y) || std::isnan(s->heading)) {
      why << name << ": element " << index << " at (" << s->x << ", " << s->y << ") heading " << s->heading;
      return false;
    }
  }
  return true;
}

bool scoreHolds(std::ostringstream& why) {
  if (!scoreHead && !scoreTail) return true;
  if (!scoreHead || !scoreTail) {
    why << "score: one end null (head " << static_cast<const void*>(scoreHead) << ", tail "
        << static_cast<const void*>(scoreTail) << ")";
    return false;
  }
  if (!linksHold("score", scoreHead, why)) return false;
  const ScoreDigit* last = nullptr;
  for (const ScoreDigit* d = scoreHead; d; last = d, d = d->next) {
    if (d->digit < '0' || d->digit > '9') {
      why << "score: digit code " << int(d->digit);
      return false;
    }
  }
  if (last != scoreTail) {
    why << "score: tail is not the last digit";
    return false;
  }
  return true;
}

bool positionsAreNumbers(std::ostringstream& why) {
  if (std::isnan(player.x) || std::isnan(player.y) || std::isnan(player.heading)) {
    why << "player at (" << player.x << ", " << player.y << ") heading " << player.heading;
    return false;
  }
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const Monster& m = monsters[slot];
    if (m.alive && (std::isnan(m.x) || std::isnan(m.y) || std::isnan(m.heading) || std::isnan(m.targetX) ||
                    std::isnan(m.targetY))) {
      why << "monster slot " << slot << " at (" << m.x << ", " << m.y << ") heading " << m.heading;
      return false;
    }
  }
  for (const Boom* b = booms; b; b = b->next) {
    if (std::isnan(b->heading)) {
      why << "bomb at (" << b->x << ", " << b->y << ") heading NaN";
      return false;
    }
  }
  return shotsAreNumbers("player shots", playerShots, why) && shotsAreNumbers("enemy shots", enemyShots, why);
}

}  // namespace

ListLengths measureLists() {
  ListLengths n;
  n.playerShots = lengthOf(playerShots);
  n.enemyShots = lengthOf(enemyShots);
  n.booms = lengthOf(booms);
  n.meats = lengthOf(meats);
  n.scoreDigits = lengthOf(scoreHead);
  return n;
}

void keepPeak(ListLengths& peak, const ListLengths& now) {
  auto raise = [](std::int64_t& p, std::int64_t v) { p = v > p ? v : p; };
  raise(peak.playerShots, now.playerShots);
  raise(peak.enemyShots, now.enemyShots);
  raise(peak.booms, now.booms);
  raise(peak.meats, now.meats);
  raise(peak.scoreDigits, now.scoreDigits);
}

std::string findViolation() {
  std::ostringstream why;
  const bool holds = linksHold("player shots", playerShots, why) && linksHold("enemy shots", enemyShots, why) &&
                     linksHold("bombs", booms, why) && linksHold("meat", meats, why) && scoreHolds(why) &&
                     positionsAreNumbers(why);
  return holds ? std::string() : why.str();
}

std::int64_t scoreValue() {
  std::int64_t value = 0;
  for (const ScoreDigit* d = scoreHead; d; d = d->next) value = value * 10 + (d->digit - '0');
  return value;
}

void DeathCounter::before() {
  for (int slot = 0; slot < kSlotCount; ++slot) slots_[slot] = monsters[slot];
}

int DeathCounter::deathsSince() const {
  int deaths = 0;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const Monster& was = slots_[slot];
    const Monster& now = monsters[slot];
    if (!was.alive) continue;
    if (!now.alive || now.kind != was.kind || now.hitPoints > was.hitPoints) ++deaths;
  }
  return deaths;
}
