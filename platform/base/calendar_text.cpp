#include "platform/base/calendar_text.h"

#include <ctime>

namespace platform {

std::string calendarText(std::int64_t seconds, Zone zone, const char* format, const char* fallback) {
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm parts{};
  const bool known = zone == Zone::kUtc ? gmtime_r(&time, &parts) != nullptr : localtime_r(&time, &parts) != nullptr;
  char text[64];
  if (!known || std::strftime(text, sizeof text, format, &parts) == 0) return fallback;
  return text;
}

std::string fileNameStamp(std::int64_t seconds) {
  return calendarText(seconds, Zone::kLocal, "%Y%m%d-%H%M%S", "00000000-000000");
}

}  // namespace platform
