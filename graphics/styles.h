// Line style, fill style and font description records of the drawing state.
// LINESTYLE and FILLSTYLE own their pattern data and copy it by the layer's rules;
// LOGFONTA is the plain font description handed to setFont / getFont.
#pragma once
#include <cstdint>

class IMAGE;

// Pen description: dash style in bits 0-3 (0 solid .. 7 user pattern), end cap in bits 8-11,
// join in bits 12-15; thickness in pixels; userStyle alternates dash and gap lengths.
class LINESTYLE {
 public:
  LINESTYLE();
  LINESTYLE(const LINESTYLE& other);
  virtual ~LINESTYLE();
  LINESTYLE& operator=(const LINESTYLE& other);

  std::uint32_t style;
  std::int32_t thickness;
  std::uint32_t* userStyle;
  std::uint32_t userStyleCount;
};

// Brush description: style 0 solid, 1 none, 2 hatched, 3 monochrome pattern, 5 colour
// pattern; hatch 0..5 for style 2; pattern image for styles 3 and 5 (owned).
class FILLSTYLE {
 public:
  FILLSTYLE();
  FILLSTYLE(const FILLSTYLE& other);
  virtual ~FILLSTYLE();
  FILLSTYLE& operator=(const FILLSTYLE& other);

  std::int32_t style;
  std::int32_t hatch;
  IMAGE* pattern;
};

// Font description, field for field as the drawing state keeps it.
struct LOGFONTA {
  std::int32_t lfHeight;
  std::int32_t lfWidth;
  std::int32_t lfEscapement;
  std::int32_t lfOrientation;
  std::int32_t lfWeight;
  std::uint8_t lfItalic;
  std::uint8_t lfUnderline;
  std::uint8_t lfStrikeOut;
  std::uint8_t lfCharSet;
  std::uint8_t lfOutPrecision;
  std::uint8_t lfClipPrecision;
  std::uint8_t lfQuality;
  std::uint8_t lfPitchAndFamily;
  char lfFaceName[32];
};
