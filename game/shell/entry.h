// The entry: opens the window, runs start-up, the title screen, rounds and the farewell.
// Everything runs on the main thread in deferred drawing mode.
#pragma once

// The whole program; returns the exit status (0).
int gameMain();

// Plays one round and its game-over screen; true when another round is wanted.
bool playRound(bool& countdownPending);
