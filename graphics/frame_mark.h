// A mark the window lays over every frame it shows, such as "Replay" while a recorded round is
// watched. It is drawn into the copy that goes to the screen, never into the working image, so
// what the game composes (and every digest of it) stays as it was. Set from the game thread;
// the window thread lays it over each frame as it takes it.
#pragma once
#include <cstdint>
#include <string>

namespace gfx {

// From now on frames are shown with text in a small box at their top-right corner; an empty
// text takes the mark away. The frame on screen changes with the next frame shown.
void markShownFrames(const std::string& text);

// Lays the mark over a frame of width x height pixel words (window thread, as it copies a
// frame to the screen).
void layMark(std::uint32_t* frame, int width, int height);

}  // namespace gfx
