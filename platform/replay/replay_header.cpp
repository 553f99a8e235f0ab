// The replay header (layout in replay_format.h): magic, format version, the game's
// version and a CRC-32 of them.
#include <algorithm>
#include <cstring>

#include "platform/replay/replay_codes.h"

namespace platform {
namespace {

constexpr std::size_t kHeaderFixedBytes = 11;  // magic, version, length of the game version

}  // namespace

using replay_codes::crc;

bool isPrintableGameVersion(const std::string& version) {
  return version.size() <= kReplayMaxGameVersion &&
         std::all_of(version.begin(), version.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

std::vector<std::uint8_t> encodeReplayHeader(const std::string& gameVersion, std::uint32_t& check,
                                             std::uint16_t formatVersion) {
  std::vector<std::uint8_t> out(std::begin(kReplayMagic), std::end(kReplayMagic));
  out.push_back(std::uint8_t(formatVersion));
  out.push_back(std::uint8_t(formatVersion >> 8));
  out.push_back(std::uint8_t(gameVersion.size()));
  out.insert(out.end(), gameVersion.begin(), gameVersion.end());
  check = crc(0, out.data(), out.size());
  for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(check >> (8 * i)));
  return out;
}

ReplayHeaderStatus parseReplayHeader(const std::uint8_t* bytes, std::size_t size, ReplayHeader& header) {
  if (size == 0) return ReplayHeaderStatus::kEmpty;
  if (std::memcmp(bytes, kReplayMagic, std::min(size, sizeof kReplayMagic)) != 0) return ReplayHeaderStatus::kForeign;
  if (size < kHeaderFixedBytes - 1) return ReplayHeaderStatus::kCut;
  header.formatVersion = std::uint16_t(bytes[8] | bytes[9] << 8);
  if (header.formatVersion < kReplayOldestFormatVersion || header.formatVersion > kReplayFormatVersion)
    return ReplayHeaderStatus::kOtherVersion;
  if (size < kHeaderFixedBytes) return ReplayHeaderStatus::kCut;
  const std::size_t length = bytes[10];
  const std::size_t total = kHeaderFixedBytes + length + 4;
  if (size < total) return ReplayHeaderStatus::kCut;
  std::uint32_t stored = 0;
  for (int i = 0; i < 4; ++i) stored |= std::uint32_t(bytes[total - 4 + i]) << (8 * i);
  if (crc(0, bytes, total - 4) != stored) return ReplayHeaderStatus::kDamaged;
  std::string version(reinterpret_cast<const char*>(bytes) + kHeaderFixedBytes, length);
  if (!isPrintableGameVersion(version)) return ReplayHeaderStatus::kDamaged;
  header.gameVersion = std::move(version);
  header.size = total;
  header.check = stored;
  return ReplayHeaderStatus::kOk;
}

}  // namespace platform
