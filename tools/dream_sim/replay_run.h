// dream-sim --replay: a replay file played through the real game (gameMain, on the fake
// platform) with every seam read answered from the file. Prints what the session did and
// how fast the replay ran; a departure from the file prints where and what, exit status 1.
#pragma once
#include <string>

// Plays the file: a whole session through the game's entry, a round's file through the
// recorded round's. With frames false, composes nothing (frame digests go unchecked). With a
// digestLog path, writes there the digests of every pass of a round (see --help). Returns
// the exit status, or ends the process itself when the replay stops inside the game.
int replayFile(const std::string& path, bool frames, const std::string& digestLog);
