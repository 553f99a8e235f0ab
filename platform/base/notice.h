// The one path for a line of news that does not stop the game (a bad settings line, a file
// that cannot be read, a pad mapping refused): printed on standard output, with what it
// repeats of a file or a path made printable (printable_text.h), and flushed at once.
#pragma once
#include <string>

namespace platform {

// Prints line and a line end. Any thread.
void notice(const std::string& line);

}  // namespace platform
