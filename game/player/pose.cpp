// The player's pose step. Depends on the game state, the catalogue's player pictures, the
// drawing counters and the keys as they are down now.
#include "game/player/pose.h"

#include "game/assets/catalogue.h"
#include "game/world/animation_clock.h"
#include "game/world/drawing_counters.h"
#include "game/world/game_state.h"
#include "game/world/geometry.h"
#include "game/world/shown_pictures.h"
#include "platform/seam/input.h"

namespace {

void show(const IMAGE& image, bool mirrored) {
  shownPictures.player = ShownSprite{truncToInt(player.x), truncToInt(player.y), &image, mirrored};
}

// Facing the held horizontal key (right wins), else the remembered side; the images face
// left, so facing right is drawn mirrored.
void showFacingKeys(const IMAGE& image) {
  if (platform::keyDown(platform::kVkRight) || platform::keyDown('D')) {
    player.facingRight = 1;
  } else if (platform::keyDown(platform::kVkLeft) || platform::keyDown('A')) {
    player.facingRight = 0;
  }
  show(image, player.facingRight != 0);
}

// The shot pose and the meal face the last aim point instead of the keys.
void showFacingAim(const IMAGE& image) { show(image, static_cast<float>(player.aimX) > player.x); }

}  // namespace

void stepPlayerPose() {
  DrawingCounters& c = drawingCounters;
  // A strike, shot pose or meal cut short by a hit starts from its first step next time.
  if (player.state != Striking) c.strikeFrame = 0;
  if (player.state != Shooting) c.shootFrame = 0;
  if (player.state != Eating) c.eatStep = 0;
  if (player.hitPoints <= 0) {
    show(assets.dieImage, false);
    return;
  }
  switch (player.state) {
    case Free:
    case KnockedBack:
      if (platform::keyDown('H')) {
        c.walkFrame = 0;
        stepAfter(c.playerFrameTime, 80, c.runFrame);
        showFacingKeys(assets.runImages[c.runFrame]);
        if (c.runFrame == 19) c.runFrame = 0;
      } else {
        c.runFrame = 0;
        stepAfter(c.playerFrameTime, 120, c.walkFrame);
        showFacingKeys(assets.norImages[c.walkFrame]);
        if (c.walkFrame == 7) c.walkFrame = 0;
      }
      break;
    case Striking:
      c.walkFrame = c.runFrame = 0;
      stepAfter(c.playerFrameTime, 120, c.strikeFrame);
      showFacingKeys(assets.attImages[c.strikeFrame]);
      if (c.strikeFrame == 2) {
        player.state = Free;
        c.strikeFrame = 0;
      }
      break;
    case Dashing:
      showFacingKeys(assets.defendImage);
      break;
    case Shooting:
      c.walkFrame = c.runFrame = 0;
      stepAfter(c.playerFrameTime, 120, c.shootFrame);
      showFacingAim(assets.shootImages[c.shootFrame]);
      if (c.shootFrame == 2) {
        player.state = Free;
        c.shootFrame = 0;
      }
      break;
    case Eating:
      c.walkFrame = c.runFrame = 0;
      stepAfter(c.playerFrameTime, 120, c.eatStep);
      showFacingAim(assets.eatImages[c.eatStep % 5]);
      if (c.eatStep == 24) {
        player.state = Free;
        player.hitPoints = 50;
        player.energy = 150;
        if (player.ammo <= 25) player.ammo += 5;
        c.eatStep = 0;
      }
      break;
  }
}
