// Calendar seconds as text, in the local zone or in UTC, by a strftime format; fallback when
// the seconds name no date the system can break down.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

enum class Zone { kLocal, kUtc };

std::string calendarText(std::int64_t seconds, Zone zone, const char* format, const char* fallback);

// Local date and time for file names: 20261208-131721.
std::string fileNameStamp(std::int64_t seconds);

}  // namespace platform
