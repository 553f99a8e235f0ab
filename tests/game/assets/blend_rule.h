// The sprite blend rule written out for the tests: two truncated quotients per colour
// channel, alpha byte 0.
#pragma once
#include <cstdint>

namespace test_blend {

inline std::uint32_t ruleWord(std::uint32_t s, std::uint32_t d) {
  const std::uint32_t a = s >> 24;
  const auto channel = [&](int shift) {
    const std::uint32_t sc = (s >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
    return (sc * a / 255 + dc * (255 - a) / 255) << shift;
  };
  return channel(16) | channel(8) | channel(0);
}

}  // namespace test_blend
