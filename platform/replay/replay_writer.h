// Writing a replay file while the game plays (layout in replay_format.h). The recorder
// hands over every answer the seam gave, in the order the game asked, and ends each pass
// when the game shows its frame. Each finished pass reaches the file in one write, so a
// process that ends at any moment (closed window, signal, fatal error, _exit) leaves a file
// readable up to its last whole pass.
//
//   ReplayWriter writer;
//   if (!writer.open(path, gameVersion)) report(writer.error());
//   writer.clock(ms); writer.key('W', pressed); ...; writer.endPass();   // every pass
//   writer.close();                                                     // or the destructor
//
// One thread only. On a failure (the file cannot be made, a write fails, a pass holds more
// than kReplayMaxPassEvents events, a key code outside 0..255, a game version that is not
// printable ASCII of at most kReplayMaxGameVersion characters) the writer stops: later
// calls do nothing, endPass and close return false, and error() holds one line. Passes
// already written stay readable. Nothing is forced to the disk: the kernel keeps what a dead
// process wrote, and only a crash of the whole system can lose it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/replay/replay_codec.h"

namespace platform {

class ReplayWriter {
 public:
  ReplayWriter() = default;
  ~ReplayWriter();
  ReplayWriter(const ReplayWriter&) = delete;
  ReplayWriter& operator=(const ReplayWriter&) = delete;

  // Creates (or empties) the file and writes the header. A writer already open is closed first.
  // An older formatVersion makes a file as an older game did (for tests).
  bool open(const std::string& path, const std::string& gameVersion, std::uint16_t formatVersion = kReplayFormatVersion);

  void clock(std::uint64_t ms);
  void key(int virtualKey, bool pressed);
  void cursor(int x, int y);
  void seed(std::uint64_t seconds);
  void value(std::uint8_t tag, std::uint64_t value);
  void digest(std::uint8_t tag, std::uint64_t value);

  // Writes the pass's events as one pass.
  bool endPass();
  // Writes a pass still holding events (nothing is lost at a normal end) and closes the file.
  bool close();
  // Forgets the events of the pass in progress (a file that ends at a pass already written).
  void dropPass() { pass_.clear(); }

  const std::string& error() const { return error_; }
  std::uint64_t passCount() const { return passes_; }
  std::uint64_t byteCount() const { return bytes_; }

 private:
  void add(const ReplayEvent& e);
  bool fail(const std::string& why);
  bool writeAll(const std::vector<std::uint8_t>& bytes);

  int fd_ = -1;
  bool failed_ = false;
  std::string path_, error_;
  ReplayModel model_;
  std::vector<ReplayEvent> pass_;
  std::vector<std::uint8_t> out_;
  std::uint64_t passes_ = 0, bytes_ = 0;
};

}  // namespace platform
