// The image device's text: the font of the target's context, text drawn at a point or
// laid out in a rectangle, and its measures.
#include "graphics/image_paint.h"

namespace gfx {

using namespace image_paint;

namespace {

text::Font* fontOf(DrawContext& c) {
  if (!c.fontFace) c.fontFace = text::fontFor(c.font);
  return c.fontFace;
}

void copyFace(LOGFONTA& font, const char* face) {
  if (!face) return;
  std::strncpy(font.lfFaceName, face, 31);
  font.lfFaceName[31] = '\0';
}

struct TextLine {
  const char* start;
  std::size_t length;
};

// Splits text into the lines drawTextInRect shows: paragraphs at line feeds, and with word
// break, greedy breaks at spaces so that lines fit the width (a longer word stays whole).
std::vector<TextLine> layoutLines(text::Font& font, const char* text, std::uint32_t format, std::int64_t width) {
  std::vector<TextLine> lines;
  std::size_t length = std::strlen(text);
  if (format & kTextSingleLine) {
    lines.push_back(TextLine{text, length});
    return lines;
  }
  const char* p = text;
  const char* end = text + length;
  while (true) {
    const char* nl = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
    const char* paraEnd = nl ? nl : end;
    const char* trimmed = paraEnd;
    if (trimmed > p && trimmed[-1] == '\r') --trimmed;
    if (!(format & kTextWordBreak)) {
      lines.push_back(TextLine{p, static_cast<std::size_t>(trimmed - p)});
    } else {
      const char* lineStart = p;
      while (true) {
        const char* lastFit = nullptr;
        const char* q = lineStart;
        while (q < trimmed) {
          const char* wordEnd = q;
          while (wordEnd < trimmed && *wordEnd != ' ') ++wordEnd;
          if (lastFit && font.measure(lineStart, static_cast<std::size_t>(wordEnd - lineStart)) > width) break;
          lastFit = wordEnd;
          q = wordEnd;
          while (q < trimmed && *q == ' ') ++q;
        }
        if (!lastFit || q >= trimmed) {
          lines.push_back(TextLine{lineStart, static_cast<std::size_t>(trimmed - lineStart)});
          break;
        }
        lines.push_back(TextLine{lineStart, static_cast<std::size_t>(lastFit - lineStart)});
        lineStart = q;
      }
    }
    if (!nl) break;
    p = nl + 1;
  }
  return lines;
}


}  // namespace

void DrawOnImg::drawText(int x, int y, const char* text) {
  IMAGE* image = target();
  DrawContext* c = contextOf(image);
  if (!c || !text) return;
  raster::Surface surface = surfaceOf(image);
  DevicePoint p = toDevice(*image, x, y);
  fontOf(*c)->draw(surface, static_cast<std::int64_t>(p.x), static_cast<std::int64_t>(p.y), text, std::strlen(text),
                   paintWord(c->textColour), c->backMode == 2, paintWord(c->backColour));
}

int DrawOnImg::drawTextInRect(const char* text, Rect& rect, std::uint32_t format) {
  IMAGE* image = target();
  DrawContext* c = contextOf(image);
  if (!c || !text) return 0;
  text::Font& font = *fontOf(*c);
  std::vector<TextLine> lines = layoutLines(font, text, format, static_cast<std::int64_t>(rect.right) - rect.left);
  std::int64_t lineHeight = font.cellHeight;
  std::int64_t height = lineHeight * static_cast<std::int64_t>(lines.size());
  if (format & kTextCalcRect) {
    std::int64_t widest = 0;
    for (const TextLine& line : lines) widest = std::max(widest, font.measure(line.start, line.length));
    rect.right = static_cast<std::int32_t>(std::min<std::int64_t>(INT32_MAX, rect.left + widest));
    rect.bottom = static_cast<std::int32_t>(std::min<std::int64_t>(INT32_MAX, rect.top + height));
    return static_cast<int>(std::min<std::int64_t>(height, INT32_MAX));
  }
  Box box = deviceBox(*image, rect.left, rect.top, rect.right, rect.bottom);
  raster::Surface surface = surfaceOf(image);
  if (!(format & kTextNoClip)) {
    surface.left = std::max<std::int64_t>(surface.left, static_cast<std::int64_t>(box.x0));
    surface.top = std::max<std::int64_t>(surface.top, static_cast<std::int64_t>(box.y0));
    surface.right = std::min<std::int64_t>(surface.right, static_cast<std::int64_t>(box.x1));
    surface.bottom = std::min<std::int64_t>(surface.bottom, static_cast<std::int64_t>(box.y1));
    if (surface.right < surface.left || surface.bottom < surface.top) return static_cast<int>(height);
  }
  std::int64_t y = static_cast<std::int64_t>(box.y0);
  if (format & kTextSingleLine) {
    if (format & kTextVCentre) y += (static_cast<std::int64_t>(box.y1 - box.y0) - lineHeight) / 2;
    else if (format & kTextBottom) y = static_cast<std::int64_t>(box.y1) - lineHeight;
  }
  for (const TextLine& line : lines) {
    std::int64_t width = font.measure(line.start, line.length);
    std::int64_t x = static_cast<std::int64_t>(box.x0);
    if (format & kTextCentre) x += (static_cast<std::int64_t>(box.x1 - box.x0) - width) / 2;
    else if (format & kTextRight) x = static_cast<std::int64_t>(box.x1) - width;
    std::string shown(line.start, line.length);
    if (format & kTextSingleLine) shown.erase(std::remove_if(shown.begin(), shown.end(), [](char ch) { return ch == '\r' || ch == '\n'; }), shown.end());
    font.draw(surface, x, y, shown.data(), shown.size(), paintWord(c->textColour), c->backMode == 2,
              paintWord(c->backColour));
    y += lineHeight;
  }
  return static_cast<int>(std::min<std::int64_t>(height, INT32_MAX));
}

int DrawOnImg::measureTextWidth(const char* text) {
  DrawContext* c = contextOf(target());
  if (!c || !text) return 0;
  return static_cast<int>(std::min<std::int64_t>(fontOf(*c)->measure(text, std::strlen(text)), INT32_MAX));
}

int DrawOnImg::measureTextHeight(const char* text) {
  DrawContext* c = contextOf(target());
  if (!c || !text) return 0;
  return fontOf(*c)->cellHeight;
}

void DrawOnImg::setFont(const LOGFONTA& font) {
  DrawContext* c = contextOf(target());
  if (c) selectFont(*c, font);
}

void DrawOnImg::setFont(int height, int width, const char* face, int escapement, int orientation, int weight,
                        bool italic, bool underline, bool strikeOut, std::uint8_t charSet, std::uint8_t outPrecision,
                        std::uint8_t clipPrecision, std::uint8_t quality, std::uint8_t pitchAndFamily) {
  LOGFONTA font{};
  font.lfHeight = height;
  font.lfWidth = width;
  font.lfEscapement = escapement;
  font.lfOrientation = orientation;
  font.lfWeight = weight;
  font.lfItalic = italic;
  font.lfUnderline = underline;
  font.lfStrikeOut = strikeOut;
  font.lfCharSet = charSet;
  font.lfOutPrecision = outPrecision;
  font.lfClipPrecision = clipPrecision;
  font.lfQuality = quality;
  font.lfPitchAndFamily = pitchAndFamily;
  copyFace(font, face);
  setFont(font);
}

void DrawOnImg::setFont(int height, int width, const char* face, int escapement, int orientation, int weight,
                        bool italic, bool underline, bool strikeOut) {
  LOGFONTA font;
  getFont(font);
  font.lfHeight = height;
  font.lfWidth = width;
  copyFace(font, face);
  font.lfEscapement = escapement;
  font.lfOrientation = orientation;
  font.lfWeight = weight;
  font.lfItalic = italic;
  font.lfUnderline = underline;
  font.lfStrikeOut = strikeOut;
  setFont(font);
}

void DrawOnImg::setFont(int height, int width, const char* face) {
  LOGFONTA font;
  getFont(font);
  font.lfHeight = height;
  font.lfWidth = width;
  copyFace(font, face);
  setFont(font);
}

void DrawOnImg::getFont(LOGFONTA& font) {
  DrawContext* c = contextOf(target());
  font = c ? c->font : defaultFont();
}

int DrawOnImg::targetWidth() { return target() ? target()->width() : 0; }
int DrawOnImg::targetHeight() { return target() ? target()->height() : 0; }

}  // namespace gfx
