// Single move steps toward a target, shared by every moving thing of the world: a monster's
// wander, dash or knock-back, and the player's dash or knock-back. Move arithmetic is double
// from the float fields, stored back as floats.
#pragma once
#include <cstdint>

// One move step of a slot toward its target; ends the move (idle, not hurt) at the target or
// outside the arena; a slot still attacking (a dashing shark) then hits the player.
void monsterStep(std::int32_t slot);

// One step of the player's dash or knock-back; ends it (Free, not invulnerable) at the
// target, or outside the arena unless the step heads back toward every edge the player is
// beyond.
void playerStep();
