// The screens, each a pass that composes a whole frame and shows it: the title, the
// countdown, playing and game over.
#pragma once

#include "game/shell/update_tick.h"
#include "game/files/scores.h"

// Shows the pass's frame: the end of one pass of a screen. Record and replay count passes
// by it and keep digests of the world and of the frame every so often.
void showPass();

// The end of a pass that shows nothing new (a pause or a hidden window resting).
void endPassUnshown();

// While the window is minimised or hidden, rests pass by pass until it is back (the title
// and game-over screens, which do not pause).
void restWhileAway();

// The title screen begins: presses of the mouse buttons made before it count no more (a
// button held down counts once it has been released and pressed again).
void startTitleScreen();

// One pass of the title screen; returns whether a mouse button was pressed (the pass has
// still drawn and shown its frame). Sets countdownPending to that.
bool titlePass(bool& countdownPending);

// One pass of the playing screen: update if due, compose, show.
void playingPass(RoundTimer& timer);

// The countdown before a round: "Ready To Dream?", then 3, 2, 1, one second each. It watches
// for a pause all along; after one it finishes its current second with the same text.
void showCountdown();

// The game-over screen's four lines over the composed frame, in the text settings startUp
// made (the last line in a 50-high font, then back to 100).
void drawGameOverTexts();

enum class GameOverChoice { kStay, kAnotherRound, kLeave };

// The game-over screen begins: presses of the mouse buttons and Enter made during the round
// count no more (the fire button held at the moment of death counts once it has been
// released and pressed again), so the screen waits for a choice made while it is shown.
void startGameOverScreen();

// One pass of the game-over screen: update without the player if due, compose with the
// texts and the lines of the round's place in the table, show, then read the mouse buttons
// (another round) and Enter (leave).
GameOverChoice gameOverPass(RoundTimer& timer, const TablePlace& place = {});
