// The world's digest: FNV-1a over the game state's fields in a fixed order.
#include "game/shell/world_digest.h"

#include <cstdio>
#include <cstring>

#include "game/assets/catalogue.h"
#include "game/render/frame.h"
#include "game/world/game_state.h"

namespace {

class Digest {
 public:
  template <typename... Values>
  void add(const Values&... values) {
    (addBytes(values), ...);
  }
  // A picture by its place in the catalogue's list of picture files (-1 for none or another).
  void addPicture(const IMAGE* picture) {
    const std::vector<PictureFile>& files = pictureFiles();
    std::int32_t place = -1;
    for (std::size_t i = 0; picture && i < files.size() && place < 0; ++i)
      if (files[i].image == picture) place = std::int32_t(i);
    add(place);
  }
  std::uint64_t value() const { return hash_; }

 private:
  template <typename Value>
  void addBytes(const Value& value) {
    unsigned char bytes[sizeof(Value)];
    std::memcpy(bytes, &value, sizeof(Value));
    for (unsigned char b : bytes) hash_ = (hash_ ^ b) * 0x100000001B3ull;
  }

  std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

void addPlayer(Digest& d, const Player& p) {
  d.add(p.hitPoints, p.damage, p.energy, p.x, p.y, p.targetX, p.targetY);
  d.add(p.heading, p.speed, p.stepSpeed, p.ammo, p.state, p.invulnerable);
  d.add(p.facingRight, p.specialCooldown, p.lastAttackTime, p.aimX, p.aimY);
}

void addRun(Digest& d, const MonsterAnimation& run) {
  d.addPicture(run.images);
  d.add(run.frame, run.frameCount);
}

void addMonster(Digest& d, const Monster& m) {
  d.add(m.hitPoints, m.alive, m.damage, m.x, m.y, m.targetX, m.targetY);
  d.add(m.heading, m.speed, m.stepSpeed, m.state, m.hurt, m.actionTime);
  d.add(m.frameTime, m.kind);
  addRun(d, m.moveFrames);
  addRun(d, m.attackFrames);
  addRun(d, m.hurtFrames);
}

template <typename Shot>
void addShots(Digest& d, const Shot* head) {
  for (const Shot* s = head; s; s = s->next) {
    d.add(s->x, s->y, s->speed, s->damage, s->heading);
    d.addPicture(s->image);
  }
  d.add(std::uint8_t(0xFF));  // the end of the list
}

void addBombs(Digest& d) {
  for (const Boom* b = booms; b; b = b->next) {
    d.add(b->x, b->y, b->speed, b->damage, b->fuse, b->targetX, b->targetY);
    d.add(b->heading, b->moving, b->blastSoundPlayed, b->blastFrame, b->blastSize);
    d.add(b->blastFrameTime, b->kicked, b->kickX, b->kickY, b->kickFlown);
    d.addPicture(b->image);
  }
  d.add(std::uint8_t(0xFF));
}

}  // namespace

std::uint64_t worldDigest() {
  Digest d;
  addPlayer(d, player);
  for (const MonsterKind& k : monsterKinds) d.add(k.hitPoints, k.damage, k.speed, k.kind);
  for (const Monster& m : monsters) addMonster(d, m);
  addShots(d, playerShots);
  addShots(d, enemyShots);
  addBombs(d);
  for (const Meat* m = meats; m; m = m->next) d.add(m->x, m->y, m->frame, m->frameTime, m->lifetime);
  d.add(std::uint8_t(0xFF));
  for (const ScoreDigit* s = scoreHead; s; s = s->next) d.add(s->digit);
  return d.value();
}

std::string passDigestLine(std::uint64_t round, std::uint64_t pass, bool withFrame) {
  char line[96];
  const int length =
      std::snprintf(line, sizeof line, "round %llu pass %llu world %016llx", static_cast<unsigned long long>(round),
                    static_cast<unsigned long long>(pass), static_cast<unsigned long long>(worldDigest()));
  if (withFrame && pass % 64 == 0)
    std::snprintf(line + length, sizeof line - std::size_t(length), " frame %016llx",
                  static_cast<unsigned long long>(frameDigest()));
  return line;
}
