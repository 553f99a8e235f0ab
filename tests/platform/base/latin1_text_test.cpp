// UTF-8 as Latin-1, the text the game's fonts draw: what Latin-1 holds is kept, the rest and
// broken sequences are marked.
#include <gtest/gtest.h>

#include "platform/base/latin1_text.h"

namespace {

TEST(Latin1Text, KeepsWhatTheFontsDrawAndMarksTheRest) {
  EXPECT_EQ(platform::latin1("eat E"), "eat E");
  EXPECT_EQ(platform::latin1("strike \xc3\xa9, \xc3\x9f"), "strike \xe9, \xdf");
  EXPECT_EQ(platform::latin1("\xd0\xa6 \xe2\x82\xac \xf0\x9f\x8e\xae"), "? ? ?") << "Cyrillic, the euro sign, an emoji";
  EXPECT_EQ(platform::latin1("a\xc3"), "a?") << "a sequence cut short";
  EXPECT_EQ(platform::latin1("\x80z\xc3("), "?z?(") << "stray continuation bytes and a lead without its byte";
}

}  // namespace
