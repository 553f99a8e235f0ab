// Placeholder picture loading until the decoder lands.
#include "graphics/image_file.h"

namespace gfx {

GlobalMemory::GlobalMemory() : block(nullptr), size(0) {}
GlobalMemory::~GlobalMemory() { delete[] block; }
bool GlobalMemory::readFile(const char*) { return false; }
void GlobalMemory::assign(const std::uint8_t*, std::uint32_t) {}
void GlobalMemory::decodeInto(IMAGE*, int, int, bool) {}
void loadImageFile(IMAGE*, const char*, int, int, bool) {}

}  // namespace gfx
