// Round files in the data folder (see round_files.h): a hidden temporary name per process while
// the round runs, a dated name once it has ended. POSIX file calls.
#include "game/files/round_files.h"

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "platform/base/calendar_text.h"
#include "platform/base/printable_text.h"
#include "platform/replay/session.h"

namespace {

struct RoundFiles {
  std::string folder;
  std::string gameVersion;
  bool enabled = false;
  bool complained = false;
  std::string recording;  // the temporary file of the round being recorded, or empty
  long finished = 0;      // rounds whose files this process has finished
};

RoundFiles rounds;

void complainOnce(const std::string& why) {
  if (rounds.complained) return;
  rounds.complained = true;
  std::printf("cannot record rounds in %s: %s; the game plays on without keeping them\n",
              platform::printableText(rounds.folder).c_str(), platform::printableText(why).c_str());
  std::fflush(stdout);
}

std::string temporaryName(long pid) { return ".round-" + std::to_string(pid) + ".tmp"; }

// Removes .round-<pid>.tmp files whose process no longer runs (a game closed mid-round).
void removeAbandoned(const std::string& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir)) {
    long pid = 0;
    char tail[8] = {};
    if (std::sscanf(entry->d_name, ".round-%ld.%7s", &pid, tail) != 2 || std::strcmp(tail, "tmp") != 0) continue;
    if (entry->d_name != temporaryName(pid) || pid <= 0) continue;
    if (::kill(pid_t(pid), 0) == 0 || errno != ESRCH) continue;
    ::unlink((folder + "/" + entry->d_name).c_str());
  }
  ::closedir(dir);
}

std::string finishedName(long number) {
  return "round-" + platform::fileNameStamp(std::time(nullptr)) + "-" + std::to_string(long(::getpid())) + "-" +
         std::to_string(number) + ".replay";
}

}  // namespace

void recordRoundsInto(const std::string& folder, const std::string& gameVersion) {
  rounds.folder = folder;
  rounds.gameVersion = gameVersion;
  rounds.enabled = true;
  rounds.complained = false;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    complainOnce(error.message());
    return;
  }
  removeAbandoned(folder);
}

void stopRecordingRounds() { rounds = RoundFiles{}; }

void beginRoundFile() {
  if (!rounds.enabled) return;
  const std::string path = rounds.folder + "/" + temporaryName(long(::getpid()));
  std::string error;
  if (!platform::replay::startRoundRecording(path, rounds.gameVersion, error)) {
    complainOnce(error);
    return;
  }
  rounds.recording = path;
}

std::string finishRoundFile() {
  if (rounds.recording.empty()) return "";
  const std::string temporary = rounds.recording;
  rounds.recording.clear();
  std::string error;
  if (!platform::replay::finishRoundRecording(error)) {
    complainOnce(error);
    ::unlink(temporary.c_str());
    return "";
  }
  const std::string finished = rounds.folder + "/" + finishedName(++rounds.finished);
  if (::rename(temporary.c_str(), finished.c_str()) != 0) {
    complainOnce(std::string("cannot rename ") + temporary + ": " + std::strerror(errno));
    ::unlink(temporary.c_str());
    return "";
  }
  return finished;
}

