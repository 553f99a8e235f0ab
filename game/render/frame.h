// Frame composition: background, sleeping figure, status bars, player, monsters, shots,
// bombs, meat and score, with the clock-driven animations that run while drawing.
#pragma once
#include <cstdint>

// Composes one whole frame into the working image (which must be the draw target).
void drawFrame();

constexpr std::uint64_t kFrameDigestStart = 0xCBF29CE484222325ull;

// Folds every pixel word of the working image into digest (FNV-1a over the words), so that
// a digest shows whether frames came out the same; from kFrameDigestStart for one frame.
std::uint64_t frameDigest(std::uint64_t digest = kFrameDigestStart);
