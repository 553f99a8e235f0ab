// The score table as --scores prints it: the ten best rounds, best first, then the totals.
#pragma once
#include <string>

#include "game/files/score_table.h"

namespace platform {

// The listing of table, read from path; dates in local time.
std::string scoreListing(const ScoreTable& table, const std::string& path);

// "2:03.4" for 123400 ms; "1:02:03" with hours when hours is set (whole seconds).
std::string playTimeText(std::uint64_t ms, bool hours);

}  // namespace platform
