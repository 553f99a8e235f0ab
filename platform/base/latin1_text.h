// UTF-8 text as Latin-1, the encoding the game's fonts take.
#pragma once
#include <string>

namespace platform {

// The text in Latin-1: a character beyond it, and a byte that starts no whole UTF-8
// sequence, becomes '?'.
std::string latin1(const std::string& utf8);

}  // namespace platform
