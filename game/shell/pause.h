// The pause of a round and its countdown. It is asked by a fresh press of the pause key
// (Escape or P unless rebound), or by the window going away (its focus lost, minimised or
// hidden). While paused the game clock stands still, the last frame stays with "Paused" over
// it, and the game rests until input comes instead of composing.
#pragma once

// A round begins: a pause key pressed or a focus lost before it (on the title or game-over
// screen, which do not pause) asks for no pause in it.
void startPauseWatch();

// Whether this pass asks for a pause (reads the pause key and the window's news).
bool pauseAsked();

// Pauses until the pause key or a mouse click resumes, with the window back: the click is
// forgotten (no shot), a pause key still held counts again only once pressed anew. The frame
// the pause covered is put back and shown, and the game clock goes on from where it stopped.
void pauseUntilResumed();
