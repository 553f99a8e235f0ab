// The replay model's references: the last distinct pass shapes, most recent first.
#include <algorithm>

#include "platform/replay/replay_codes.h"

namespace platform {
namespace replay_codes {
namespace {

bool sameShape(const std::vector<ReplayEvent>& a, const std::vector<ReplayEvent>& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), sameSlot);
}

}  // namespace

void rememberPass(ReplayModel& model, const std::vector<ReplayEvent>& pass) {
  std::size_t at = 0;
  while (at < model.referenceCount && !sameShape(model.references[at], pass)) ++at;
  if (at == model.referenceCount && model.referenceCount < kReplayReferences) ++model.referenceCount;
  if (at == kReplayReferences) at = kReplayReferences - 1;
  std::rotate(model.references.begin(), model.references.begin() + at, model.references.begin() + at + 1);
  model.references[0] = pass;
}

}  // namespace replay_codes

void startReplayModel(ReplayModel& model, std::uint32_t headerCheck) {
  model.channels = ReplayChannels{};
  for (std::vector<ReplayEvent>& ref : model.references) ref.clear();
  model.referenceCount = 0;
  model.check = headerCheck;
}

}  // namespace platform
