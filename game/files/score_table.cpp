// The score table's text and the placing of a round (see score_table.h).
#include "game/files/score_table.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <map>

#include "platform/base/calendar_text.h"

namespace {

constexpr const char* kHeader = "dream-arena scores 1";

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

// a + b, or the largest number when the sum would not fit: totals stop at their limit.
std::uint64_t heldSum(std::uint64_t a, std::uint64_t b) { return a > UINT64_MAX - b ? UINT64_MAX : a + b; }

bool readNumber(const std::string& text, std::uint64_t& value) {
  if (text.empty() || text.size() > 20) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    const std::uint64_t digit = std::uint64_t(c - '0');
    if (value > (UINT64_MAX - digit) / 10) return false;
    value = value * 10 + digit;
  }
  return true;
}

// "1:20,2:15" (or empty) into kills, codes ascending and counts above 0.
bool readKills(const std::string& text, std::vector<KindKills>& kills) {
  kills.clear();
  if (text.empty()) return true;
  for (const std::string& part : split(text, ',')) {
    const std::size_t colon = part.find(':');
    if (colon == std::string::npos) return false;
    std::string code = part.substr(0, colon);
    const bool negative = !code.empty() && code[0] == '-';
    if (negative) code.erase(0, 1);
    std::uint64_t magnitude = 0, count = 0;
    if (!readNumber(code, magnitude) || magnitude > (negative ? 128u : 127u)) return false;
    if (!readNumber(part.substr(colon + 1), count) || count == 0) return false;
    const auto kind = static_cast<std::int8_t>(negative ? -std::int64_t(magnitude) : std::int64_t(magnitude));
    if (!kills.empty() && kills.back().kind >= kind) return false;
    kills.push_back({kind, count});
  }
  return true;
}

std::string killsText(const std::vector<KindKills>& kills) {
  std::string text;
  for (const KindKills& k : kills) {
    if (k.count > 0) text += (text.empty() ? "" : ",") + std::to_string(k.kind) + ":" + std::to_string(k.count);
  }
  return text;
}

// The fields of a line after its first word; false when one is not key=value or repeats.
bool readFields(const std::vector<std::string>& words, std::map<std::string, std::string>& fields) {
  for (std::size_t k = 1; k < words.size(); ++k) {
    const std::size_t equals = words[k].find('=');
    if (equals == std::string::npos || equals == 0) return false;
    if (!fields.emplace(words[k].substr(0, equals), words[k].substr(equals + 1)).second) return false;
  }
  return true;
}

// The fields named, and no others.
bool exactly(const std::map<std::string, std::string>& fields, std::initializer_list<const char*> names) {
  if (fields.size() != names.size()) return false;
  for (const char* name : names)
    if (!fields.count(name)) return false;
  return true;
}

// One line's record, or a reason.
std::string readTotals(const std::vector<std::string>& words, ScoreTotals& totals) {
  std::map<std::string, std::string> fields;
  if (!readFields(words, fields) || !exactly(fields, {"rounds", "kills", "played_ms"}))
    return "the totals need rounds=, kills= and played_ms=";
  if (!readNumber(fields["rounds"], totals.rounds) || !readNumber(fields["kills"], totals.kills) ||
      !readNumber(fields["played_ms"], totals.playedMs))
    return "a total is not a whole number";
  return "";
}

std::string readRound(const std::vector<std::string>& words, ScoreEntry& entry) {
  std::map<std::string, std::string> fields;
  if (!readFields(words, fields) || !exactly(fields, {"score", "kills", "length_ms", "date", "version", "file"}))
    return "a round needs score=, kills=, length_ms=, date=, version= and file=";
  if (!readNumber(fields["score"], entry.score)) return "the score is not a whole number";
  if (!readKills(fields["kills"], entry.kills)) return "the kills are not kind:count pairs";
  if (killCount(entry) == UINT64_MAX) return "the kills add up beyond a whole number";
  if (!readNumber(fields["length_ms"], entry.lengthMs)) return "the length is not a whole number";
  if (!readUtcDate(fields["date"], entry.date)) return "the date is not a UTC date";
  entry.version = fields["version"];
  entry.roundFile = fields["file"];
  if (!entry.roundFile.empty() && !keptFileNameValid(entry.roundFile)) return "the file is not a kept round's name";
  return "";
}

