// The one fatal path of the program: a fixed message on standard output, then exit status 1.
// Called by start-up (the monster table, the sounds), by every list allocation of the game and
// by the window's opening; the message is printed exactly as given, line end included or not.
#pragma once
#include <string>

namespace platform {

// Prints message to standard output as written, flushes it and ends the process with
// status 1 (static destructors run, as for a normal exit). Call from the main thread only:
// the window thread's ends (the window closed or destroyed, an X error, the display lost)
// use _exit instead.
[[noreturn]] void fatalError(const std::string& message);

}  // namespace platform
