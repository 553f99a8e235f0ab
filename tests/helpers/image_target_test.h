// A test fixture that draws into a fresh image of its own: the image is the draw target,
// its words can be read back, and the device that draws on it is at hand.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "graphics/device.h"
#include "graphics/graphics_state.h"
#include "graphics/image.h"

namespace test_pixels {

class ImageTargetTest : public ::testing::Test {
 protected:
  void TearDown() override {
    setDrawTarget(nullptr);
    image.reset();
  }
  // A fresh w x h image as the draw target (made before the old one goes, so the layer stays up).
  void use(int w, int h) {
    auto fresh = std::make_unique<IMAGE>(w, h);
    setDrawTarget(fresh.get());
    image = std::move(fresh);
    device = gfx::graphicsState.currentDevice;
  }
  std::uint32_t word(int x, int y) { return pixelBuffer(image.get())[std::size_t(y) * image->width() + x]; }

  std::unique_ptr<IMAGE> image;
  gfx::DrawOnImg* device = nullptr;
};

}  // namespace test_pixels