std::string readLines(const std::string& text, ScoreTable& table) {
  std::vector<std::string> lines = split(text, '\n');
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  // A table saved by an editor with CRLF line ends reads as the same table.
  for (std::string& line : lines)
    if (!line.empty() && line.back() == '\r') line.pop_back();
  if (lines.empty() || lines[0] != kHeader) return "line 1: not a dream-arena scores file";
  bool totalsSeen = false;
  for (std::size_t n = 1; n < lines.size(); ++n) {
    const std::string where = "line " + std::to_string(n + 1) + ": ";
    const std::vector<std::string> words = split(lines[n], '\t');
    std::string reason;
    if (words[0] == "totals" && !totalsSeen) {
      totalsSeen = true;
      reason = readTotals(words, table.totals);
    } else if (words[0] == "round") {
      ScoreEntry entry;
      reason = readRound(words, entry);
      if (reason.empty() && table.best.size() == kBestRounds) reason = "more than ten rounds";
      if (reason.empty() && !table.best.empty() && table.best.back().score < entry.score)
        reason = "a round scores more than the one above it";
      if (reason.empty() && !entry.roundFile.empty() &&
          std::any_of(table.best.begin(), table.best.end(), [&](const ScoreEntry& e) { return e.roundFile == entry.roundFile; }))
        reason = "the file is named by an earlier round too";
      table.best.push_back(entry);
    } else {
      reason = "not a totals or round line";
    }
    if (!reason.empty()) return where + reason;
  }
  if (!totalsSeen) return "no totals line";
  if (table.totals.rounds < table.best.size()) return "the totals count fewer rounds than the table lists";
  return "";
}

}  // namespace

ScoreTableReading readScoreTable(const std::string& text) {
  ScoreTableReading reading;
  if (text.empty()) return reading;
  reading.problem = readLines(text, reading.table);
  if (!reading.problem.empty()) reading.table = ScoreTable{};
  return reading;
}

std::string scoreTableText(const ScoreTable& table) {
  std::string text = std::string(kHeader) + "\n";
  text += "totals\trounds=" + std::to_string(table.totals.rounds) + "\tkills=" + std::to_string(table.totals.kills) +
          "\tplayed_ms=" + std::to_string(table.totals.playedMs) + "\n";
  for (const ScoreEntry& e : table.best) {
    text += "round\tscore=" + std::to_string(e.score) + "\tkills=" + killsText(e.kills) + "\tlength_ms=" +
            std::to_string(e.lengthMs) + "\tdate=" + utcDateText(e.date) + "\tversion=" + e.version +
            "\tfile=" + e.roundFile + "\n";
  }
  return text;
}

std::uint64_t killCount(const ScoreEntry& entry) {
  std::uint64_t total = 0;
  for (const KindKills& k : entry.kills) total = heldSum(total, k.count);
  return total;
}

std::size_t placeRound(ScoreTable& table, const ScoreEntry& entry, std::vector<ScoreEntry>& dropped) {
  table.totals.rounds = heldSum(table.totals.rounds, 1);
  table.totals.kills = heldSum(table.totals.kills, killCount(entry));
  table.totals.playedMs = heldSum(table.totals.playedMs, entry.lengthMs);
  const auto after = std::find_if(table.best.begin(), table.best.end(),
                                   [&](const ScoreEntry& e) { return e.score < entry.score; });
  const std::size_t place = std::size_t(after - table.best.begin()) + 1;
  if (place > kBestRounds) {
    dropped.push_back(entry);
    return 0;
  }
  table.best.insert(after, entry);
  while (table.best.size() > kBestRounds) {
    dropped.push_back(table.best.back());
    table.best.pop_back();
  }
  return place;
}

bool keptFileNameValid(const std::string& name) {
  // round-YYYYMMDD-HHMMSS.replay, or -N before .replay when that name was taken.
  const auto digits = [&](std::size_t from, std::size_t count) {
    if (count == 0 || from + count > name.size()) return false;
    return std::all_of(name.begin() + std::ptrdiff_t(from), name.begin() + std::ptrdiff_t(from + count),
                       [](char c) { return c >= '0' && c <= '9'; });
  };
  const std::string suffix = ".replay";
  if (name.size() < 21 + suffix.size() || name.size() > 64 || name.rfind("round-", 0) != 0 || !digits(6, 8) ||
      name[14] != '-' || !digits(15, 6) || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
    return false;
  const std::size_t tail = name.size() - suffix.size();
  if (tail == 21) return true;
  return name[21] == '-' && name[22] != '0' && digits(22, tail - 22);
}

std::string utcDateText(std::int64_t seconds) {
  return platform::calendarText(seconds, platform::Zone::kUtc, "%Y-%m-%dT%H:%M:%SZ", "1970-01-01T00:00:00Z");
}

bool readUtcDate(const std::string& text, std::int64_t& seconds) {
  std::tm parts{};
  char end = 0;
  int consumed = 0;
  if (text.size() != 20 ||
      std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c%n", &parts.tm_year, &parts.tm_mon, &parts.tm_mday, &parts.tm_hour,
                  &parts.tm_min, &parts.tm_sec, &end, &consumed) != 7 ||
      end != 'Z' || consumed != 20)
    return false;
  parts.tm_year -= 1900;
  parts.tm_mon -= 1;
  seconds = timegm(&parts);
  // A date that does not exist (February 30th) comes back as another one.
  return utcDateText(seconds) == text;
}

