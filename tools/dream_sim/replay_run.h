// dream-sim --replay: a replay file played through the real game (gameMain, on the fake
// platform) with every seam read answered from the file. Prints what the session did and
// how fast the replay ran; a departure from the file prints where and what, exit status 1.
#pragma once
#include <string>

// Plays the file; with frames false, composes nothing (frame digests go unchecked). Returns
// the exit status, or ends the process itself when the replay stops inside the game.
int replayFile(const std::string& path, bool frames);
