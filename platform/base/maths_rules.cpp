// The rules' arc tangent: the game's own, or the C library's for files recorded with it.
#include "platform/base/maths_rules.h"

#include <atomic>
#include <cmath>

#include "platform/base/exact_maths.h"

namespace platform {

namespace {

std::atomic<bool> libraryArcTangent{false};

}  // namespace

void useLibraryArcTangent(bool use) { libraryArcTangent.store(use, std::memory_order_relaxed); }

float ruleArcTangent(float x) {
  return libraryArcTangent.load(std::memory_order_relaxed) ? std::atan(x) : exact::atan(x);
}

}  // namespace platform
