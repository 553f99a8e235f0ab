// Frame composition: background, sleeping figure, status bars, player, monsters, shots,
// bombs, meat and score, as the animation step chose them. It reads the world and writes
// only pixels, so a picture may be drawn twice or not at all.
#pragma once
#include <cstdint>

// Composes one whole picture into the working image (which must be the draw target).
void drawPicture();

constexpr std::uint64_t kFrameDigestStart = 0xCBF29CE484222325ull;

// Folds every pixel word of the working image into digest (FNV-1a over the words), so that
// a digest shows whether frames came out the same; from kFrameDigestStart for one frame.
std::uint64_t frameDigest(std::uint64_t digest = kFrameDigestStart);
