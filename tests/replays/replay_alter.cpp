// Copies a replay file with one recorded answer altered, for the test that a replay stops
// where its file was changed: the first query for the strike key J after pass 1000 that was
// answered "not pressed" now says "pressed". Prints the pass it altered. With --game-version,
// copies it whole as recorded by another version of the game instead.
//   replay_alter IN OUT
//   replay_alter --game-version VERSION IN OUT
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/replay/replay_codec.h"

namespace {

std::vector<std::uint8_t> readAll(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
  const bool newVersion = argc == 5 && std::string(argv[1]) == "--game-version";
  if (argc != 3 && !newVersion) {
    std::fprintf(stderr, "usage: replay_alter [--game-version VERSION] IN OUT\n");
    return 2;
  }
  if (newVersion) argv += 2;
  const std::vector<std::uint8_t> in = readAll(argv[1]);
  platform::ReplayHeader header;
  if (platform::parseReplayHeader(in.data(), in.size(), header) != platform::ReplayHeaderStatus::kOk) {
    std::fprintf(stderr, "replay_alter: %s is no replay this build reads\n", argv[1]);
    return 1;
  }
  std::uint32_t outCheck = 0;
  const std::string version = newVersion ? argv[0] : header.gameVersion;
  std::vector<std::uint8_t> out = platform::encodeReplayHeader(version, outCheck, header.formatVersion);
  platform::ReplayModel reading, writing;
  platform::startReplayModel(reading, header.check);
  platform::startReplayModel(writing, outCheck);
  std::vector<platform::ReplayEvent> pass;
  std::uint64_t number = 0, altered = 0;
  for (std::size_t at = header.size; at < in.size();) {
    const platform::ReplayPassResult result = platform::decodeReplayPass(reading, in.data(), in.size(), at, pass);
    if (result.status != platform::ReplayPassStatus::kWhole) break;
    at = result.end;
    ++number;
    for (platform::ReplayEvent& e : pass) {
      const bool strikeNotPressed = e.kind == platform::ReplayEventKind::kKey && e.id == 'J' && e.value == 0;
      if (!newVersion && altered == 0 && number > 1000 && strikeNotPressed) {
        e.value = 1;
        altered = number;
      }
    }
    platform::encodeReplayPass(writing, pass, out);
  }
  if (altered == 0 && !newVersion) {
    std::fprintf(stderr, "replay_alter: no J key answered 'not pressed' after pass 1000 in %s\n", argv[1]);
    return 1;
  }
  std::ofstream(argv[2], std::ios::binary).write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
  if (!newVersion) std::printf("%llu\n", static_cast<unsigned long long>(altered));
  return 0;
}
