// The face file a family name matches, one file per build, picked at link time:
// face_match_fontconfig.cpp asks fontconfig (the desktop), face_match_files.cpp looks the
// name up among the font files staged with the data (WebAssembly, which has no fontconfig).
// Callers hold the font library's mutex.
#pragma once
#include <string>
#include <vector>

namespace gfx::text {

struct FaceFile {
  std::string path;
  int index = 0;
  std::string family;  // the face's own family name
  bool bold = false;
  bool italic = false;
  bool monospaced = false;
};

// The best face for a family at a weight and slant, or false when there is none at all;
// familyMatched says whether the face carries the family asked for (case aside), so the
// caller can fall back to a generic family instead of taking a stranger.
bool matchFamily(const char* family, bool bold, bool italic, FaceFile& out, bool& familyMatched);

// The staged font files that cannot be found from the working directory (the list itself,
// resources/fonts/faces.txt, when it is missing); empty when all are there, and always on the
// desktop. Text drawn without them has other pixels: the first match says so in one line.
std::vector<std::string> missingFontFiles();

}  // namespace gfx::text
