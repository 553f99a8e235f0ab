#include "platform/port/storage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {
namespace {

std::string tooLarge(std::uint64_t size, std::uint64_t maxBytes) {
  return "it is too large: " + std::to_string(size) + " bytes (at most " + std::to_string(maxBytes) + ")";
}

// Opens without waiting (a pipe with no writer would hold the open), refuses what is not a
// plain file or is over the limit, then reads to the end; a file that grows past the limit
// while read is refused too.
template <typename Bytes>
FileText readWhole(const std::string& path, Bytes& out, std::string& reason, std::uint64_t maxBytes) {
  out.clear();
  if (path.empty()) {
    reason = "it has no name";
    return FileText::kFailed;
  }
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    reason = std::strerror(errno);
    return errno == ENOENT ? FileText::kMissing : FileText::kFailed;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    reason = S_ISDIR(info.st_mode) ? "it is a folder" : "it is not a file";
    return FileText::kFailed;
  }
  if (std::uint64_t(info.st_size) > maxBytes) {
    ::close(fd);
    reason = tooLarge(std::uint64_t(info.st_size), maxBytes);
    return FileText::kFailed;
  }
  out.reserve(std::size_t(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) reason = std::strerror(errno);
    if (got > 0 && out.size() + std::size_t(got) > maxBytes) {
      reason = tooLarge(out.size() + std::size_t(got), maxBytes);
      out.clear();
      ::close(fd);
      return FileText::kFailed;
    }
    if (got <= 0) {
      ::close(fd);
      return got == 0 ? FileText::kRead : FileText::kFailed;
    }
    out.insert(out.end(), buffer, buffer + got);
  }
}

}  // namespace

FileText readFileText(const std::string& path, std::string& text, std::string& reason, std::uint64_t maxBytes) {
  return readWhole(path, text, reason, maxBytes);
}

FileText readFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& reason,
                       std::uint64_t maxBytes) {
  return readWhole(path, bytes, reason, maxBytes);
}

}  // namespace platform
