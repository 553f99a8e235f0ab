// The four status bars (hit points, ammunition, energy, special cooldown).
#pragma once
#include <cstdint>

// Right edge of a bar: left + value * 500 / maximum, the product in 64 bits, divided in
// double, truncated toward zero.
int barRightEdge(int left, std::int64_t value, int maximum);

// Draws the four bars with their fill colours, at the values the animation step recorded.
void drawStatusBars();
