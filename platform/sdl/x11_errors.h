// The X error handlers of the game's display. Xlib's own print several lines and call
// exit(), which on the window thread runs static destructors under the game's feet; SDL's
// chains to them. Here no error on the game's display reaches them:
// - the window destroyed by another program (a request about it, or a Render picture on
//   it, fails as gone) ends the process as a close does: stdout flushed, status 0, silent;
// - any other error prints one line naming the error and the request, status 1;
// - a lost connection prints "display connection lost", status 1.
// Every end is _exit: no static destructors. Errors of other connections go to the
// handler that was there before. Window thread only, except that the handlers may run on
// any thread that reads another connection.
#pragma once
#include <X11/Xlib.h>

namespace platform {

// Installs the handlers for window on display and learns the display's extension names for
// the error line. Called as soon as the window exists.
void watchDisplayErrors(Display* display, Window window);

// The Render picture on the window, which the server frees with it: a request on it that
// fails with goneError (Render's BadPicture) counts as one about the window.
void watchWindowPicture(XID picture, int goneError);

// The game is destroying the window itself: errors about the window or its picture are no
// longer a reason to end the process.
void beginWindowTeardown();

// Forgets the display: from now on its errors go to the handler that was there before.
void stopWatchingDisplay();

// Ends the process as closing the window does: standard output flushed, status 0.
[[noreturn]] void endAsWindowClosed();

}  // namespace platform
