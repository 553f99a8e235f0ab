// Face matching among the font files staged with the data, for the WebAssembly build, which
// has no fontconfig. At build time the staging asked the desktop's fontconfig which file it
// picks for each generic family (cmake/web_stage.cmake), copied those files and listed them
// in resources/fonts/faces.txt; here a name is matched as fontconfig would among them, so
// text has the desktop's pixels (files it cannot find are named in one line, once). A line
// of the list: the generic family and weight, the file, the face's family, then bold, italic
// and monospaced as 0 or 1, separated by tabs.
#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "graphics/text/face_match.h"
#include "platform/port/storage.h"
#include "platform/base/notice.h"
#include "platform/base/paths.h"

namespace gfx::text {

namespace {

struct StagedFace {
  std::string generic;  // "monospace", "sans-serif" or "serif"
  FaceFile file;
};

struct StagedFaces {
  std::vector<StagedFace> faces;
  std::vector<std::string> missing;  // files of the list that are not there, or the list
};

StagedFaces readStagedFaces() {
  StagedFaces staged;
  std::string text, reason;
  const std::string list = platform::nativePath("resources/fonts/faces.txt");
  if (platform::readFileText(list, text, reason) != platform::FileText::kRead) {
    staged.missing.push_back(list);
    return staged;
  }
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    StagedFace face;
    std::string weight, file, bold, italic, mono;
    if (!std::getline(fields, face.generic, '\t') || !std::getline(fields, weight, '\t') ||
        !std::getline(fields, file, '\t') || !std::getline(fields, face.file.family, '\t') ||
        !std::getline(fields, bold, '\t') || !std::getline(fields, italic, '\t') || !std::getline(fields, mono))
      continue;
    face.file.path = platform::nativePath("resources/fonts/" + file);
    face.file.bold = bold == "1";
    face.file.italic = italic == "1";
    face.file.monospaced = mono == "1";
    if (::access(face.file.path.c_str(), R_OK) != 0) {
      if (std::find(staged.missing.begin(), staged.missing.end(), face.file.path) == staged.missing.end())
        staged.missing.push_back(face.file.path);
      continue;
    }
    staged.faces.push_back(face);
  }
  return staged;
}

// Read once, from the working directory the program starts in.
const StagedFaces& stagedFaces() {
  static const StagedFaces staged = readStagedFaces();
  return staged;
}

// The generic family a name stands for, as fontconfig's aliases read it; "" for none.
std::string genericOf(const char* name) {
  for (const char* mono : {"monospace", "mono"})
    if (strcasecmp(name, mono) == 0) return "monospace";
  if (strcasecmp(name, "serif") == 0) return "serif";
  return "sans-serif";
}

}  // namespace

bool matchFamily(const char* family, bool bold, bool italic, FaceFile& out, bool& familyMatched) {
  (void)italic;  // the staged faces are upright: a slant is made from them, as natively
  static const bool said = [] {
    const std::vector<std::string>& missing = stagedFaces().missing;
    std::string names;
    for (const std::string& name : missing) names += (names.empty() ? "" : ", ") + name;
    if (!missing.empty()) platform::notice("cannot find the font files " + names + "; text is drawn without them");
    return true;
  }();
  (void)said;
  const std::vector<StagedFace>& faces = stagedFaces().faces;
  // A face's own family name first, else the generic family the name stands for (any
  // other name gets the default sans face, not its own, as fontconfig answers it).
  const StagedFace* best = nullptr;
  for (const StagedFace& face : faces) {
    if (strcasecmp(face.file.family.c_str(), family) != 0) continue;
    if (!best || face.file.bold == bold) best = &face;
  }
  familyMatched = best != nullptr;
  if (!best) {
    const std::string generic = genericOf(family);
    for (const StagedFace& face : faces) {
      if (face.generic != generic) continue;
      if (!best || face.file.bold == bold) best = &face;
    }
  }
  if (!best) return false;
  out = best->file;
  return true;
}

std::vector<std::string> missingFontFiles() { return stagedFaces().missing; }

}  // namespace gfx::text
