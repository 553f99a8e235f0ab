// A round's opening (see round_opening.h): each inherited field as one value read under the
// round tags, floats by their bits, pictures by their place in the catalogue, behaviours by
// their row in the table of kinds.
#include "game/shell/round_opening.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>

#include "game/assets/catalogue.h"
#include "game/world/drawing_counters.h"
#include "game/world/game_clock.h"
#include "game/world/game_state.h"
#include "game/world/monster_kinds.h"
#include "platform/base/fatal.h"
#include "platform/base/random.h"
#include "platform/replay/session.h"

namespace {

namespace tag = platform::replay::value_tag;

// The first read of every round: the layout of what follows. A file that opens with this tag
// holds one round.
constexpr std::uint8_t kOpening = tag::kFirstRound;
constexpr std::uint8_t kSeed = tag::kFirstRound + 1;
constexpr std::uint8_t kClock = tag::kFirstRound + 2;
constexpr std::uint8_t kPlayer = tag::kFirstRound + 3;
constexpr std::uint8_t kKinds = tag::kFirstRound + 4;
constexpr std::uint8_t kSlots = tag::kFirstRound + 5;
constexpr std::uint8_t kCounters = tag::kFirstRound + 6;
constexpr std::uint64_t kOpeningLayout = 1;

template <typename Value>
std::uint64_t bitsOf(Value value) {
  static_assert(std::is_trivially_copyable_v<Value> && sizeof(Value) <= 8);
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof(Value));
  return bits;
}

template <typename Value>
Value valueOf(std::uint64_t bits) {
  Value value;
  std::memcpy(&value, &bits, sizeof(Value));
  return value;
}

// One field: kept as it is live, the recorded value when a round's file is replayed.
template <typename Value>
void inherit(std::uint8_t tag, Value& field) {
  const std::uint64_t bits = bitsOf(field);
  field = valueOf<Value>(platform::replay::valueRead(tag, bits, bits));
}

// A picture by its place in the catalogue's list of picture files (0: none).
void inheritPicture(std::uint8_t tag, IMAGE*& picture) {
  const std::vector<PictureFile>& files = pictureFiles();
  std::uint64_t place = 0;
  for (std::size_t i = 0; picture && i < files.size() && place == 0; ++i)
    if (files[i].image == picture) place = i + 1;
  place = platform::replay::valueRead(tag, place, place);
  picture = place > 0 && place <= files.size() ? files[place - 1].image : nullptr;
}

// A behaviour by its row in the table of kinds (0: none).
void inheritBehaviour(std::uint8_t tag, void (*&behaviour)(std::int32_t)) {
  std::size_t count = 0;
  const MonsterKindRow* rows = monsterKindRows(count);
  std::uint64_t row = 0;
  for (std::size_t i = 0; behaviour && i < count && row == 0; ++i)
    if (rows[i].behaviour == behaviour) row = i + 1;
  row = platform::replay::valueRead(tag, row, row);
  behaviour = row > 0 && row <= count ? rows[row - 1].behaviour : nullptr;
}

void inheritAnimation(std::uint8_t tag, MonsterAnimation& run) {
  inheritPicture(tag, run.images);
  inherit(tag, run.frame);
  inherit(tag, run.frameCount);
}

void inheritPlayer(Player& p) {
  inherit(kPlayer, p.hitPoints);
  inherit(kPlayer, p.damage);
  inherit(kPlayer, p.energy);
  inherit(kPlayer, p.x);
  inherit(kPlayer, p.y);
  inherit(kPlayer, p.targetX);
  inherit(kPlayer, p.targetY);
  inherit(kPlayer, p.heading);
  inherit(kPlayer, p.speed);
  inherit(kPlayer, p.stepSpeed);
  inherit(kPlayer, p.ammo);
  inherit(kPlayer, p.state);
  inherit(kPlayer, p.invulnerable);
  inherit(kPlayer, p.facingRight);
  inherit(kPlayer, p.specialCooldown);
  inherit(kPlayer, p.lastAttackTime);
  inherit(kPlayer, p.aimX);
  inherit(kPlayer, p.aimY);
}

void inheritSlot(Monster& m) {
  inherit(kSlots, m.hitPoints);
  inherit(kSlots, m.alive);
  inherit(kSlots, m.damage);
  inherit(kSlots, m.x);
  inherit(kSlots, m.y);
  inherit(kSlots, m.targetX);
  inherit(kSlots, m.targetY);
  inherit(kSlots, m.heading);
  inherit(kSlots, m.speed);
  inherit(kSlots, m.stepSpeed);
  inherit(kSlots, m.state);
  inheritBehaviour(kSlots, m.behaviour);
  inherit(kSlots, m.hurt);
  inheritAnimation(kSlots, m.moveFrames);
  inheritAnimation(kSlots, m.attackFrames);
  inheritAnimation(kSlots, m.hurtFrames);
  inherit(kSlots, m.actionTime);
  inherit(kSlots, m.frameTime);
  inherit(kSlots, m.kind);
}

void inheritCounters(DrawingCounters& c) {
  inherit(kCounters, c.sleepFrame);
  inherit(kCounters, c.sleepFrameTime);
  inherit(kCounters, c.walkFrame);
  inherit(kCounters, c.runFrame);
  inherit(kCounters, c.strikeFrame);
  inherit(kCounters, c.shootFrame);
  inherit(kCounters, c.eatStep);
  inherit(kCounters, c.playerFrameTime);
}

}  // namespace

void openRound() {
  std::uint64_t layout = kOpeningLayout;
  inherit(kOpening, layout);
  if (layout != kOpeningLayout)
    platform::fatalError("the round opens in layout " + std::to_string(layout) + ", which this build does not know\n");
  const unsigned seedBefore = randomSeed;
  inherit(kSeed, randomSeed);
  GameClockState clock = gameClockState();
  inherit(kClock, clock.stoppedTotal);
  inherit(kClock, clock.stoppedAt);
  inherit(kClock, clock.stopped);
  setGameClockState(clock);
  inheritPlayer(player);
  for (MonsterKind& kind : monsterKinds) {
    inherit(kKinds, kind.hitPoints);
    inherit(kKinds, kind.damage);
    inherit(kKinds, kind.speed);
    inherit(kKinds, kind.kind);
  }
  for (Monster& slot : monsters) inheritSlot(slot);
  inheritCounters(drawingCounters);
  // Live the generator already stands where this seed put it.
  if (randomSeed != seedBefore || platform::replay::replaying()) platform::randomSeed(randomSeed);
}

bool opensRound() { return platform::replay::replayOpensWith(kOpening); }
