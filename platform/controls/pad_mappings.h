// The player's own pad mappings: gamecontrollerdb.txt in the settings folder, in the
// game-controller mapping format ("GUID,name,a:b0,...,platform:Linux,"). Its lines are read
// here one by one, as the pad library's own loader drops bad lines without a word: blank
// lines, comments and lines for other platforms are passed over quietly; a Linux line (or one
// naming no platform) that is not a mapping gets a warning. No file access and no pad library
// calls here.
#pragma once
#include <string>
#include <vector>

namespace platform {

struct MappingLine {
  int number;        // from 1
  std::string text;  // trimmed, without its line end
};

struct MappingReading {
  std::vector<MappingLine> mappings;  // the lines to give the pad library
  std::vector<std::string> warnings;  // "line 4: ...; skipped", one per rejected line
};

MappingReading readMappingLines(const std::string& text);

// At most limit of the warnings, then one line counting the rest.
std::vector<std::string> limitWarnings(const std::vector<std::string>& warnings, std::size_t limit);

}  // namespace platform
