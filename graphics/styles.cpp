// LINESTYLE and FILLSTYLE: construction, destruction and copy by the drawing state's rules.
#include "graphics/styles.h"

#include "graphics/image.h"

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

FILLSTYLE::FILLSTYLE() : style(0), hatch(0), pattern(nullptr) {}
FILLSTYLE::FILLSTYLE(const FILLSTYLE& other) : FILLSTYLE() { *this = other; }
FILLSTYLE::~FILLSTYLE() { delete pattern; }

FILLSTYLE& FILLSTYLE::operator=(const FILLSTYLE& other) {
  if (this == &other) return *this;
  style = other.style;
  hatch = other.hatch;
  if (other.pattern && (other.style == 3 || other.style == 5)) {
    if (!pattern) pattern = new IMAGE();
    *pattern = *other.pattern;
  } else {
    delete pattern;
    pattern = nullptr;
  }
  return *this;
}
