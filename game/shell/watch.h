// Watching a recorded round again in the window: the round's file (or a whole session's)
// replayed through the real game at the speed it was played, the window marking its frames
// "Replay". Space pauses and resumes, the right arrow switches between real speed and four
// times it, Escape leaves; the player's keys and the mouse do not reach the game, whose every
// read is answered from the file. Nothing is written: no round is recorded, no table kept.
#pragma once
#include <string>

// Plays the file at path and returns the exit status: 0 at the end of the file or on Escape
// (closing the window ends the process with 0 too). A file that cannot be read, is damaged,
// or was recorded by another game version than gameVersion: one line on standard error, 1,
// before any window opens; a replay that departs from its file: one line, 1. A frame digest
// that differs (a change in drawing alone) is one line on standard error, once, and the watch
// goes on: the world's digests decide.
// With DREAM_ARENA_WATCH_DIGESTS=FILE in the environment, writes FILE with the digest log of
// every pass (world_digest.h), to compare the watch with dream-sim --replay.
int watchRound(const std::string& path, const std::string& gameVersion);
