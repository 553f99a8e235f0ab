// A whole round on the fake platform: a scripted player walks, fires at the nearest
// monster with the cursor, strikes, dashes and eats, then stands still until the monsters
// kill it, and the game-over screen runs on. Every pass goes through the round loop's own
// pass functions (update when due, compose, show). Throughout, every list must stay
// consistent and no position may become NaN; by the end every monster kind must have
// attacked, monsters must have died, meat must have dropped and bombs must have exploded.
// Along a second such round, drawing a pass's picture twice changes nothing and draws it alike.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>

#include "game/assets/catalogue.h"
#include "game/assets/voice.h"
#include "game/render/frame.h"
#include "game/shell/screens.h"
#include "game/shell/startup.h"
#include "game/world/drawing_counters.h"
#include "game/world/game_state.h"
#include "game/world/shown_pictures.h"
#include "game/shell/world_digest.h"
#include "platform/base/random.h"
#include "platform/seam/clock.h"
#include "platform/fake/fake_platform.h"
#include "platform/seam/input.h"
#include "tests/helpers/monster_world.h"

using namespace monster_test;

namespace {

// Pictures for everything the frame draws, in plausible sizes.
void paintWholeCatalogue() {
  sizeCatalogue();
  std::uint32_t colour = 0x204060;
  auto next = [&colour] { return colour += 0x050301; };
  for (IMAGE& i : assets.runImages) paint(i, kPlayerW, kPlayerH, next());
  for (IMAGE& i : assets.attImages) paint(i, kPlayerW, kPlayerH, next());
  for (IMAGE& i : assets.shootImages) paint(i, kPlayerW, kPlayerH, next());
  for (IMAGE& i : assets.eatImages) paint(i, kPlayerW, kPlayerH, next());
  for (IMAGE& i : assets.meatImages) paint(i, 40, 30, next());
  for (IMAGE& i : assets.sleepImages) paint(i, 120, 100, next());
  paint(assets.dieImage, 80, 60, next());
  paint(assets.defendImage, kPlayerW, kPlayerH, next());
  paint(assets.backgroundImage, 1600, 960, 0xFFFFFF);
}

// Every element reachable from the head, each prev the element before it, no cycle.
template <typename Element>
::testing::AssertionResult consistent(const char* name, const Element* head) {
  const Element* before = nullptr;
  int count = 0;
  for (const Element* e = head; e; before = e, e = e->next) {
    if (e->prev != before) return ::testing::AssertionFailure() << name << ": element " << count << " has a wrong prev";
    if (++count > 100000) return ::testing::AssertionFailure() << name << ": cycle";
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult scoreConsistent() {
  if (!scoreHead || !scoreTail) return ::testing::AssertionFailure() << "score list empty";
  if (scoreHead->prev || scoreTail->next) return ::testing::AssertionFailure() << "score ends not open";
  const ScoreDigit* last = nullptr;
  for (const ScoreDigit* d = scoreHead; d; last = d, d = d->next) {
    if (d->prev != last) return ::testing::AssertionFailure() << "score digit with a wrong prev";
    if (d->digit < '0' || d->digit > '9') return ::testing::AssertionFailure() << "score digit " << int(d->digit);
  }
  if (last != scoreTail) return ::testing::AssertionFailure() << "scoreTail is not the last digit";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult noNaN() {
  if (std::isnan(player.x) || std::isnan(player.y)) return ::testing::AssertionFailure() << "player position NaN";
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const Monster& m = monsters[slot];
    if (m.alive && (std::isnan(m.x) || std::isnan(m.y) || std::isnan(m.heading)))
      return ::testing::AssertionFailure() << "slot " << slot << " NaN";
  }
  for (const PlayerShot* s = playerShots; s; s = s->next)
    if (std::isnan(s->x) || std::isnan(s->y)) return ::testing::AssertionFailure() << "player shot NaN";
  for (const EnemyShot* s = enemyShots; s; s = s->next) {
    if (std::isnan(s->x) || std::isnan(s->y)) return ::testing::AssertionFailure() << "enemy shot NaN";
    if (!s->image) return ::testing::AssertionFailure() << "enemy shot without a picture";
  }
  return ::testing::AssertionSuccess();
}

int scoreValue() {
  int value = 0;
  for (const ScoreDigit* d = scoreHead; d; d = d->next) value = value * 10 + (d->digit - '0');
  return value;
}

// Centre of the nearest living monster, or false when none lives.
bool nearestMonster(float& cx, float& cy) {
  float best = 1e30f;
  for (const Monster& m : monsters) {
    if (!m.alive) continue;
    const float x = m.x + m.moveFrames.images[0].width() / 2.0f;
    const float y = m.y + m.moveFrames.images[0].height() / 2.0f;
    const float d = std::hypot(x - player.x, y - player.y);
    if (d < best) {
      best = d;
      cx = x;
      cy = y;
    }
  }
  return best < 1e30f;
}

void hold(int key, bool down) {
  if (down) platform::fake::holdKey(key);
  else platform::fake::releaseKey(key);
}

// Walks the player toward (x, y) with the arrow keys (releasing them when close).
void walkToward(float x, float y) {
  const float px = player.x + kPlayerW / 2.0f, py = player.y + kPlayerH / 2.0f;
  hold('D', x > px + 8);
  hold('A', x < px - 8);
  hold('S', y > py + 8);
  hold('W', y < py - 8);
}

// The scripted player of one active tick.
void scriptActive(int tick) {
  platform::fake::releaseAll();
  if (meats) {
    walkToward(meats->x + 20.0f, meats->y + 15.0f);
    hold('E', true);
    hold('H', tick % 40 < 20);
    return;
  }
  float cx = 0, cy = 0;
  if (!nearestMonster(cx, cy)) return;
  platform::fake::placeCursor(static_cast<int>(cx), static_cast<int>(cy));
  const float distance = std::hypot(cx - player.x - kPlayerW / 2.0f, cy - player.y - kPlayerH / 2.0f);
  if (tick % 900 == 450) {
    hold('K', true);  // the invulnerable dash
    return;
  }
  if (player.ammo > 0 && tick % 300 < 200) {
    hold(platform::kVkLButton, true);
    return;
  }
  walkToward(cx, cy);
  if (distance < 120) hold('J', true);
}

class RoundSimulation : public MonsterWorld {
 protected:
  // The round's start shared by both tests: weak but harmless monsters, so the scripted
  // player kills many before it falls.
  void startScriptedRound() {
    paintWholeCatalogue();
    clearGameState();
    monsterKinds[0] = MonsterKind{6, 1, 3, kShark};
    monsterKinds[1] = MonsterKind{6, 1, 2, kBlackCloud};
    monsterKinds[2] = MonsterKind{6, 1, 2, kPlane};
    monsterKinds[3] = MonsterKind{9, 1, 2, kKing};
    platform::randomSeed(20240611);
    platform::fake::setTickCount(kStart);
    platform::fake::releaseAll();
    resetRound();
  }
};

// Everything the animation step leaves for the drawing, and the world: what a drawing must
// not change.
std::uint64_t drawingInputs() {
  std::uint64_t digest = worldDigest();
  auto fold = [&digest](const void* bytes, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) digest = (digest ^ static_cast<const unsigned char*>(bytes)[i]) * 0x100000001B3ull;
  };
  fold(&drawingCounters, sizeof drawingCounters);
  fold(&shownPictures.player, sizeof shownPictures.player);
  fold(shownPictures.monsters, sizeof shownPictures.monsters);
  for (const ShownSprite& b : shownPictures.bombs) fold(&b, sizeof b);
  fold(shownPictures.meatFrames.data(), shownPictures.meatFrames.size());
  return digest;
}

TEST_F(RoundSimulation, DrawingOnePassTwiceChangesNothingAndGivesTheSameFrame) {
  startScriptedRound();
  RoundTimer timer;
  int compared = 0;
  bool sawBlast = false, sawMeat = false, sawEating = false;
  for (int pass = 0; pass < 12000 && !(sawBlast && sawMeat && sawEating); ++pass) {
    platform::fake::advanceTicks(pass % 7 == 3 ? 4 : 11);
    if (player.hitPoints > 0) {
      scriptActive(pass);
      playingPass(timer);
    } else {
      platform::fake::releaseAll();
      gameOverPass(timer);
    }
    for (const Boom* b = booms; b; b = b->next) sawBlast |= b->blastFrame > 0;
    sawMeat |= meats != nullptr;
    sawEating |= player.state == Eating;
    if (pass % 5 != 0 && !sawBlast) continue;
    const std::uint64_t before = drawingInputs();
    drawPicture();
    const std::uint64_t first = frameDigest();
    drawPicture();
    const std::uint64_t second = frameDigest();
    ASSERT_EQ(drawingInputs(), before) << "pass " << pass << ": drawing changed the world or what the step chose";
    ASSERT_EQ(second, first) << "pass " << pass << ": the same state drew two different frames";
    ++compared;
  }
  EXPECT_GT(compared, 300);
  EXPECT_TRUE(sawBlast && sawMeat && sawEating) << "the run should draw blasts " << sawBlast << ", meat " << sawMeat
                                                << " and a meal " << sawEating;
}

TEST_F(RoundSimulation, AScriptedRoundRunsThroughEveryMonsterRuleToTheGameOverScreen) {
  startScriptedRound();

  const std::uint64_t blastsBefore = voicePlayCount(Voice::kBlast);
  bool sawDash = false, sawVolley = false, sawRoar = false, sawFan = false, sawBomb = false, sawMeat = false,
       sawEating = false, sawKnockBack = false;
  RoundTimer timer;
  int passes = 0, ticks = 0;
  int killsWhileAlive = 0;
  while (player.hitPoints > 0) {
    ASSERT_LT(passes, 40000) << "the monsters never killed the player; hit points " << player.hitPoints;
    const bool active = ticks < 6000;
    if (active) scriptActive(ticks);
    else platform::fake::releaseAll();
    platform::fake::advanceTicks(passes % 7 == 3 ? 4 : 11);  // some passes only draw
    const int shotsBefore = listLength(enemyShots);
    const std::uint64_t lastUpdate = timer.lastUpdateTick;
    playingPass(timer);
    if (timer.lastUpdateTick != lastUpdate) ++ticks;
    ++passes;
    if (listLength(enemyShots) >= shotsBefore + 7) sawFan = true;
    for (const Monster& m : monsters) {
      if (!m.alive || m.state != kMonsterAttacking) continue;
      sawDash |= m.kind == kShark;
      sawVolley |= m.kind == kBlackCloud;
      sawRoar |= m.kind == kKing;
    }
    sawBomb |= booms != nullptr;
    sawMeat |= meats != nullptr;
    sawEating |= player.state == Eating;
    sawKnockBack |= player.state == KnockedBack;
    ASSERT_TRUE(noNaN()) << "pass " << passes;
    if (passes % 25 == 0) {
      ASSERT_TRUE(consistent("player shots", playerShots));
      ASSERT_TRUE(consistent("enemy shots", enemyShots));
      ASSERT_TRUE(consistent("bombs", booms));
      ASSERT_TRUE(consistent("meat", meats));
      ASSERT_TRUE(scoreConsistent());
    }
  }
  killsWhileAlive = scoreValue();

  for (int pass = 0; pass < 300; ++pass) {
    platform::fake::advanceTicks(11);
    ASSERT_EQ(gameOverPass(timer), GameOverChoice::kStay);
    ASSERT_TRUE(noNaN()) << "game-over pass " << pass;
  }
  EXPECT_LE(player.hitPoints, 0);
  EXPECT_EQ(scoreValue(), killsWhileAlive) << "kills after death do not count";
  EXPECT_TRUE(consistent("player shots", playerShots));
  EXPECT_TRUE(consistent("enemy shots", enemyShots));
  EXPECT_TRUE(consistent("bombs", booms));
  EXPECT_TRUE(consistent("meat", meats));
  EXPECT_TRUE(scoreConsistent());

  std::ostringstream seen;
  seen << ticks << " ticks in " << passes << " passes, score " << killsWhileAlive << ", dash " << sawDash
       << ", volley " << sawVolley << ", roar " << sawRoar << ", fan " << sawFan << ", bomb " << sawBomb
       << ", blasts " << voicePlayCount(Voice::kBlast) - blastsBefore << ", meat " << sawMeat << ", eating "
       << sawEating << ", knocked back " << sawKnockBack;
  SCOPED_TRACE(seen.str());
  std::printf("round simulation: %s\n", seen.str().c_str());
  EXPECT_GT(killsWhileAlive, 0);
  EXPECT_TRUE(sawDash);
  EXPECT_TRUE(sawVolley);
  EXPECT_TRUE(sawRoar);
  EXPECT_TRUE(sawFan);
  EXPECT_TRUE(sawBomb);
  EXPECT_GT(voicePlayCount(Voice::kBlast), blastsBefore);
  EXPECT_TRUE(sawMeat);
  EXPECT_TRUE(sawKnockBack);
}

}  // namespace
