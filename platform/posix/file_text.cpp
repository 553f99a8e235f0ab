#include "platform/port/storage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {

FileText readFileText(const std::string& path, std::string& text, std::string& reason) {
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
  text.clear();
  char buffer[4096];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) reason = std::strerror(errno);
    if (got <= 0) {
      ::close(fd);
      return got == 0 ? FileText::kRead : FileText::kFailed;
    }
    text.append(buffer, std::size_t(got));
  }
}

}  // namespace platform
