// Face matching through fontconfig: the desktop build's face_match.
#include "graphics/text/face_match.h"

#include <fontconfig/fontconfig.h>
#include <strings.h>

namespace gfx::text {

bool matchFamily(const char* family, bool bold, bool italic, FaceFile& out, bool& familyMatched) {
  static const bool ready = FcInit() == FcTrue;
  (void)ready;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return false;
  FcChar8* file = nullptr;
  bool ok = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch;
  if (ok) {
    out.path = reinterpret_cast<const char*>(file);
    int index = 0;
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    out.index = index;
    familyMatched = false;
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
      if (i == 0) out.family = reinterpret_cast<const char*>(name);
      if (strcasecmp(reinterpret_cast<const char*>(name), family) == 0) familyMatched = true;
    }
    int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN, spacing = FC_PROPORTIONAL;
    FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(match, FC_SLANT, 0, &slant);
    FcPatternGetInteger(match, FC_SPACING, 0, &spacing);
    out.bold = weight >= FC_WEIGHT_DEMIBOLD;
    out.italic = slant != FC_SLANT_ROMAN;
    out.monospaced = spacing == FC_MONO || spacing == FC_CHARCELL;
  }
  FcPatternDestroy(match);
  return ok;
}

std::vector<std::string> missingFontFiles() { return {}; }

}  // namespace gfx::text
