// Text repeated from a file or the command line: printable UTF-8 passes whole, every control
// character (C0, DEL, C1 in either form) and every byte that is not UTF-8 shows as \xNN.
#include <gtest/gtest.h>

#include "platform/base/printable_text.h"

namespace {

TEST(PrintableText, ControlsAndBrokenBytesShowAsEscapes) {
  const std::pair<std::string, std::string> cases[] = {
      {"strike = J 1", "strike = J 1"},
      {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\xAE", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\xAE"},
      {"\x1B[2J\x07\t\r", "\\x1B[2J\\x07\\x09\\x0D"},
      {"a\x7F" "b", "a\\x7Fb"},
      {"\xC2\x9B" "31m", "\\xC2\\x9B31m"},          // C1 CSI written as UTF-8
      {"\x9B" "31m", "\\x9B31m"},                  // C1 CSI as a lone byte
      {"caf\xE9", "caf\\xE9"},                      // Latin-1, not UTF-8
      {"\xC0\xAF \xED\xA0\x80", "\\xC0\\xAF \\xED\\xA0\\x80"},  // overlong, surrogate
      {"\xE2\x82", "\\xE2\\x82"},                  // cut short
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(platform::printableText(text), shown) << shown;
}

}  // namespace
