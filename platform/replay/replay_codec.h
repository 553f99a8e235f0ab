// Turning replay headers and passes into bytes and back (layout in replay_format.h), in
// memory only; the writer and the reader add the file around it. Both directions keep the
// same ReplayModel, the predictions a pass is coded against, and move it past each pass.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/replay/replay_format.h"

namespace platform {

// The last value of each channel: what a repeated event is predicted to return.
struct ReplayChannels {
  std::uint64_t clock = 0;
  std::uint64_t cursor = 0;
  std::uint64_t keys[4] = {};
};

struct ReplayModel {
  ReplayChannels channels;
  // Distinct pass shapes, most recent first; the first referenceCount are in use.
  std::array<std::vector<ReplayEvent>, kReplayReferences> references;
  std::size_t referenceCount = 0;
  // CRC-32 of every byte so far.
  std::uint32_t check = 0;
  // Encoder scratch, kept to spare an allocation per pass.
  std::vector<std::uint8_t> trial, best;
};

struct ReplayHeader {
  std::uint16_t formatVersion = 0;
  std::string gameVersion;
  std::size_t size = 0;
  std::uint32_t check = 0;
};

enum class ReplayHeaderStatus { kOk, kEmpty, kForeign, kCut, kOtherVersion, kDamaged };

// The header bytes for a game version (printable ASCII, at most kReplayMaxGameVersion bytes;
// the caller checks), and their check, which the first pass's model starts from. A file is
// written in the current format version; a tool that rewrites a file keeps the file's own.
std::vector<std::uint8_t> encodeReplayHeader(const std::string& gameVersion, std::uint32_t& check,
                                             std::uint16_t formatVersion = kReplayFormatVersion);

// Reads the header at the start of bytes. Fills header with kOk; only its formatVersion with
// kOtherVersion.
ReplayHeaderStatus parseReplayHeader(const std::uint8_t* bytes, std::size_t size, ReplayHeader& header);

// A fresh model for the passes that follow a header with the given check.
void startReplayModel(ReplayModel& model, std::uint32_t headerCheck);

// Appends one pass (at most kReplayMaxPassEvents events) to out.
void encodeReplayPass(ReplayModel& model, const std::vector<ReplayEvent>& pass, std::vector<std::uint8_t>& out);

enum class ReplayPassStatus { kWhole, kCut, kDamaged };

struct ReplayPassResult {
  ReplayPassStatus status;
  std::size_t end;    // kWhole: where the next pass starts
  const char* fault;  // kDamaged: what is wrong, in a few words
};

// Decodes the pass that starts at bytes[start] into pass. kCut: the bytes end inside it.
// The model is only good for further passes after kWhole.
ReplayPassResult decodeReplayPass(ReplayModel& model, const std::uint8_t* bytes, std::size_t size, std::size_t start,
                                  std::vector<ReplayEvent>& pass);

bool isPrintableGameVersion(const std::string& version);

}  // namespace platform
