// PNG files: writing a cairo canvas as 8-bit RGBA with straight alpha, and reading a file
// back to check it.
#pragma once

#include <cairo.h>

#include <string>

namespace assetgen {

// Writes the surface as an RGBA PNG (cairo keeps premultiplied pixels; they are
// un-premultiplied here). Returns false and fills error on failure.
bool writePng(const std::string& path, cairo_surface_t* surface, std::string& error);

struct PngInfo {
  int width = 0;
  int height = 0;
  int opaquePixels = 0;       // pixels with alpha 255
  int transparentPixels = 0;  // pixels with alpha 0
};

// Decodes the whole file as RGBA. Returns false and fills error if it is no valid
// 8-bit RGBA PNG.
bool readPng(const std::string& path, PngInfo& info, std::string& error);

// Loads a PNG into a new cairo image surface (premultiplied), or null on failure.
cairo_surface_t* loadPngSurface(const std::string& path);

}  // namespace assetgen
