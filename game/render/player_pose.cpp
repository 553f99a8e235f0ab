// The player's pose: the picture for its state and animation step, the facing chosen from
// the keys or the aim, and the state changes the drawing brings (the end of a strike, a shot
// pose or a meal, which restores hit points, energy and 5 shots).
#include "game/render/player_pose.h"

#include "game/assets/catalogue.h"
#include "game/assets/sprites.h"
#include "game/render/animation_step.h"
#include "game/render/drawing_counters.h"
#include "game/world/game_state.h"
#include "game/world/geometry.h"
#include "graphics/image.h"
#include "platform/input.h"

void drawPlayerSprite(int x, int y, const IMAGE& image) {
  if (platform::keyDown(platform::kVkRight) || platform::keyDown('D')) {
    drawSpriteMirrored(x, y, image);
    player.facingRight = 1;
  } else if (platform::keyDown(platform::kVkLeft) || platform::keyDown('A')) {
    drawSprite(x, y, image);
    player.facingRight = 0;
  } else if (player.facingRight) {
    drawSpriteMirrored(x, y, image);
  } else {
    drawSprite(x, y, image);
  }
}

namespace {

// Shot pose and meal face the last aim point instead of the keys.
void drawFacingAim(int x, int y, const IMAGE& image) {
  if (static_cast<float>(player.aimX) > player.x) drawSpriteMirrored(x, y, image);
  else drawSprite(x, y, image);
}

}  // namespace

void drawPlayer() {
  DrawingCounters& c = drawingCounters;
  const int x = truncToInt(player.x);
  const int y = truncToInt(player.y);
  // A strike, shot pose or meal cut short by a hit starts from its first step next time.
  if (player.state != Striking) c.strikeFrame = 0;
  if (player.state != Shooting) c.shootFrame = 0;
  if (player.state != Eating) c.eatStep = 0;
  if (player.hitPoints <= 0) {
    drawSprite(x, y, assets.dieImage);
    return;
  }
  switch (player.state) {
    case Free:
    case KnockedBack:
      if (platform::keyDown('H')) {
        c.walkFrame = 0;
        stepAfter(c.playerFrameTime, 80, c.runFrame);
        drawPlayerSprite(x, y, assets.runImages[c.runFrame]);
        if (c.runFrame == 19) c.runFrame = 0;
      } else {
        c.runFrame = 0;
        stepAfter(c.playerFrameTime, 120, c.walkFrame);
        drawPlayerSprite(x, y, assets.norImages[c.walkFrame]);
        if (c.walkFrame == 7) c.walkFrame = 0;
      }
      break;
    case Striking:
      c.walkFrame = c.runFrame = 0;
      stepAfter(c.playerFrameTime, 120, c.strikeFrame);
      drawPlayerSprite(x, y, assets.attImages[c.strikeFrame]);
      if (c.strikeFrame == 2) {
        player.state = Free;
        c.strikeFrame = 0;
      }
      break;
    case Dashing:
      drawPlayerSprite(x, y, assets.defendImage);
      break;
    case Shooting:
      c.walkFrame = c.runFrame = 0;
      stepAfter(c.playerFrameTime, 120, c.shootFrame);
      drawFacingAim(x, y, assets.shootImages[c.shootFrame]);
      if (c.shootFrame == 2) {
        player.state = Free;
        c.shootFrame = 0;
      }
      break;
    case Eating:
      c.walkFrame = c.runFrame = 0;
      stepAfter(c.playerFrameTime, 120, c.eatStep);
      drawFacingAim(x, y, assets.eatImages[c.eatStep % 5]);
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
