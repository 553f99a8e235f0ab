// Fonts and text: face matching, cell heights, the short setFont forms, the title text of
// the start-up settings, drawChar against drawText, background modes, drawTextInRect.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "graphics/device.h"
#include "graphics/draw.h"
#include "graphics/graphics_state.h"
#include "graphics/image.h"
#include "graphics/text/font.h"
#include "tests/helpers/image_target_test.h"
#include "tests/helpers/pixel_words.h"

namespace {

using test_pixels::hex;

class TextTest : public test_pixels::ImageTargetTest {
 protected:
  void SetUp() override { use(1600, 960); }
  int countWords(std::uint32_t w) {
    int n = 0;
    for (int i = 0; i < image->width() * image->height(); ++i) n += pixelBuffer(image.get())[i] == w;
    return n;
  }
};

TEST(FontMatch, ConsolasResolvesToAMonospacedFace) {
  EXPECT_EQ(gfx::text::resolvedFamily("Consolas", false, false), "DejaVu Sans Mono");
  EXPECT_EQ(gfx::text::resolvedFamily("Courier New", false, false), "DejaVu Sans Mono");
  EXPECT_EQ(gfx::text::resolvedFamily("No Such Face At All", false, false), gfx::text::resolvedFamily("sans-serif", false, false));
}

// Symmetric glyphs sit centred in their advance: the gap from the pen position to the ink
// and from the ink to the next pen position differ by at most one pixel. A glyph drawn
// without its left bearing would start its ink at the pen position.
TEST_F(TextTest, SymmetricGlyphsSitCentredInTheirAdvance) {
  const int penX = 200;
  for (const char* glyph : {"H", "O", "I", "0"}) {
    use(1600, 960);
    device->setBackMode(1);
    device->setFont(100, 0, "Consolas");
    int advance = device->measureTextWidth(glyph);
    device->drawText(penX, 100, glyph);
    int inkLeft = 1600, inkRight = -1;
    for (int y = 0; y < 960; ++y)
      for (int x = 0; x < 1600; ++x)
        if (word(x, y) != 0) {
          inkLeft = std::min(inkLeft, x);
          inkRight = std::max(inkRight, x);
        }
    ASSERT_LE(inkLeft, inkRight) << "'" << glyph << "' left no ink";
    int leftGap = inkLeft - penX, rightGap = penX + advance - (inkRight + 1);
    EXPECT_GT(leftGap, 0) << "'" << glyph << "'";
    EXPECT_LE(std::abs(leftGap - rightGap), 1) << "'" << glyph << "': ink from x " << inkLeft << " to " << inkRight
                                               << ", advance " << advance << " from x " << penX << ": gaps " << leftGap
                                               << " and " << rightGap;
  }
}

TEST_F(TextTest, TitleTextWithStartUpSettingsDrawsOnlyTextColourInsideAWhiteCell) {
  gfx::setBackColour(0xFFFFFF);
  gfx::setFont(100, 0, "Consolas");
  gfx::setTextColour(0xFF9600);
  const char* title = "Click To Dream.";
  int width = device->measureTextWidth(title);
  ASSERT_EQ(device->measureTextHeight(title), 100);
  ASSERT_EQ(width, 15 * device->measureTextWidth("C")) << "monospaced face";
  gfx::drawText(425, 192, title);
  const std::uint32_t white = 0x00FFFFFF, ink = 0x000096FF;  // (0, 150, 255)
  int inkPixels = 0;
  for (int y = 0; y < 960; ++y)
    for (int x = 0; x < 1600; ++x) {
      std::uint32_t w = word(x, y);
      bool inCell = x >= 425 && x < 425 + width && y >= 192 && y < 292;
      if (!inCell) {
        ASSERT_EQ(w, 0u) << "outside the cell box at (" << x << ", " << y << ")";
      } else {
        ASSERT_TRUE(w == white || w == ink) << "pixel (" << x << ", " << y << ") is " << hex(w);
        inkPixels += w == ink;
      }
    }
  EXPECT_GT(inkPixels, 15 * 300) << "glyphs of 100-pixel text leave plenty of ink";
  for (int y = 192; y < 292; ++y) EXPECT_EQ(word(425 + width - 1, y) == 0, false) << "cell box row " << y;
}

TEST_F(TextTest, DrawCharGivesTheSamePixelsAsOneCharacterText) {
  gfx::setFont(50, 0, "Consolas");
  gfx::setTextColour(0x0A0A0A);
  gfx::setBackColour(0xFFFFFF);
  for (char ch : {'7', 'g', 'W', '\xE9'}) {
    use(120, 80);
    gfx::setFont(50, 0, "Consolas");
    gfx::drawChar(10, 5, ch);
    std::unique_ptr<IMAGE> fromChar = std::move(image);
    use(120, 80);
    gfx::setFont(50, 0, "Consolas");
    const char text[2] = {ch, 0};
    gfx::drawText(10, 5, text);
    const std::uint32_t* a = pixelBuffer(fromChar.get());
    const std::uint32_t* b = pixelBuffer(image.get());
    int glyph = 0;
    for (int i = 0; i < 120 * 80; ++i) {
      ASSERT_EQ(a[i], b[i]) << "character " << int(static_cast<unsigned char>(ch)) << " pixel (" << i % 120 << ", "
                            << i / 120 << ")";
      glyph += a[i] == 0x00FFFFFF;
    }
    EXPECT_GT(glyph, 20) << "character " << int(static_cast<unsigned char>(ch)) << " drew ink";
  }
}

TEST_F(TextTest, TransparentModeChangesOnlyGlyphPixels) {
  device->setBackColour(0x00FF00);
  device->clearTarget();
  device->setTextColour(0x0000FF);
  device->setBackMode(1);
  device->setFont(40, 0, "Consolas");
  device->drawText(5, 5, "Hello");
  int ink = countWords(0x00FF0000), green = countWords(0x0000FF00);
  EXPECT_GT(ink, 100);
  EXPECT_EQ(ink + green, 1600 * 960) << "every pixel is ink or untouched";
  device->setBackMode(2);
  device->setBackColour(0x000000);
  device->drawText(5, 5, "Hello");
  EXPECT_EQ(countWords(0), 5 * device->measureTextWidth("H") * 40 - ink) << "opaque mode fills the cell box";
}

TEST_F(TextTest, HeightsAndWidths) {
  device->setFont(-50, 0, "Consolas");
  int cell = device->measureTextHeight("x");
  EXPECT_GT(cell, 50) << "a negative height leaves out the internal leading";
  EXPECT_LT(cell, 65);
  device->setFont(100, 20, "Consolas");
  int narrow = device->measureTextWidth("MMMMMMMMMM");
  EXPECT_GE(narrow, 190) << "width 20 asks for 20-pixel characters";
  EXPECT_LE(narrow, 210);
  device->setFont(100, 0, "Consolas");
  int natural = device->measureTextWidth("M");
  EXPECT_GE(natural, 50) << "width 0 keeps the face's proportions";
  EXPECT_LE(natural, 62);
  device->setFont(0, 0, "Consolas");
  EXPECT_GT(device->measureTextHeight("x"), 0) << "height 0 picks a default size";
}

TEST_F(TextTest, BoldAndUnderlineAddInk) {
  device->setFont(60, 0, "Consolas");
  device->drawText(0, 0, "Bold");
  int regular = countWords(0x00FFFFFF);
  use(1600, 960);
  device->setFont(60, 0, "Consolas", 0, 0, 700, false, false, false);
  device->drawText(0, 0, "Bold");
  EXPECT_GT(countWords(0x00FFFFFF), regular * 11 / 10) << "weight 700 is heavier";
  use(1600, 960);
  device->setFont(60, 0, "Consolas", 0, 0, 0, false, true, false);
  device->drawText(0, 0, "a a");
  int width = device->measureTextWidth("a a");
  bool fullRow = false;
  for (int y = 40; y < 60 && !fullRow; ++y) {
    bool all = true;
    for (int x = 0; x < width; ++x) all = all && word(x, y) == 0x00FFFFFF;
    fullRow = all;
  }
  EXPECT_TRUE(fullRow) << "an underline runs under the whole text, spaces included";
}

TEST_F(TextTest, ShortSetFontKeepsTheOtherFields) {
  device->setFont(100, 0, "Consolas");
  LOGFONTA font;
  device->getFont(font);
  EXPECT_EQ(font.lfHeight, 100);
  EXPECT_EQ(font.lfWeight, 0);
  EXPECT_EQ(font.lfCharSet, 1);
  EXPECT_EQ(font.lfQuality, 3);
  EXPECT_STREQ(font.lfFaceName, "Consolas");
  device->setFont(20, 0, "Consolas", 0, 0, 700, true, false, false);
  device->setFont(50, 0, nullptr);
  device->getFont(font);
  EXPECT_EQ(font.lfHeight, 50);
  EXPECT_EQ(font.lfWeight, 700);
  EXPECT_EQ(font.lfItalic, 1);
  EXPECT_STREQ(font.lfFaceName, "Consolas") << "a null face keeps the face";
  device->setFont(10, 0, "An extraordinarily long face name, well past 31 characters");
  device->getFont(font);
  EXPECT_EQ(std::string(font.lfFaceName), std::string("An extraordinarily long face name, well past 31 characters").substr(0, 31));
  device->setFont(12, 3, "Consolas", 0, 0, 400, false, false, false, 0, 1, 2, 4, 5);
  device->getFont(font);
  EXPECT_EQ(font.lfCharSet, 0);
  EXPECT_EQ(font.lfQuality, 4);
  EXPECT_EQ(font.lfPitchAndFamily, 5);
  EXPECT_EQ(font.lfWidth, 3);
}

TEST_F(TextTest, TextInRectAlignsBreaksAndMeasures) {
  device->setFont(20, 0, "Consolas");
  int charWidth = device->measureTextWidth("a");
  gfx::Rect rect{100, 100, 100 + 10 * charWidth, 300};
  gfx::Rect calc = rect;
  int height = device->drawTextInRect("aaa bbb ccc dddd", calc, gfx::kTextWordBreak | gfx::kTextCalcRect);
  EXPECT_EQ(height, 40) << "two lines of 20";
  EXPECT_EQ(calc.bottom, 140);
  EXPECT_EQ(calc.right, 100 + 8 * charWidth) << "widest line 'ccc dddd'";
  EXPECT_EQ(countWords(0x00FFFFFF), 0) << "calculation draws nothing";

  int drawn = device->drawTextInRect("ab", rect, gfx::kTextCentre | gfx::kTextSingleLine | gfx::kTextVCentre);
  EXPECT_EQ(drawn, 20);
  int left = 100 + (10 * charWidth - 2 * charWidth) / 2;
  int top = 100 + (200 - 20) / 2;
  EXPECT_EQ(word(left, top), 0u) << "cell box in the black background";
  EXPECT_EQ(word(left - 1, top), 0u);
  bool inkInCell = false;
  for (int y = top; y < top + 20; ++y)
    for (int x = left; x < left + 2 * charWidth; ++x) inkInCell = inkInCell || word(x, y) == 0x00FFFFFF;
  EXPECT_TRUE(inkInCell);

  use(1600, 960);
  device->setFont(20, 0, "Consolas");
  gfx::Rect small{0, 0, 3, 10};
  device->drawTextInRect("WWWW", small, gfx::kTextLeft);
  for (int y = 0; y < 960; ++y) {
    for (int x = 0; x < 1600; ++x) {
      if (x >= 3 || y >= 10) {
        ASSERT_EQ(word(x, y), 0u) << "clipped to the rectangle at (" << x << ", " << y << ")";
      }
    }
  }
}

}  // namespace
