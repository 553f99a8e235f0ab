#include "platform/base/notice.h"

#include <cstdio>

#include "platform/base/printable_text.h"

namespace platform {

void notice(const std::string& line) {
  std::printf("%s\n", printableText(line).c_str());
  std::fflush(stdout);
}

}  // namespace platform
