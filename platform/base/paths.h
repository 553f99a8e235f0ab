// File paths as the game writes them (Windows style, ".\\resources\\music\\shoot.ogg")
// turned into this system's: every backslash becomes '/', and a relative path is taken
// from the game's data root. The data root is the working directory when it holds
// "monsterData.txt", as the game has always read it; otherwise the data installed with the
// program, found from the program file's own place so that any installation prefix works;
// otherwise the working directory again (where the game then reports the missing table).
// Called by every loader of the game and the graphics layer, from any thread.
#pragma once
#include <filesystem>
#include <string>

namespace platform {

std::string nativePath(std::string path);

// The data root that the rule above picks for a working directory and a program file: an
// empty path for the working directory, else the installed data directory. nativePath
// asks once, at its first call, for this process's own.
std::filesystem::path chooseDataRoot(const std::filesystem::path& workingDirectory,
                                     const std::filesystem::path& program);

}  // namespace platform
