// The mapping file's lines (see pad_mappings.h): split, sorted into used, passed over and
// rejected.
#include "platform/controls/pad_mappings.h"

#include <cctype>

namespace platform {
namespace {

std::string trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1)
    parts.push_back(line.substr(start, comma - start));
  if (start < line.size()) parts.push_back(line.substr(start));
  return parts;
}

// 32 hex digits, or one of the names the format takes in a GUID's place: default, hidapi, xinput.
bool hexGuid(const std::string& text) {
  std::string lowered;
  for (char c : text) lowered += char(std::tolower(static_cast<unsigned char>(c)));
  if (lowered == "default" || lowered == "hidapi" || lowered == "xinput") return true;
  if (text.size() != 32) return false;
  for (char c : text)
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

// Why the line is no mapping, or empty when it is one.
std::string problemOf(const std::vector<std::string>& parts) {
  if (parts.empty() || !hexGuid(parts[0])) return "no GUID of 32 hex digits (or default, hidapi, xinput) at its start";
  if (parts.size() < 2 || trim(parts[1]).empty()) return "no pad name after the GUID";
  std::size_t bindings = 0;
  for (std::size_t k = 2; k < parts.size(); ++k) {
    const std::string part = trim(parts[k]);
    if (part.empty()) continue;
    const std::size_t colon = part.find(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == part.size())
      return "'" + part + "' is not an input:binding pair";
    if (part.compare(0, colon, "platform") != 0) ++bindings;
  }
  return bindings == 0 ? "no bindings" : "";
}

// The platform the line names, or empty.
std::string platformOf(const std::vector<std::string>& parts) {
  for (const std::string& part : parts) {
    const std::string field = trim(part);
    if (field.rfind("platform:", 0) == 0) return trim(field.substr(9));
  }
  return {};
}

}  // namespace

MappingReading readMappingLines(const std::string& text) {
  MappingReading reading;
  int number = 0;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = trim(text.substr(start, end - start));
    start = end + 1;
    ++number;
    if (line.empty() || line[0] == '#') continue;
    const std::vector<std::string> parts = fields(line);
    const std::string platform = platformOf(parts);
    if (!platform.empty() && platform != "Linux") continue;
    const std::string problem = problemOf(parts);
    if (problem.empty())
      reading.mappings.push_back({number, line});
    else
      reading.warnings.push_back("line " + std::to_string(number) + ": " + problem + "; skipped");
  }
  return reading;
}

std::vector<std::string> limitWarnings(const std::vector<std::string>& warnings, std::size_t limit) {
  if (warnings.size() <= limit) return warnings;
  std::vector<std::string> kept(warnings.begin(), warnings.begin() + long(limit));
  const std::size_t more = warnings.size() - limit;
  kept.push_back("and " + std::to_string(more) + " more rejected line" + (more == 1 ? "" : "s"));
  return kept;
}

}  // namespace platform
