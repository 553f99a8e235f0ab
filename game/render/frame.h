// Frame composition: background, sleeping figure, status bars, player, monsters, shots,
// bombs, meat and score, with the clock-driven animations that run while drawing.
#pragma once
#include <cstdint>

// Animation counters of the frame composition; zero at program start, never reset.
struct DrawingCounters {
  std::int32_t sleepFrame;
  std::uint64_t sleepFrameTime;
  std::int32_t walkFrame;
  std::int32_t runFrame;
  std::int32_t strikeFrame;
  std::int32_t shootFrame;
  std::int32_t eatStep;
  std::uint64_t playerFrameTime;  // one clock shared by the five player counters
};

extern DrawingCounters drawingCounters;

// Composes one whole frame into the working image (which must be the draw target).
void drawFrame();
