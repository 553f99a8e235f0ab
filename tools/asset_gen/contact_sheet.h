// A review sheet: every image slot of the catalogue, read back from a generated tree,
// laid out in rows with its file name under it, on a checkerboard that shows the alpha.
#pragma once

#include <string>

namespace assetgen {

// zoom scales every picture; only, when not empty, keeps the slots whose file name
// contains it. Returns false and fills error on failure.
bool writeContactSheet(const std::string& root, const std::string& sheetPath, double zoom,
                       const std::string& only, std::string& error);

}  // namespace assetgen
