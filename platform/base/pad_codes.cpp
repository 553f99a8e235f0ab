// The names of the pad's buttons (see pad_codes.h), in button order.
#include "platform/base/pad_codes.h"

namespace platform {
namespace {

const char* const kButtonNames[kPadButtonCount] = {
    "a",     "b",    "x",      "y",       "back",    "guide",   "start",   "leftstick", "rightstick", "leftshoulder", "rightshoulder",
    "dpup",  "dpdown", "dpleft", "dpright", "misc1", "paddle1", "paddle2", "paddle3",   "paddle4",    "touchpad"};

}  // namespace

const char* padButtonName(int button) { return button >= 0 && button < kPadButtonCount ? kButtonNames[button] : ""; }

}  // namespace platform
