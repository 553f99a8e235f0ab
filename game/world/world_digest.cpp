// The world's digest: FNV-1a over the game state's fields in a fixed order.
#include "game/world/world_digest.h"

#include <cstring>

#include "game/assets/catalogue.h"
#include "game/world/game_state.h"

namespace {

class Digest {
 public:
  template <typename Value>
  void add(const Value& value) {
    unsigned char bytes[sizeof(Value)];
    std::memcpy(bytes, &value, sizeof(Value));
    for (unsigned char b : bytes) hash_ = (hash_ ^ b) * 0x100000001B3ull;
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
  std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

void addPlayer(Digest& d, const Player& p) {
  d.add(p.hitPoints), d.add(p.damage), d.add(p.energy), d.add(p.x), d.add(p.y), d.add(p.targetX), d.add(p.targetY);
  d.add(p.heading), d.add(p.speed), d.add(p.stepSpeed), d.add(p.ammo), d.add(p.state), d.add(p.invulnerable);
  d.add(p.facingRight), d.add(p.specialCooldown), d.add(p.lastAttackTime), d.add(p.aimX), d.add(p.aimY);
}

void addRun(Digest& d, const MonsterAnimation& run) {
  d.addPicture(run.images);
  d.add(run.frame), d.add(run.frameCount);
}

void addMonster(Digest& d, const Monster& m) {
  d.add(m.hitPoints), d.add(m.alive), d.add(m.damage), d.add(m.x), d.add(m.y), d.add(m.targetX), d.add(m.targetY);
  d.add(m.heading), d.add(m.speed), d.add(m.stepSpeed), d.add(m.state), d.add(m.hurt), d.add(m.actionTime);
  d.add(m.frameTime), d.add(m.kind);
  addRun(d, m.moveFrames), addRun(d, m.attackFrames), addRun(d, m.hurtFrames);
}

template <typename Shot>
void addShots(Digest& d, const Shot* head) {
  for (const Shot* s = head; s; s = s->next) {
    d.add(s->x), d.add(s->y), d.add(s->speed), d.add(s->damage), d.add(s->heading);
    d.addPicture(s->image);
  }
  d.add(std::uint8_t(0xFF));  // the end of the list
}

void addBombs(Digest& d) {
  for (const Boom* b = booms; b; b = b->next) {
    d.add(b->x), d.add(b->y), d.add(b->speed), d.add(b->damage), d.add(b->fuse), d.add(b->targetX), d.add(b->targetY);
    d.add(b->heading), d.add(b->moving), d.add(b->blastSoundPlayed), d.add(b->blastFrame), d.add(b->blastSize);
    d.add(b->blastFrameTime), d.add(b->kicked), d.add(b->kickX), d.add(b->kickY), d.add(b->kickFlown);
    d.addPicture(b->image);
  }
  d.add(std::uint8_t(0xFF));
}

}  // namespace

std::uint64_t worldDigest() {
  Digest d;
  addPlayer(d, player);
  for (const MonsterKind& k : monsterKinds) d.add(k.hitPoints), d.add(k.damage), d.add(k.speed), d.add(k.kind);
  for (const Monster& m : monsters) addMonster(d, m);
  addShots(d, playerShots);
  addShots(d, enemyShots);
  addBombs(d);
  for (const Meat* m = meats; m; m = m->next) d.add(m->x), d.add(m->y), d.add(m->frame), d.add(m->frameTime), d.add(m->lifetime);
  d.add(std::uint8_t(0xFF));
  for (const ScoreDigit* s = scoreHead; s; s = s->next) d.add(s->digit);
  return d.value();
}
