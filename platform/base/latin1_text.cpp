#include "platform/base/latin1_text.h"

namespace platform {

std::string latin1(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >> 5 == 6 ? 2 : lead >> 4 == 14 ? 3 : lead >> 3 == 30 ? 4 : 1;
    unsigned code = length == 1 ? lead : lead & (0x7F >> length);
    bool whole = i + length <= utf8.size() && (length > 1 || lead < 0x80);
    for (std::size_t k = 1; whole && k < length; ++k) {
      const unsigned char next = static_cast<unsigned char>(utf8[i + k]);
      whole = next >> 6 == 2;
      code = code << 6 | (next & 0x3F);
    }
    out += whole && code < 0x100 ? char(code) : '?';
    i += whole ? length : 1;
  }
  return out;
}

}  // namespace platform
