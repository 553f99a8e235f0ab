// libFuzzer harness of the replay reader: arbitrary bytes go to ReplayReader::openBytes.
// A refusal must be one line. An accepted file is walked as a replaying game would (every
// event taken by the typed call of its kind, every pass ended, the replay ended), coded
// again pass by pass, and the new file must read back as the same passes and events.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/replay/replay_codec.h"
#include "platform/replay/replay_reader.h"

namespace {

using platform::ReplayEvent;
using platform::ReplayEventKind;
using platform::ReplayReader;

void require(bool promise) {
  if (!promise) std::abort();
}

// Takes the next event through its typed call; it must come back as peek() showed it.
ReplayEvent take(ReplayReader& reader) {
  const ReplayEvent shown = *reader.peek();
  ReplayEvent got = shown;
  bool pressed = false;
  int x = 0, y = 0;
  switch (shown.kind) {
    case ReplayEventKind::kClock: require(reader.clock(got.value)); break;
    case ReplayEventKind::kKey:
      require(reader.key(shown.id, pressed));
      got.value = pressed;
      break;
    case ReplayEventKind::kCursor:
      require(reader.cursor(x, y));
      got.value = platform::packCursor(x, y);
      break;
    case ReplayEventKind::kSeed: require(reader.seed(got.value)); break;
    case ReplayEventKind::kValue: require(reader.value(shown.id, got.value)); break;
    case ReplayEventKind::kDigest: require(reader.checkDigest(shown.id, shown.value)); break;
  }
  require(got == shown);
  return got;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ReplayReader reader;
  if (!reader.openBytes(data, size, "fuzz")) {
    require(!reader.error().empty() && reader.error().find('\n') == std::string::npos);
    return 0;
  }
  std::uint32_t check;
  std::vector<std::uint8_t> again = platform::encodeReplayHeader(reader.gameVersion(), check);
  platform::ReplayModel model;
  platform::startReplayModel(model, check);
  std::vector<ReplayEvent> pass;
  while (reader.pass() <= reader.passCount()) {
    pass.clear();
    while (reader.peek()) pass.push_back(take(reader));
    require(reader.endPass());
    platform::encodeReplayPass(model, pass, again);
  }
  require(reader.endReplay());

  ReplayReader first, second;
  require(first.openBytes(data, size, "fuzz"));
  require(second.openBytes(again.data(), again.size(), "again"));
  require(!second.cutShort() && second.passCount() == first.passCount() && second.gameVersion() == first.gameVersion());
  while (first.pass() <= first.passCount()) {
    while (first.peek()) {
      require(second.peek() != nullptr);
      require(take(first) == take(second));
    }
    require(second.peek() == nullptr && first.endPass() && second.endPass());
  }
  require(second.endReplay());
  return 0;
}
