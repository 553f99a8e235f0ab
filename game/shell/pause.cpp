// The pause: the clock stopped, the frame kept, "Paused" drawn over it, and a rest between
// the input the window records. Every read goes through the platform's seam, so a pause
// replays like any other pass.
#include "game/shell/pause.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "game/shell/pad_prompts.h"
#include "game/shell/pause_hint.h"
#include "game/shell/screens.h"
#include "game/world/game_clock.h"
#include "graphics/draw.h"
#include "graphics/image.h"
#include "platform/seam/clock.h"
#include "platform/seam/input.h"
#include "platform/controls/pad_aim.h"

namespace {

// A paused game wakes at least this often, else only for input.
constexpr std::uint32_t kRestMs = 250;
constexpr int kHintHeight = 30;

void forgetResumingPresses() {
  platform::forgetPresses(platform::kVkPause);
  platform::forgetPresses(platform::kVkLButton);
  platform::forgetPresses(platform::kVkRButton);
}

// The working image's pixels, to put back after the pause.
std::vector<std::uint32_t> keepFrame() {
  const std::uint32_t* words = pixelBuffer(nullptr);
  if (!words) return {};
  return std::vector<std::uint32_t>(words, words + std::size_t(targetWidth()) * std::size_t(targetHeight()));
}

void putBackFrame(const std::vector<std::uint32_t>& kept) {
  std::uint32_t* words = pixelBuffer(nullptr);
  if (!words || kept.size() != std::size_t(targetWidth()) * std::size_t(targetHeight())) return;
  std::memcpy(words, kept.data(), kept.size() * sizeof(std::uint32_t));
}

// "Paused" and, smaller and centred under it, how to play on and the keys bound (the line
// comes through the seam, as the recording drew it).
void drawPausedTexts(const std::string& hint) {
  gfx::drawText(650, 290, "Paused");
  gfx::setFont(kHintHeight, 0, "Consolas");
  const int width = gfx::measureTextWidth(hint.c_str());
  gfx::drawText(width < targetWidth() ? (targetWidth() - width) / 2 : 0, 420, hint.c_str());
  gfx::setFont(100, 0, "Consolas");
}

// The line for the device the player used last.
std::string hintFor(platform::InputDevice device) {
  return device == platform::InputDevice::Pad ? padPauseHint() : pauseHint();
}

bool resumeAsked() {
  const bool key = platform::keyPressed(platform::kVkPause);
  const bool left = platform::keyPressed(platform::kVkLButton);
  const bool right = platform::keyPressed(platform::kVkRButton);
  return key || left || right;
}

}  // namespace

void startPauseWatch() {
  platform::forgetPresses(platform::kVkPause);
  platform::forgetPresses(platform::kVkFocusLost);
}

bool pauseAsked() {
  const bool key = platform::keyPressed(platform::kVkPause);
  const bool focusLost = platform::keyPressed(platform::kVkFocusLost);
  const bool away = platform::keyDown(platform::kVkWindowAway);
  return key || focusLost || away;
}

void pauseUntilResumed() {
  stopGameClock();
  forgetResumingPresses();
  const std::vector<std::uint32_t> covered = keepFrame();
  platform::InputDevice device = platform::lastDeviceRead();
  drawPausedTexts(hintFor(device));
  showPass();
  for (;;) {
    platform::restUntilInput(kRestMs);
    const bool resume = resumeAsked();
    const bool away = platform::keyDown(platform::kVkWindowAway);
    const platform::InputDevice now = platform::lastDeviceRead();
    if (now != device && !resume) {
      device = now;
      putBackFrame(covered);
      drawPausedTexts(hintFor(device));
      showPass();
    } else {
      endPassUnshown();
    }
    if (resume && !away) break;
  }
  forgetResumingPresses();
  putBackFrame(covered);
  showPass();
  startGameClock();
}
