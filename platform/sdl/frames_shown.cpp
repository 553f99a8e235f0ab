// The real window shows every frame.
#include "platform/port/frames.h"

namespace platform {

bool framesShown() { return true; }

}  // namespace platform
