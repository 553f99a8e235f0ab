// The animation counters of the animation step: frames of the sleeping figure and of the
// player's walk, run, strike, shot pose and meal. Zero at program start; a round does not
// reset them.
#pragma once
#include <cstdint>

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

// Puts every counter back to its program-start value (tests and the headless driver).
void clearDrawingCounters();
