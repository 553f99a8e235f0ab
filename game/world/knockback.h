// The one push rule of the world: a hit pushes its target along a heading toward a point a
// set distance away, stepped by the world pass; a push that lands while the target is still
// being pushed lengthens that push instead. Every knock-back (shots, contacts, strikes,
// blasts) is this rule with its own shape.
#pragma once
#include <cmath>
#include <cstdint>

#include "game/world/geometry.h"
#include "platform/base/exact_maths.h"

// The shape of one kind of push. Distances are per axis (the player's box is not square);
// speeds are multiples of the target's own speed.
struct PushShape {
  double startX, startY;  // a fresh push: the target lies this far along the heading
  std::int32_t startSpeed;
  double addX, addY;      // a push on a running one: the target moves this much further
  std::int32_t addSpeed;
};

// Pushes mover (a Player or a Monster) along heading. When mover is already in state pushed,
// its target moves on by the shape's add distances and its step speed grows; its heading then
// points at the new target. Otherwise the push starts from where it stands.
template <typename Mover, typename State>
void pushAlong(Mover& mover, double heading, const PushShape& shape, State pushed) {
  if (mover.state == pushed) {
    mover.stepSpeed += shape.addSpeed * mover.speed;
    mover.targetX = static_cast<float>(mover.targetX + platform::exact::cos(heading) * shape.addX);
    mover.targetY = static_cast<float>(mover.targetY + platform::exact::sin(heading) * shape.addY);
    mover.heading = headingOfSlope(mover.targetY - mover.y, mover.targetX - mover.x, mover.x > mover.targetX);
    return;
  }
  mover.heading = heading;
  mover.stepSpeed = shape.startSpeed * mover.speed;
  mover.targetX = static_cast<float>(mover.x + platform::exact::cos(heading) * shape.startX);
  mover.targetY = static_cast<float>(mover.y + platform::exact::sin(heading) * shape.startY);
  mover.state = pushed;
}
