// The simulated player: a random one that keeps each intent (walk, run, fire at a monster,
// strike, dash) for a few ticks, and a scripted one that goes for meat, shoots the nearest
// monster while it has ammunition and strikes it when close. Both eat when meat is near.
// Depends on the fake platform's input and on reading the game state.
#include "tools/dream_sim/sim_player.h"

#include <cmath>

#include "game/assets/catalogue.h"
#include "game/world/game_state.h"
#include "platform/base/exact_maths.h"
#include "platform/fake/fake_platform.h"
#include "platform/seam/input.h"

namespace {

constexpr float kMeatRange = 160.0f;

float playerCentreX() { return player.x + assets.norImages[0].width() / 2.0f; }
float playerCentreY() { return player.y + assets.norImages[0].height() / 2.0f; }

void hold(int key) { platform::fake::holdKey(key); }

// Centre of a living slot's current picture; false for no slot (-1) or a free one.
bool slotCentre(int slot, float& x, float& y) {
  if (slot < 0 || slot >= kSlotCount) return false;
  const Monster& m = monsters[slot];
  if (!m.alive || !m.moveFrames.images) return false;
  x = m.x + m.moveFrames.images[0].width() / 2.0f;
  y = m.y + m.moveFrames.images[0].height() / 2.0f;
  return true;
}

int nearestSlot() {
  int best = -1;
  float bestDistance = 0;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    float x = 0, y = 0;
    if (!slotCentre(slot, x, y)) continue;
    const float d = platform::exact::hypot(x - playerCentreX(), y - playerCentreY());
    if (best < 0 || d < bestDistance) {
      best = slot;
      bestDistance = d;
    }
  }
  return best;
}

}  // namespace

void SimPlayer::releaseAll() { platform::fake::releaseAll(); }

void SimPlayer::click() {
  platform::fake::releaseAll();
  hold(platform::kVkLButton);
}

void SimPlayer::playTick(std::uint64_t tick) {
  platform::fake::releaseAll();
  if (kind_ == PlayerKind::kRandom) playRandom();
  else playScripted(tick);
}

void SimPlayer::holdDirection(int dx, int dy) {
  if (dx < 0) hold('A');
  if (dx > 0) hold('D');
  if (dy < 0) hold('W');
  if (dy > 0) hold('S');
}

void SimPlayer::walkToward(float x, float y) {
  const float px = playerCentreX(), py = playerCentreY();
  holdDirection(x > px + 8 ? 1 : x < px - 8 ? -1 : 0, y > py + 8 ? 1 : y < py - 8 ? -1 : 0);
}

bool SimPlayer::aimAtSlot(int slot) {
  float x = 0, y = 0;
  if (!slotCentre(slot, x, y)) return false;
  platform::fake::placeCursor(static_cast<int>(x), static_cast<int>(y));
  return true;
}

bool SimPlayer::meatNear(float range, float& x, float& y) const {
  for (const Meat* piece = meats; piece; piece = piece->next) {
    const float mx = piece->x + assets.eatImages[0].width() / 2.0f;
    const float my = piece->y + assets.eatImages[0].height() / 2.0f;
    if (platform::exact::hypot(mx - playerCentreX(), my - playerCentreY()) < range) {
      x = mx;
      y = my;
      return true;
    }
  }
  return false;
}

void SimPlayer::newIntent() {
  // Whole-number draws from the game's generator: the same choices on every machine.
  const auto percent = [this](int p) { return random_.next() % 100 < p; };
  intent_ = Intent{};
  intent_.ticksLeft = 5 + random_.next() % 36;
  intent_.dx = random_.next() % 3 - 1;
  intent_.dy = random_.next() % 3 - 1;
  intent_.run = percent(25);
  intent_.fire = percent(40);
  intent_.strike = !intent_.fire && percent(25);
  intent_.dash = percent(4);
  if (intent_.fire || intent_.strike) {
    intent_.targetSlot = random_.next() % kSlotCount;
    if (!monsters[intent_.targetSlot].alive) intent_.targetSlot = nearestSlot();
  }
}

void SimPlayer::playRandom() {
  float mx = 0, my = 0;
  if (meatNear(kMeatRange, mx, my)) {
    walkToward(mx, my);
    hold('E');
    return;
  }
  if (--intent_.ticksLeft <= 0 || (intent_.targetSlot >= 0 && !monsters[intent_.targetSlot].alive)) newIntent();
  if (intent_.strike) {
    float x = 0, y = 0;
    if (slotCentre(intent_.targetSlot, x, y)) walkToward(x, y);
    hold('J');
  } else {
    holdDirection(intent_.dx, intent_.dy);
  }
  if (intent_.run) hold('H');
  if (intent_.fire && aimAtSlot(intent_.targetSlot)) hold(platform::kVkLButton);
  if (intent_.dash) {
    hold('K');
    intent_.dash = false;
  }
}

void SimPlayer::playScripted(std::uint64_t tick) {
  float mx = 0, my = 0;
  if (meatNear(1600.0f, mx, my)) {
    walkToward(mx, my);
    hold('E');
    if (tick % 40 < 20) hold('H');
    return;
  }
  const int slot = nearestSlot();
  float x = 0, y = 0;
  if (!slotCentre(slot, x, y)) return;
  aimAtSlot(slot);
  if (tick % 900 == 450) {
    hold('K');
    return;
  }
  if (player.ammo > 0 && tick % 300 < 200) {
    hold(platform::kVkLButton);
    return;
  }
  walkToward(x, y);
  if (platform::exact::hypot(x - playerCentreX(), y - playerCentreY()) < 120) hold('J');
}
