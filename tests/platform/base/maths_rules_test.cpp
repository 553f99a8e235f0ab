// The rules' arc tangent follows the switch a replay of an older file sets.
#include "platform/base/maths_rules.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/base/exact_maths.h"

namespace {

TEST(MathsRules, ArcTangentIsTheGamesOwnUnlessAnOlderReplayAsksForTheCLibrarys) {
  // Slopes where the C library and the exact value differ on Debian, and ordinary ones.
  const float slopes[] = {0x1.1a714cp+0f, 0x1.3a734cp+25f, 0x1.63c908p+25f, -0.75f, 3.0f, 0.0f};
  for (float x : slopes) {
    EXPECT_EQ(platform::ruleArcTangent(x), platform::exact::atan(x)) << std::hexfloat << x;
    platform::useLibraryArcTangent(true);
    EXPECT_EQ(platform::ruleArcTangent(x), std::atan(x)) << std::hexfloat << x;
    platform::useLibraryArcTangent(false);
  }
#ifdef __GLIBC__
  volatile float first = slopes[0];  // read at run time: the compiler folds a constant's atan exactly
  EXPECT_NE(std::atan(first), platform::exact::atan(first)) << "the first slope tells the two apart";
#endif
}

}  // namespace
