// Reading a replay file for a game that plays it again (layout in replay_format.h).
// open() reads the whole file and checks it through: header, every pass, every check. The
// replaying game then asks the reader what it would have asked the seam, in the same order,
// and gets the recorded answers:
//   clock(ms), key(virtualKey, pressed), cursor(x, y), seed(seconds): the next event of the
//     pass must be of that kind (and that key);
//   digest(tag, value) hands over the recorded digest; checkDigest(tag, made) compares it
//     with the one the game made;
//   endPass(): the game showed its frame, and the pass must hold nothing more;
//   endReplay(): the game has finished, and so must the file.
// peek() shows the next event of the pass without taking it (a replay looks whether a
// digest comes before it makes its own).
//
// Passes count from 1. When the file holds something else, the replay departs: that call
// and every later one return false, and error() holds one line naming the pass, what the
// game asked and what the file holds, for example
//   replay departs at pass 42: the game read the clock; the file holds a query for key 'W' (0x57), pressed
// open() refuses a file that cannot be read, is empty, is no replay, is of another format
// version, is cut in its header, is damaged or is larger than kReplayMaxFileBytes (checked
// before anything is allocated): it returns false and error() holds one line naming the
// file. A pass cut short at the end of the file (its writer died mid-write) is dropped, and
// cutShort() says so.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/replay/replay_codec.h"

namespace platform {

class ReplayReader {
 public:
  bool open(const std::string& path);
  // The same from bytes in memory; name stands for the file in messages.
  bool openBytes(const std::uint8_t* bytes, std::size_t size, const std::string& name);

  const std::string& error() const { return error_; }
  const std::string& gameVersion() const { return header_.gameVersion; }
  std::uint16_t formatVersion() const { return header_.formatVersion; }
  std::uint64_t passCount() const { return passCount_; }
  bool cutShort() const { return cutShort_; }
  // The pass being read (passCount() + 1 once every pass has ended).
  std::uint64_t pass() const { return pass_; }
  bool departed() const { return departed_; }

  // The next event of this pass; null at its end, after the file's last pass or a departure.
  const ReplayEvent* peek() const;
  // The last clock reading this pass holds; for a pass that holds none (a pause's rests),
  // the first reading of the first later pass that holds one. false when none follows.
  bool lastClockOfPass(std::uint64_t& ms) const;
  // The first event of the first pass is a value read under tag.
  bool opensWithValue(std::uint8_t tag) const { return firstIsValue_ && firstTag_ == tag; }

  bool clock(std::uint64_t& ms);
  bool key(int virtualKey, bool& pressed);
  bool cursor(int& x, int& y);
  bool seed(std::uint64_t& seconds);
  bool value(std::uint8_t tag, std::uint64_t& value);
  bool digest(std::uint8_t tag, std::uint64_t& value);
  bool checkDigest(std::uint8_t tag, std::uint64_t made);
  bool endPass();
  bool endReplay();

 private:
  bool load(const std::string& name);
  bool refuse(const std::string& why);
  void decodeCurrentPass();
  void noteClockOfPass();
  const ReplayEvent* take(ReplayEventKind kind, int id);
  bool depart(const std::string& what);
  std::string whatFollows() const;

  std::vector<std::uint8_t> bytes_;
  ReplayHeader header_;
  ReplayModel model_;
  std::vector<ReplayEvent> events_;
  // Runs of passes that read no clock, with the first reading after each run (found at open).
  struct ClocklessRun {
    std::uint64_t first, last;
    std::uint64_t nextClock;
    bool clockFollows;
  };
  std::vector<ClocklessRun> clockless_;
  std::size_t next_ = 0;       // index of the next event in events_
  std::size_t position_ = 0;   // where the pass after the current one starts in bytes_
  std::uint64_t passCount_ = 0;
  std::uint64_t pass_ = 0;
  bool cutShort_ = false;
  bool firstIsValue_ = false;
  std::uint8_t firstTag_ = 0;
  bool departed_ = false;
  std::string error_;
};

}  // namespace platform
