// The streaming frame copy: every word arrives exactly, whatever the alignment of the
// target and the count, and nothing past the end is written.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/base/frame_copy.h"

namespace {

TEST(FrameCopy, CopiesEveryWordForAnyAlignmentAndCount) {
  std::vector<std::uint32_t> source(300);
  for (std::size_t i = 0; i < source.size(); ++i) source[i] = 0x9E3779B9u * std::uint32_t(i + 1);
  for (std::size_t offset = 0; offset < 4; ++offset) {
    for (std::size_t count : {0u, 1u, 3u, 15u, 16u, 17u, 63u, 64u, 257u}) {
      std::vector<std::uint32_t> target(offset + count + 4, 0xDEADBEEFu);
      platform::streamFrameWords(target.data() + offset, source.data() + 1, count);
      for (std::size_t i = 0; i < target.size(); ++i) {
        bool inside = i >= offset && i < offset + count;
        std::uint32_t expected = inside ? source[i - offset + 1] : 0xDEADBEEFu;
        ASSERT_EQ(target[i], expected) << "word " << i << " of a copy of " << count << " words at offset " << offset;
      }
    }
  }
}

}  // namespace
