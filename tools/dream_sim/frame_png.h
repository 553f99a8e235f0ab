// One composed frame written as a PNG file: the headless driver's picture of a round.
#pragma once
#include <cstdint>
#include <string>

// Writes width x height pixel words of the working image (0x00RRGGBB in the low bytes; the
// top byte is ignored) as an opaque 8-bit RGB PNG. False with a reason on failure.
bool writeFramePng(const std::string& path, const std::uint32_t* words, int width, int height, std::string& error);
