// The lock on a lock file of the player's (see port/storage.h): a flock on the open file,
// waited for, and let go when the descriptor closes.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/port/storage.h"

namespace platform {
namespace {

// Waits for the flock, going back after a signal.
bool hold(int fd, int how, std::string& reason) {
  while (::flock(fd, how) != 0) {
    if (errno == EINTR) continue;
    reason = std::string("cannot lock it: ") + std::strerror(errno);
    return false;
  }
  return true;
}

}  // namespace

FileLock::~FileLock() {
  if (handle_ >= 0) ::close(handle_);
}

bool FileLock::take(const std::string& path, std::string& reason) {
  handle_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (handle_ < 0) {
    reason = std::string("cannot open its lock: ") + std::strerror(errno);
    return false;
  }
  return hold(handle_, LOCK_EX, reason);
}

bool FileLock::share(const std::string& path, std::string& reason) {
  handle_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  return handle_ < 0 || hold(handle_, LOCK_SH, reason);
}

}  // namespace platform
