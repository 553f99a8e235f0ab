// The registry of picture families: each art file adds its drawing at start-up, before
// main runs, and the generator reads the list.
#include "tools/asset_gen/art.h"

namespace assetgen {

namespace {

// Made on first use, so that it exists whichever art file registers first.
std::vector<DrawFamily>& registry() {
  static std::vector<DrawFamily> families;
  return families;
}

}  // namespace

RegisterArt::RegisterArt(DrawFamily draw) { registry().push_back(draw); }

const std::vector<DrawFamily>& artFamilies() { return registry(); }

}  // namespace assetgen
