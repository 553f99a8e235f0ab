// The entry: opens the window, runs start-up, the title screen, rounds and the farewell.
// The screens are loops of passes; each pass composes a whole frame and shows it. The world
// is updated at most once per pass, when more than 10 ms of the tick count have passed
// since the end of the previous update (no catching up).
#pragma once
#include <cstdint>

// The whole program; returns the exit status (0).
int gameMain();

// Plays one round and its game-over screen; true when another round is wanted.
bool playRound(bool& countdownPending);

// One world update of a round (withPlayer false on the game-over screen).
void updateTick(bool withPlayer);

// Timing of one round: the tick count at the end of the last world update (0 at the start
// of every round, so the first pass always updates).
struct RoundTimer {
  std::uint64_t lastUpdateTick = 0;
};

// Runs updateTick(withPlayer) if more than 10 ms have passed since the last update and
// then restamps; returns whether it ran.
bool updateIfDue(RoundTimer& timer, bool withPlayer);

// One pass of the title screen; returns whether a mouse button was pressed (the pass has
// still drawn and shown its frame). Sets countdownPending to that.
bool titlePass(bool& countdownPending);

// One pass of the playing screen: update if due, compose, show.
void playingPass(RoundTimer& timer);

// The countdown before a round: "Ready To Dream?", then 3, 2, 1, one second each.
void showCountdown();

// The game-over screen's four lines over the composed frame, in the text settings startUp
// made (the last line in a 50-high font, then back to 100).
void drawGameOverTexts();

enum class GameOverChoice { kStay, kAnotherRound, kLeave };

// One pass of the game-over screen: update without the player if due, compose with the
// texts, show, then read the mouse buttons (another round) and Enter (leave).
GameOverChoice gameOverPass(RoundTimer& timer);
