// Keys named as the player's keyboard layout prints them ("Z" for the key in W's place on a
// French keyboard). The backend asks its system; controls/key_names.h falls back on the key's
// US name where the backend cannot tell.
#pragma once
#include <string>

namespace platform::port {

// The layout's name of the key at a place (its scancode, the USB HID usage number), in
// UTF-8; empty when the backend cannot tell (before its window opens, or no such key).
std::string layoutKeyName(int scancode);

// Readies the backend to name keys outside a window, for --help (the desktop's starts SDL's
// video and asks X for the number row); endLayoutKeyNames lets it go again.
void startLayoutKeyNames();
void endLayoutKeyNames();

}  // namespace platform::port
