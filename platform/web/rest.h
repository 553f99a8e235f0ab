// The page's rests: the one place where the game, which runs on the browser's only thread,
// hands the thread back to the browser. Each awaits the page (web/page.js) through ASYNCIFY,
// so a blocking wait of the game is a pause of its stack, never a busy tab.
#pragma once
#include <cstdint>

namespace platform::web {

// Returns after us microseconds, having let the browser run at least once meanwhile.
void restFor(std::uint64_t us);

// As restFor, but returns as soon as the page hands the game input.
void restForInput(std::uint64_t us);

}  // namespace platform::web
