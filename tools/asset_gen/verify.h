// Checks a generated resource tree: every catalogue file present and decodable, pictures
// 8-bit RGBA at their intended size and not blank, sounds of the intended length at
// 44.1 kHz with a moderate, non-silent level.
#pragma once

#include <string>
#include <vector>

namespace assetgen {

// Returns the problems found under root (empty when all is well).
std::vector<std::string> verifyOutput(const std::string& root);

}  // namespace assetgen
