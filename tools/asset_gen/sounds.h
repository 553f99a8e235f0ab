// The nine sound effects, synthesised from oscillators and filtered noise.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

// The samples of one catalogue sound (by file name), 16-bit mono at 44.1 kHz.
// Unknown names give an empty vector.
std::vector<int16_t> synthesiseSound(const std::string& name);

}  // namespace assetgen
