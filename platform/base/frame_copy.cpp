// Streaming-store frame copy (see frame_copy.h): SSE2, 64 bytes a step, with plain word
// copies for the unaligned head and the tail.
#include "platform/base/frame_copy.h"

#include <emmintrin.h>

namespace platform {

void streamFrameWords(std::uint32_t* to, const std::uint32_t* from, std::size_t count) {
  std::size_t i = 0;
  for (; i < count && (reinterpret_cast<std::uintptr_t>(to + i) & 15) != 0; ++i) to[i] = from[i];
  for (; i + 16 <= count; i += 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i + 4));
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i + 8));
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i + 12));
    _mm_stream_si128(reinterpret_cast<__m128i*>(to + i), a);
    _mm_stream_si128(reinterpret_cast<__m128i*>(to + i + 4), b);
    _mm_stream_si128(reinterpret_cast<__m128i*>(to + i + 8), c);
    _mm_stream_si128(reinterpret_cast<__m128i*>(to + i + 12), d);
  }
  for (; i < count; ++i) to[i] = from[i];
  _mm_sfence();
}

}  // namespace platform
