// The plane's bombs. A bomb flies 6 pixels per pass until it leaves the field, or (dropped)
// comes level with its target on either axis, or (kicked) has flown 300 pixels straight away
// from the player. It explodes when its 200-pass fuse runs out and then hits everything in
// its blast square once per update until the animation step has chosen the blast's last
// picture. Depends on the shared damage rules, the rules' sizes and pictures and the game state.
#include "game/world/bombs.h"

#include <cmath>
#include <cstdlib>

#include "game/assets/voice.h"
#include "game/world/animation_clock.h"
#include "game/world/damage.h"
#include "game/world/game_state.h"
#include "game/world/geometry.h"
#include "game/world/lists.h"
#include "game/world/rule_sizes.h"
#include "game/world/shown_pictures.h"
#include "game/world/world_pictures.h"
#include "graphics/image.h"
#include "platform/base/exact_maths.h"

namespace {

constexpr int kKickDistance = 300;
constexpr int kBlastImageCount = 27;

void explode(Boom& bomb) {
  const int cx = bomb.x + ruleSizes.bomb.width / 2;
  const int cy = bomb.y + ruleSizes.bomb.height / 2;
  const int half = bomb.blastSize / 2;
  hitMonstersInArea(cx - half, cx + half, cy - half, cy + half, 2, bomb.damage, bomb.x, bomb.y);
  hitPlayer(cx - half, cx + half, cy - half, cy + half, bomb.x, bomb.y, bomb.damage, 2);
  if (!bomb.blastSoundPlayed) {
    playVoice(Voice::kBlast);
    bomb.blastSoundPlayed = 1;
  }
}

// A dropped bomb stops when it comes level with its target on either axis.
bool dropArrived(const Boom& bomb) {
  return std::abs(bomb.x - bomb.targetX) < 5 || std::abs(bomb.y - bomb.targetY) < 5;
}

// A kicked bomb stops once it is within 5 pixels of the end of its straight 300-pixel flight.
bool kickArrived(const Boom& bomb) { return kKickDistance - bomb.kickFlown <= 5; }

void flyAndBurn(Boom& bomb) {
  const bool inField = wholeInField(bomb.x, bomb.y, ruleSizes.bomb.width, ruleSizes.bomb.height);
  if (!inField || (bomb.kicked ? kickArrived(bomb) : dropArrived(bomb))) {
    bomb.moving = 0;
  } else if (bomb.moving && bomb.kicked) {
    // From the kick's point, so that whole pixels never bend the line.
    bomb.kickFlown += bomb.speed;
    bomb.x = truncToInt(bomb.kickX + platform::exact::cos(bomb.heading) * bomb.kickFlown);
    bomb.y = truncToInt(bomb.kickY + platform::exact::sin(bomb.heading) * bomb.kickFlown);
  } else if (bomb.moving) {
    bomb.x = truncToInt(bomb.x + platform::exact::cos(bomb.heading) * bomb.speed);
    bomb.y = truncToInt(bomb.y + platform::exact::sin(bomb.heading) * bomb.speed);
  }
  bomb.fuse -= 1;
  if (bomb.fuse <= 0) bomb.blastFrame = 1;
}

}  // namespace

void removeBomb(Boom* bomb) {
  unlinkFromList(booms, bomb);
  std::free(bomb);
}

void dropBomb(const Monster& plane) {
  auto* bomb = newListElement<Boom>("boom malloc fail\n");
  bomb->damage = 2 * plane.damage;
  bomb->image = worldPictures.bomb;
  bomb->fuse = 200;
  bomb->x = truncToInt(plane.x);
  bomb->y = truncToInt(plane.y);
  bomb->blastFrame = 0;
  bomb->moving = 1;
  bomb->blastSoundPlayed = 0;
  bomb->speed = 6;
  bomb->blastFrameTime = 0;
  bomb->blastSize = ruleSizes.blast.width;
  bomb->heading = headingOfSlope(player.y - plane.y, player.x - plane.x, plane.x > player.x);
  const int playerW = ruleSizes.player.width;
  const int playerH = ruleSizes.player.height;
  const int bombW = ruleSizes.bomb.width;
  const int bombH = ruleSizes.bomb.height;
  const int offsetX = randomOffset(20);
  bomb->targetX = truncToInt(static_cast<float>(offsetX) + player.x + static_cast<float>(playerW / 2) -
                             static_cast<float>(bombW / 2));
  const int offsetY = randomOffset(20);
  bomb->targetY = truncToInt(static_cast<float>(offsetY) + player.y + static_cast<float>(playerH / 2) -
                             static_cast<float>(bombH / 2));
  appendAtTail(booms, bomb);
}

void kickBomb(Boom& bomb) {
  bomb.heading = headingOfSlope(static_cast<float>(bomb.y) - player.y, static_cast<float>(bomb.x) - player.x,
                                player.x > static_cast<float>(bomb.x));
  bomb.targetX = truncToInt(bomb.x + platform::exact::cos(bomb.heading) * kKickDistance);
  bomb.targetY = truncToInt(bomb.y + platform::exact::sin(bomb.heading) * kKickDistance);
  bomb.kicked = 1;
  bomb.kickX = bomb.x;
  bomb.kickY = bomb.y;
  bomb.kickFlown = 0;
  if (!bomb.moving) {
    bomb.moving = 1;
    moveBooms();
  }
}

void updateBooms() {
  for (Boom* bomb = booms; bomb; bomb = bomb->next) {
    if (bomb->blastFrame != 0) explode(*bomb);
    else flyAndBurn(*bomb);
  }
}

void moveBooms() {
  for (Boom* bomb = booms; bomb; bomb = bomb->next) {
    if (bomb->blastFrame == 0) flyAndBurn(*bomb);
  }
}

void stepBlasts() {
  std::vector<ShownSprite>& shown = shownPictures.bombs;
  shown.clear();
  const Size blast = ruleSizes.blast;
  Boom* bomb = booms;
  while (bomb) {
    Boom* next = bomb->next;
    if (bomb->blastFrame == 0) {
      shown.push_back({bomb->x, bomb->y, bomb->image, 0});
    } else {
      stepAfter(bomb->blastFrameTime, 120, bomb->blastFrame);
      const int frame = bomb->blastFrame < kBlastImageCount ? bomb->blastFrame : kBlastImageCount;
      shown.push_back({bomb->x + ruleSizes.bomb.width / 2 - blast.width / 2,
                       bomb->y + ruleSizes.bomb.height / 2 - blast.height / 2, &worldPictures.blasts[frame - 1], 0});
      if (bomb->blastFrame >= kBlastImageCount) removeBomb(bomb);
    }
    bomb = next;
  }
}
