// Path separators (see paths.h).
#include "platform/paths.h"

#include <algorithm>

namespace platform {

std::string nativePath(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

}  // namespace platform
