// The animation counters of the frame composition.
#include "game/world/drawing_counters.h"

DrawingCounters drawingCounters{};

void clearDrawingCounters() { drawingCounters = DrawingCounters{}; }
