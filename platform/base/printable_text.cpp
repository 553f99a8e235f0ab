#include "platform/base/printable_text.h"

#include <cstdio>

namespace platform {
namespace {

// The length of the UTF-8 sequence at text[at] that names a printable character (not a C1
// control, no overlong form, no surrogate), or 0.
std::size_t printableSequence(const std::string& text, std::size_t at) {
  const auto byte = [&](std::size_t k) { return at + k < text.size() ? static_cast<unsigned char>(text[at + k]) : 0u; };
  const unsigned lead = byte(0);
  if (lead >= 0x20 && lead < 0x7F) return 1;
  std::size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
  if (length == 0 || lead > 0xF4) return 0;
  unsigned code = lead & (0x7Fu >> length);
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(k) & 0x3F);
  }
  const unsigned least[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000) || code < 0xA0) return 0;
  return length;
}

}  // namespace

std::string printableText(const std::string& text) {
  std::string shown;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = printableSequence(text, at);
    if (length > 0) {
      shown.append(text, at, length);
      at += length;
      continue;
    }
    char escaped[5];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(text[at]));
    shown += escaped;
    ++at;
  }
  return shown;
}

}  // namespace platform
