// The native window behind the graphics layer's GraphWnd. Every function here is called
// on the graphics layer's window thread only (the desktop's video library wants its calls on
// one thread). The real build links the desktop window backend; tests and the headless driver
// link a backend that opens nothing and presents into memory.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

struct NativeWindow;

// Creates and shows a window whose client area is width x height, not resizable, with
// the given title, and its two frame buffers of that size. Where the desktop's usable area
// cannot hold such a window with its window-manager frame, the client area is the largest
// of the same shape that fits, and frames are shown scaled; it starts fullscreen when this
// run's settings say so (settings_file.h). On failure returns null and
// sets error to a one-line reason (the game prints "cannot open window: <reason>").
NativeWindow* createNativeWindow(int width, int height, const std::string& title, std::string& error);

// Hides and destroys the window.
void destroyNativeWindow(NativeWindow* window);

// Handles every pending event: keys (through the settings' bindings, key_router.h),
// buttons and cursor go to the input latch (input_feed.h), the cursor in frame coordinates
// whatever the window's size; the window's focus and whether it is minimised or hidden go
// there as kVkFocusLost and kVkWindowAway. F11 and Alt+Enter toggle fullscreen (the frame
// scaled to the screen with its shape kept, centred between black bars) and M the mute;
// both are remembered in the settings and never reach the latch. Returns true when the user
// (or the window manager) asked to close the window. Three ends never return, and run no
// static destructors: the window destroyed by another program ends the process as a close
// does (standard output flushed, exit status 0, nothing printed), whatever the window's
// flags; a lost connection to the display prints "display connection lost" and any other
// X error one line naming it and its request, both on standard output with exit status 1.
bool pumpNativeEvents(NativeWindow* window);

// Frame buffer index (0 or 1) of the window: width x height pixel words of the working
// image's layout (0x00RRGGBB, rows top to bottom, no gaps), black at first, living as long
// as the window. Any thread may write a buffer that is not being presented.
std::uint32_t* nativeFrameBuffer(NativeWindow* window, int index);

// Puts frame buffer index on screen, scaled where the window is not the frame's size;
// when it returns, the buffer may be written again.
// When the window is uncovered it shows the last buffer it put again by itself, as a
// compositing desktop keeps a window's picture: nothing new is copied for it.
void presentNativeBuffer(NativeWindow* window, int index);

// The program file's name without directory and extension ("dream-arena").
std::string programTitle();

}  // namespace platform
