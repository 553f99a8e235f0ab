// Test-side view of the X display, through a connection of its own: find a top-level
// window by its title, read its pixels back, and send it what a window manager sends.
#pragma once
#include <X11/Xlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace x11probe {

// A connection to the display named by $DISPLAY, opened once and kept for the whole test
// program (so the server never resets between tests); null when there is none.
::Display* display();

// The first window below the root whose WM_NAME is title (searched breadth first); 0 if none.
Window findWindowByTitle(::Display* display, const std::string& title);

// Waits up to timeoutMs for such a window to appear.
Window waitForWindow(::Display* display, const std::string& title, int timeoutMs);

// The window's client pixels as 0x00RRGGBB words, rows top to bottom; empty on failure.
std::vector<std::uint32_t> readPixels(::Display* display, Window window, int width, int height);

// Sends the WM_DELETE_WINDOW protocol message, as a window manager's close button does.
void requestClose(::Display* display, Window window);

}  // namespace x11probe
