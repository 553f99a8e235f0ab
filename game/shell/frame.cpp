// A frame of the playing and game-over screens: the animation step's parts in the order the
// picture shows them, then the picture.
#include "game/shell/frame.h"

#include "game/monsters/animation.h"
#include "game/player/pose.h"
#include "game/render/frame.h"
#include "game/world/animation_clock.h"
#include "game/world/bombs.h"
#include "game/world/drawing_counters.h"
#include "game/world/game_state.h"
#include "game/world/meat.h"
#include "game/world/shown_pictures.h"
#include "platform/port/frames.h"
#include "platform/pad_aim.h"

namespace {

void stepSleepingFigure() {
  DrawingCounters& c = drawingCounters;
  stepAfter(c.sleepFrameTime, 120, c.sleepFrame);
  c.sleepFrame %= 4;
}

// The bars show the values from before a meal that ends in this pass.
void recordStatusBars() {
  shownPictures.hitPoints = player.hitPoints;
  shownPictures.ammo = player.ammo;
  shownPictures.energy = player.energy;
  shownPictures.specialCooldown = player.specialCooldown;
}

// Whether a pad aims, and where: an answer of the seam, so a pad session replays its crosshair.
void recordCrosshair() {
  int x = 0, y = 0;
  shownPictures.crosshair = platform::padAimRead(x, y);
  shownPictures.crosshairX = x;
  shownPictures.crosshairY = y;
}

}  // namespace

void stepAnimations() {
  stepSleepingFigure();
  recordStatusBars();
  stepPlayerPose();
  stepMonsterAnimations();
  stepBlasts();
  stepMeatFrames();
  recordCrosshair();
}

void drawFrame() {
  stepAnimations();
  if (platform::framesShown()) drawPicture();
}
