// File paths as the game writes them (Windows style, ".\\resources\\music\\shoot.ogg")
// turned into this system's: every backslash becomes '/'.
#pragma once
#include <string>

namespace platform {

std::string nativePath(std::string path);

}  // namespace platform
