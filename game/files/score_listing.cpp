// The listing that --scores prints (see score_listing.h).
#include "game/files/score_listing.h"

#include <cstdio>

#include "platform/base/calendar_text.h"
#include "platform/base/printable_text.h"

namespace {

// The kinds of monsterData.txt by code, as the README names them.
std::string kindName(std::int8_t kind) {
  switch (kind) {
    case 1: return "shark";
    case 2: return "black cloud";
    case 3: return "plane";
    case 4: return "king";
    default: return "kind " + std::to_string(kind);
  }
}

std::string killsText(const ScoreEntry& entry) {
  if (entry.kills.empty()) return "none";
  std::string text;
  for (const KindKills& k : entry.kills) text += (text.empty() ? "" : ", ") + kindName(k.kind) + " " + std::to_string(k.count);
  return text;
}

std::string replayText(const std::string& file, const std::set<std::string>& missing) {
  if (file.empty()) return "";
  return missing.count(file) ? ", replay missing (" + file + ")" : ", replay kept";
}

std::string localDate(std::int64_t seconds) { return platform::calendarText(seconds, platform::Zone::kLocal, "%Y-%m-%d %H:%M", "?"); }

}  // namespace

std::string playTimeText(std::uint64_t ms, bool hours) {
  char text[48];
  if (hours) {
    const std::uint64_t s = ms / 1000;
    std::snprintf(text, sizeof text, "%llu:%02llu:%02llu", static_cast<unsigned long long>(s / 3600),
                  static_cast<unsigned long long>(s / 60 % 60), static_cast<unsigned long long>(s % 60));
  } else {
    const std::uint64_t tenths = ms / 100;
    std::snprintf(text, sizeof text, "%llu:%02llu.%llu", static_cast<unsigned long long>(tenths / 600),
                  static_cast<unsigned long long>(tenths / 10 % 60), static_cast<unsigned long long>(tenths % 10));
  }
  return text;
}

std::string scoreListing(const ScoreTable& table, const std::string& path, const std::set<std::string>& missing) {
  std::string text = "Best rounds (" + path + "):\n";
  if (table.best.empty()) text += "  none kept yet\n";
  char line[512];
  for (std::size_t k = 0; k < table.best.size(); ++k) {
    const ScoreEntry& e = table.best[k];
    std::snprintf(line, sizeof line, "%3zu. %8llu  %9s  %s  %s%s; kills: %s\n", k + 1,
                  static_cast<unsigned long long>(e.score), playTimeText(e.lengthMs, false).c_str(),
                  localDate(e.date).c_str(), platform::printableText(e.version).c_str(), replayText(e.roundFile, missing).c_str(),
                  killsText(e).c_str());
    text += line;
  }
  std::snprintf(line, sizeof line, "Totals: %llu round%s, %llu kill%s, %s played\n",
                static_cast<unsigned long long>(table.totals.rounds), table.totals.rounds == 1 ? "" : "s",
                static_cast<unsigned long long>(table.totals.kills), table.totals.kills == 1 ? "" : "s",
                playTimeText(table.totals.playedMs, true).c_str());
  return text + line;
}

