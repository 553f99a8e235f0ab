// The score table as --scores prints it: the ten best rounds, best first, then the totals.
#pragma once
#include <set>
#include <string>

#include "game/files/score_table.h"

// The listing of table, read from path; dates in local time. A round whose file is among
// missing says "replay missing" with the name instead of "replay kept".
std::string scoreListing(const ScoreTable& table, const std::string& path, const std::set<std::string>& missing = {});

// "2:03.4" for 123400 ms; "1:02:03" with hours when hours is set (whole seconds).
std::string playTimeText(std::uint64_t ms, bool hours);

