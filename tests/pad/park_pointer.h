// Moves the X pointer to the screen's bottom-right corner, away from where a window opens, so
// that no pointer crossing gives a window mouse motion. Apart from the tests that use it, as
// Xlib's macros clash with GoogleTest's names.
#pragma once

void parkPointer();
