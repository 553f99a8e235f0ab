// The mark over shown frames (see frame_mark.h): rendered once into a small box of pixel words
// when it is set, copied over the frame's top-right corner under its own lock.
#include "graphics/frame_mark.h"

#include <cstring>
#include <mutex>
#include <vector>

#include "graphics/raster/raster.h"
#include "graphics/styles.h"
#include "graphics/text/font.h"

namespace gfx {
namespace {

constexpr int kMarkFontHeight = 28;
constexpr int kMarkPadding = 8;
constexpr int kMarkMargin = 12;
constexpr std::uint32_t kMarkBack = 0x202020;
constexpr std::uint32_t kMarkBorder = 0xFF9600;
constexpr std::uint32_t kMarkText = 0xFFFFFF;

struct Mark {
  std::mutex lock;
  std::vector<std::uint32_t> pixels;
  int width = 0;
  int height = 0;
};

Mark& mark() {
  static Mark shared;
  return shared;
}

}  // namespace

void markShownFrames(const std::string& text) {
  std::vector<std::uint32_t> pixels;
  int width = 0, height = 0;
  if (!text.empty()) {
    LOGFONTA description{};
    description.lfHeight = kMarkFontHeight;
    std::strncpy(description.lfFaceName, "Consolas", sizeof description.lfFaceName - 1);
    text::Font* font = text::fontFor(description);
    width = int(font->measure(text.data(), text.size())) + 2 * kMarkPadding;
    height = font->cellHeight + kMarkPadding;
    pixels.assign(std::size_t(width) * std::size_t(height), kMarkBack);
    auto at = [&](int x, int y) -> std::uint32_t& {
      return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    };
    for (int x = 0; x < width; ++x) at(x, 0) = at(x, height - 1) = kMarkBorder;
    for (int y = 0; y < height; ++y) at(0, y) = at(width - 1, y) = kMarkBorder;
    raster::Surface surface;
    surface.pixels = pixels.data();
    surface.width = width;
    surface.height = height;
    surface.computeBounds();
    font->draw(surface, kMarkPadding, kMarkPadding / 2, text.data(), text.size(), kMarkText, false, 0);
  }
  Mark& shared = mark();
  std::lock_guard<std::mutex> guard(shared.lock);
  shared.pixels.swap(pixels);
  shared.width = width;
  shared.height = height;
}

void layMark(std::uint32_t* frame, int width, int height) {
  Mark& shared = mark();
  std::lock_guard<std::mutex> guard(shared.lock);
  if (shared.pixels.empty() || shared.width + kMarkMargin > width || shared.height + kMarkMargin > height) return;
  const int left = width - kMarkMargin - shared.width;
  for (int y = 0; y < shared.height; ++y) {
    const std::uint32_t* row = shared.pixels.data() + std::size_t(y) * std::size_t(shared.width);
    std::memcpy(frame + std::size_t(kMarkMargin + y) * std::size_t(width) + left, row, std::size_t(shared.width) * 4);
  }
}

}  // namespace gfx
