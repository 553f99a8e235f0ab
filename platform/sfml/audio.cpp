// Audio start-up: the MP3 reader, SFML's error stream, and the silent fallback when the
// machine has no audio device. OpenAL Soft reads its driver list once, on its first use,
// so the default device is probed in a child process and the choice of the null output
// is made in the environment before SFML touches OpenAL in this process.
#include "platform/port/sound.h"

#include <SFML/System/Err.hpp>
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <streambuf>

#include "platform/sfml/mp3_reader.h"

namespace platform {

namespace {

bool silent = false;

// Swallows everything SFML writes to sf::err().
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

bool configuredByUser() {
  return std::getenv("ALSOFT_DRIVERS") != nullptr || std::getenv("ALSOFT_CONF") != nullptr;
}

// In the child: open the default device through the OpenAL library SFML loaded, and
// exit 0 when a real output (not OpenAL Soft's "No Output") opened.
[[noreturn]] void probeInChild() {
  const int devNull = ::open("/dev/null", O_WRONLY);
  if (devNull >= 0) {
    ::dup2(devNull, STDOUT_FILENO);
    ::dup2(devNull, STDERR_FILENO);
  }
  using OpenDevice = void* (*)(const char*);
  using CloseDevice = char (*)(void*);
  using GetString = const char* (*)(void*, int);
  void* library = ::dlopen("libopenal.so.1", RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) ::_exit(2);
  auto openDevice = reinterpret_cast<OpenDevice>(::dlsym(library, "alcOpenDevice"));
  auto closeDevice = reinterpret_cast<CloseDevice>(::dlsym(library, "alcCloseDevice"));
  auto getString = reinterpret_cast<GetString>(::dlsym(library, "alcGetString"));
  if (openDevice == nullptr || closeDevice == nullptr) ::_exit(2);
  void* device = openDevice(nullptr);
  if (device == nullptr) ::_exit(1);
  constexpr int kAlcDeviceSpecifier = 0x1005;
  const char* name = getString != nullptr ? getString(device, kAlcDeviceSpecifier) : nullptr;
  const bool nullOutput = name != nullptr && std::strcmp(name, "No Output") == 0;
  closeDevice(device);
  ::_exit(nullOutput ? 1 : 0);
}

// True when a default audio device can be opened. A probe that hangs for more than
// two seconds counts as no device.
bool audioDeviceAvailable() {
  std::fflush(stdout);
  std::fflush(stderr);
  const pid_t child = ::fork();
  if (child < 0) return true;  // cannot tell: leave OpenAL to its defaults
  if (child == 0) probeInChild();
  int status = 0;
  for (int waited = 0; waited < 200; ++waited) {
    const pid_t done = ::waitpid(child, &status, WNOHANG);
    if (done == child) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (done < 0) return true;
    ::usleep(10000);
  }
  ::kill(child, SIGKILL);
  ::waitpid(child, &status, 0);
  return false;
}

}  // namespace

void startAudio() {
  static std::once_flag once;
  std::call_once(once, [] {
    static NullBuffer nothing;
    sf::err().rdbuf(&nothing);
    if (!configuredByUser() && !audioDeviceAvailable()) {
      ::setenv("ALSOFT_DRIVERS", "null", 1);
      silent = true;
      std::fputs("no audio device: playing silently\n", stderr);
      std::fflush(stderr);
    }
    registerMp3Reader();
  });
}

bool audioSilent() { return silent; }

}  // namespace platform
