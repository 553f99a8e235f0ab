// The animation counters of the frame composition.
#include "game/render/drawing_counters.h"

DrawingCounters drawingCounters{};

void clearDrawingCounters() { drawingCounters = DrawingCounters{}; }
