// Text from a file or the command line made safe to print: control characters (C0, DEL and
// C1) and bytes that are not UTF-8 are shown as \xNN, so no file can drive the terminal.
#pragma once
#include <string>

namespace platform {

std::string printableText(const std::string& text);

}  // namespace platform
