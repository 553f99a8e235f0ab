// The streaming replay writer (see replay_writer.h): collects a pass, codes it and hands it
// to the kernel with one write, through plain POSIX file calls.
#include "platform/replay/replay_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {

ReplayWriter::~ReplayWriter() { close(); }

bool ReplayWriter::open(const std::string& path, const std::string& gameVersion, std::uint16_t formatVersion) {
  close();
  path_ = path;
  error_.clear();
  failed_ = false;
  passes_ = bytes_ = 0;
  pass_.clear();
  if (!isPrintableGameVersion(gameVersion))
    return fail("replay " + path + ": the game version is not printable ASCII of at most " +
                std::to_string(kReplayMaxGameVersion) + " characters");
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd_ < 0) return fail(std::string("cannot create replay ") + path + ": " + std::strerror(errno));
  std::uint32_t check = 0;
  const std::vector<std::uint8_t> header = encodeReplayHeader(gameVersion, check, formatVersion);
  startReplayModel(model_, check);
  return writeAll(header);
}

void ReplayWriter::clock(std::uint64_t ms) { add({ms, ReplayEventKind::kClock, 0}); }

void ReplayWriter::key(int virtualKey, bool pressed) {
  if (fd_ < 0) return;
  if (virtualKey < 0 || virtualKey > 255) {
    fail("replay " + path_ + ": key code " + std::to_string(virtualKey) + " is no virtual key");
    return;
  }
  add({pressed ? 1u : 0u, ReplayEventKind::kKey, std::uint8_t(virtualKey)});
}

void ReplayWriter::cursor(int x, int y) { add({packCursor(x, y), ReplayEventKind::kCursor, 0}); }

void ReplayWriter::seed(std::uint64_t seconds) { add({seconds, ReplayEventKind::kSeed, 0}); }

void ReplayWriter::value(std::uint8_t tag, std::uint64_t value) { add({value, ReplayEventKind::kValue, tag}); }

void ReplayWriter::digest(std::uint8_t tag, std::uint64_t value) { add({value, ReplayEventKind::kDigest, tag}); }

void ReplayWriter::add(const ReplayEvent& e) {
  if (fd_ < 0) return;
  if (pass_.size() == kReplayMaxPassEvents) {
    fail("replay " + path_ + ": pass " + std::to_string(passes_ + 1) + " holds more than " +
         std::to_string(kReplayMaxPassEvents) + " reads");
    return;
  }
  pass_.push_back(e);
}

bool ReplayWriter::endPass() {
  if (fd_ < 0) return false;
  out_.clear();
  encodeReplayPass(model_, pass_, out_);
  pass_.clear();
  if (!writeAll(out_)) return false;
  ++passes_;
  return true;
}

bool ReplayWriter::close() {
  if (fd_ >= 0 && !pass_.empty()) endPass();
  if (fd_ >= 0 && ::close(fd_) != 0) {
    fd_ = -1;
    return fail(std::string("cannot write replay ") + path_ + ": " + std::strerror(errno));
  }
  fd_ = -1;
  return !failed_;
}

bool ReplayWriter::fail(const std::string& why) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!failed_) error_ = why;
  failed_ = true;
  return false;
}

bool ReplayWriter::writeAll(const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return fail(std::string("cannot write replay ") + path_ + ": " + std::strerror(wrote < 0 ? errno : EIO));
    done += std::size_t(wrote);
  }
  bytes_ += bytes.size();
  return true;
}

}  // namespace platform
