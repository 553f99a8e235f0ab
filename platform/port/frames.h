// Whether this run shows frames at all. The game's window always does; the headless driver
// and replays told to compose no frames do not, and the game then runs each pass's animation
// step without composing its picture. Called by the shell on the main thread.
#pragma once

namespace platform {

bool framesShown();

}  // namespace platform
