// The headless build knows no keyboard layout: keys go by their US names.
#include "platform/port/key_names.h"

namespace platform::port {

std::string layoutKeyName(int) { return ""; }

void startLayoutKeyNames() {}

void endLayoutKeyNames() {}

}  // namespace platform::port
