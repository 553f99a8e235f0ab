// LINESTYLE: construction, destruction and copy by the drawing state's rules. FILLSTYLE's
// own live beside IMAGE's (image.cpp): the fill style owns its pattern IMAGE.
#include "graphics/styles.h"

LINESTYLE::LINESTYLE() : style(0), thickness(1), userStyle(nullptr), userStyleCount(0) {}
LINESTYLE::LINESTYLE(const LINESTYLE& other) : LINESTYLE() { *this = other; }
LINESTYLE::~LINESTYLE() { delete[] userStyle; }

LINESTYLE& LINESTYLE::operator=(const LINESTYLE& other) {
  if (this == &other) return *this;
  style = other.style;
  thickness = other.thickness;
  delete[] userStyle;
  userStyle = nullptr;
  userStyleCount = 0;
  if (other.userStyle && other.userStyleCount > 0 && (other.style & 0xF) == 7) {
    userStyle = new std::uint32_t[other.userStyleCount];
    for (std::uint32_t i = 0; i < other.userStyleCount; ++i) userStyle[i] = other.userStyle[i];
    userStyleCount = other.userStyleCount;
  }
  return *this;
}
