// The entry: opens the window, runs start-up, the title screen, rounds and the farewell.
// Everything runs on the main thread in deferred drawing mode.
#pragma once

// The whole program; returns the exit status (0).
int gameMain();

// Plays one round and its game-over screen; true when another round is wanted. Every round
// opens with what it inherits (round_opening.h) and, where the program asked, is recorded
// into a file of its own (platform/round_files.h).
bool playRound(bool& countdownPending);

// Plays a round's file that the session replays: opens the window, starts up without a seed
// (the file brings it) and plays the round from its countdown. The replay ends inside, when
// the game asks for more than the file holds (the first pass after the round's last).
void playRecordedRound();
