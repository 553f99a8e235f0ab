// Replay files for the replay tests: passes written through ReplayWriter to a temporary
// file, and read back through ReplayReader's typed calls as a replaying game would.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/replay/replay_reader.h"
#include "platform/replay/replay_words.h"
#include "platform/replay/replay_writer.h"
#include "tests/helpers/replay_traffic.h"

namespace replay_files {

using replay_traffic::Passes;
using platform::ReplayEvent;
using platform::ReplayEventKind;

inline std::string tempPath(const std::string& name) {
  return ::testing::TempDir() + "replay_" + name + "_" + std::to_string(::getpid());
}

inline void feed(platform::ReplayWriter& writer, const ReplayEvent& e) {
  switch (e.kind) {
    case ReplayEventKind::kClock: writer.clock(e.value); break;
    case ReplayEventKind::kKey: writer.key(e.id, e.value != 0); break;
    case ReplayEventKind::kCursor: writer.cursor(platform::cursorX(e.value), platform::cursorY(e.value)); break;
    case ReplayEventKind::kSeed: writer.seed(e.value); break;
    case ReplayEventKind::kDigest: writer.digest(e.id, e.value); break;
    case ReplayEventKind::kValue: writer.value(e.id, e.value); break;
  }
}

// Writes the passes; returns where each pass ends in the file (the header's end first).
inline std::vector<std::uint64_t> writeReplay(const std::string& path, const Passes& passes,
                                              const std::string& gameVersion = "dream-arena test") {
  std::vector<std::uint64_t> ends;
  platform::ReplayWriter writer;
  EXPECT_TRUE(writer.open(path, gameVersion)) << writer.error();
  ends.push_back(writer.byteCount());
  for (const auto& pass : passes) {
    for (const ReplayEvent& e : pass) feed(writer, e);
    EXPECT_TRUE(writer.endPass()) << writer.error();
    ends.push_back(writer.byteCount());
  }
  EXPECT_TRUE(writer.close()) << writer.error();
  return ends;
}

inline std::vector<std::uint8_t> fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void putFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// Asks the reader for e by the typed call of its kind; got is what the reader answered.
inline bool readEvent(platform::ReplayReader& reader, const ReplayEvent& e, ReplayEvent& got) {
  got = e;
  switch (e.kind) {
    case ReplayEventKind::kClock: return reader.clock(got.value);
    case ReplayEventKind::kKey: {
      bool pressed = false;
      const bool ok = reader.key(e.id, pressed);
      got.value = pressed;
      return ok;
    }
    case ReplayEventKind::kCursor: {
      int x = 0, y = 0;
      const bool ok = reader.cursor(x, y);
      got.value = platform::packCursor(x, y);
      return ok;
    }
    case ReplayEventKind::kSeed: return reader.seed(got.value);
    case ReplayEventKind::kDigest: return reader.digest(e.id, got.value);
    case ReplayEventKind::kValue: return reader.value(e.id, got.value);
  }
  return false;
}

// Plays the passes against the reader and ends the replay; "" when every answer matched,
// else the first difference or the reader's departure.
inline std::string replayAgainst(platform::ReplayReader& reader, const Passes& passes) {
  for (std::size_t p = 0; p < passes.size(); ++p) {
    for (std::size_t i = 0; i < passes[p].size(); ++i) {
      ReplayEvent got;
      if (!readEvent(reader, passes[p][i], got)) return reader.error();
      if (got != passes[p][i])
        return "pass " + std::to_string(p + 1) + " event " + std::to_string(i + 1) + ": read " +
               platform::describeReplayEvent(got) + ", wrote " + platform::describeReplayEvent(passes[p][i]);
    }
    if (!reader.endPass()) return reader.error();
  }
  return reader.endReplay() ? "" : reader.error();
}

}  // namespace replay_files
