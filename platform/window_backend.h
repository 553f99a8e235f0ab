// The native window behind the graphics layer's GraphWnd. Every function here is called
// on the graphics layer's window thread only (SDL wants its video calls on one thread).
// The real build links the SDL2 backend; tests and the headless driver link a backend
// that opens nothing and presents into memory.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

struct NativeWindow;

// Creates and shows a window whose client area is width x height, not resizable, with
// the given title. On failure returns null and sets error to a one-line reason
// (the game prints "cannot open window: <reason>").
NativeWindow* createNativeWindow(int width, int height, const std::string& title, std::string& error);

// Hides and destroys the window.
void destroyNativeWindow(NativeWindow* window);

// Handles every pending event: keys, buttons and cursor go to the input latch
// (input_feed.h). Returns true when the user (or the window manager) asked to close the
// window. A lost connection to the display ends the process at once: "display connection
// lost" on standard output, exit status 1, no static destructors.
bool pumpNativeEvents(NativeWindow* window);

// Puts width x height pixel words (the working image's layout: 0x00RRGGBB, rows top to
// bottom, no gaps) on screen.
void presentNativeFrame(NativeWindow* window, const std::uint32_t* pixels, int width, int height);

// The program file's name without directory and extension ("dream-arena").
std::string programTitle();

}  // namespace platform
