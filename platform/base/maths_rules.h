// Which arc tangent the rules take for the heading of a slope. The game's own (exact_maths)
// unless a replay of a file recorded before the game had its own maths asks for the C
// library's, which that file was recorded with (Debian's; its atanf rounds about 0.5% of
// floats otherwise than the exact value does, enough to move a recorded round).
#pragma once

namespace platform {

// The replay calls it once, before the file's first pass; false restores the game's own.
void useLibraryArcTangent(bool use);

// atan of a float under the rules in force.
float ruleArcTangent(float x);

}  // namespace platform
