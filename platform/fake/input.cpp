// Fake keyboard and mouse: tests hold keys and place the cursor through the input feed.
#include "platform/fake/fake_platform.h"
#include "platform/seam/input_feed.h"

namespace platform::fake {

void holdKey(int virtualKey) { recordKey(virtualKey, true); }
void releaseKey(int virtualKey) { recordKey(virtualKey, false); }
void placeCursor(int x, int y) { recordCursor(x, y); }
void releaseAll() { resetInput(); }

}  // namespace platform::fake
