// The page's rests (rest.h): an awaited promise of web/page.js each.
#include "platform/web/rest.h"

#include <emscripten.h>

namespace platform::web {
namespace {

EM_ASYNC_JS(void, awaitRest, (double us, int untilInput), { await Module.webGlue.rest(us, untilInput); });

}  // namespace

void restFor(std::uint64_t us) { awaitRest(double(us), 0); }

void restForInput(std::uint64_t us) { awaitRest(double(us), 1); }

}  // namespace platform::web
