// The safe write of the player's files (see port/storage.h): a temporary file beside the
// target, written whole and synced, then renamed over it.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/port/storage.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

bool writeAll(int fd, const std::string& text) {
  for (std::size_t done = 0; done < text.size();) {
    const ssize_t wrote = ::write(fd, text.data() + done, text.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    done += std::size_t(wrote);
  }
  return true;
}

}  // namespace

bool replaceFile(const std::string& path, const std::string& text, std::string& reason) {
  // Through a link to the file it names, so a linked settings file stays linked.
  std::error_code error;
  fs::path target = path;
  if (fs::is_symlink(fs::symlink_status(path, error))) {
    const fs::path link = fs::read_symlink(path, error);
    target = link.is_absolute() ? link : fs::path(path).parent_path() / link;
  }
  if (error && error != std::errc::no_such_file_or_directory) {
    reason = error.message();
    return false;
  }
  std::string temporary = target.string() + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) {
    reason = std::strerror(errno);
    return false;
  }
  struct stat old {};
  const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  bool done = ::fchmod(fd, mode) == 0 && writeAll(fd, text) && ::fsync(fd) == 0;
  if (!done) reason = std::strerror(errno);
  if (::close(fd) != 0 && done) {
    reason = std::strerror(errno);
    done = false;
  }
  if (done && ::rename(temporary.c_str(), target.c_str()) != 0) {
    reason = std::strerror(errno);
    done = false;
  }
  if (!done) ::unlink(temporary.c_str());
  return done;
}

}  // namespace platform
