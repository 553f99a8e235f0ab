// The one fatal path (see fatal.h).
#include "platform/base/fatal.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

void fatalError(const std::string& message) {
  std::fwrite(message.data(), 1, message.size(), stdout);
  std::fflush(stdout);
  std::exit(1);
}

}  // namespace platform
