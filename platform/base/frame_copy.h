// Copying a finished frame into a buffer that another reader takes next (the window
// thread's present buffer, the window surface the display server reads): streaming stores
// that bypass this core's cache, so the copy does not push out the working image and the
// sprites the game draws with. Called by the graphics window and the window backend.
#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

// Copies count pixel words from `from` to `to` (no overlap). The stores are fenced before
// it returns, so a lock released afterwards publishes the words.
void streamFrameWords(std::uint32_t* to, const std::uint32_t* from, std::size_t count);

}  // namespace platform
