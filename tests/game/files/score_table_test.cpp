// The score table's text: what it writes reads back the same, a table with any bad line is
// refused with the line named, and the listing --scores prints. (Placing rounds is tested
// with real files in score_folder_test.cpp.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/files/score_listing.h"
#include "game/files/score_table.h"

namespace {


ScoreEntry entry(std::uint64_t score, std::uint64_t lengthMs, std::string file = "") {
  ScoreEntry e;
  e.score = score;
  e.kills = {{-3, 1}, {1, score}, {4, 2}};
  e.lengthMs = lengthMs;
  e.date = 1796735841;  // 2026-12-08T13:17:21Z
  e.version = "dream-arena 1.0.0";
  e.roundFile = std::move(file);
  return e;
}

const char* const kGood =
    "dream-arena scores 1\n"
    "totals\trounds=3\tkills=9\tplayed_ms=5000\n"
    "round\tscore=7\tkills=1:5,2:2\tlength_ms=3000\tdate=2026-12-08T13:17:21Z\tversion=dream-arena 1.0.0\tfile=round-20261208-131721.replay\n"
    "round\tscore=2\tkills=\tlength_ms=1000\tdate=2026-12-08T13:18:00Z\tversion=dream-arena 1.0.0\tfile=\n";

TEST(ScoreTable, WhatIsWrittenReadsBackTheSame) {
  ScoreTable table;
  table.totals = {12, 345, 1234567};
  table.best = {entry(57, 123456, "round-20261208-131721.replay"), entry(57, 2000), entry(0, 5)};
  const ScoreTableReading reading = readScoreTable(scoreTableText(table));
  ASSERT_EQ(reading.problem, "");
  EXPECT_EQ(scoreTableText(reading.table), scoreTableText(table));
  ASSERT_EQ(reading.table.best.size(), 3u);
  EXPECT_EQ(reading.table.best[0].kills.front().kind, -3);
  EXPECT_EQ(reading.table.best[2].kills.size(), 2u) << "a kind with no kills is not written";
  EXPECT_EQ(reading.table.best[0].date, 1796735841);
  EXPECT_EQ(reading.table.best[0].roundFile, "round-20261208-131721.replay");
  EXPECT_EQ(reading.table.totals.playedMs, 1234567u);

  EXPECT_EQ(readScoreTable(kGood).problem, "");
  std::string crlf = kGood;
  for (std::size_t at = crlf.find('\n'); at != std::string::npos; at = crlf.find('\n', at + 2)) crlf.insert(at, "\r");
  EXPECT_EQ(scoreTableText(readScoreTable(crlf).table), kGood) << "CRLF reads as LF";
  EXPECT_EQ(readScoreTable("").problem, "") << "no text is a fresh table";
}

TEST(ScoreTable, ATableWithABadLineIsRefusedNamingIt) {
  const std::string head = "dream-arena scores 1\ntotals\trounds=3\tkills=9\tplayed_ms=5000\n";
  const std::string good =
      "round\tscore=7\tkills=1:5\tlength_ms=3000\tdate=2026-12-08T13:17:21Z\tversion=v\tfile=\n";
  auto round = [&](const std::string& from, const std::string& to) {
    std::string line = good;
    line.replace(line.find(from), from.size(), to);
    return head + line;
  };
  std::string eleven = "dream-arena scores 1\ntotals\trounds=11\tkills=0\tplayed_ms=0\n";
  for (int k = 0; k < 11; ++k) eleven += good;
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"scores 1\n", "line 1: not a dream-arena scores file"},
      {"dream-arena scores 1\n", "no totals line"},
      {"dream-arena scores 1\ntotals\trounds=-1\tkills=0\tplayed_ms=0\n", "line 2: a total is not a whole number"},
      {"dream-arena scores 1\ntotals\trounds=1\tkills=0\n", "line 2: the totals need rounds=, kills= and played_ms="},
      {head + "totals\trounds=3\tkills=9\tplayed_ms=5000\n", "line 3: not a totals or round line"},
      {round("score=7", "score=99999999999999999999"), "line 3: the score is not a whole number"},
      {round("kills=1:5", "kills=1:0"), "line 3: the kills are not kind:count pairs"},
      {round("kills=1:5", "kills=2:1,1:5"), "line 3: the kills are not kind:count pairs"},
      {round("kills=1:5", "kills=200:5"), "line 3: the kills are not kind:count pairs"},
      {round("2026-12-08T13:17:21Z", "2026-02-30T13:17:21Z"), "line 3: the date is not a UTC date"},
      {round("file=", "file=../../.bashrc"), "line 3: the file is not a kept round's name"},
      {round("file=", "file=round-1.replay"), "line 3: the file is not a kept round's name"},
      {round("file=", "file=round-20261208-131721-0.replay"), "line 3: the file is not a kept round's name"},
      {head + good + round("score=7", "score=6").substr(head.size()), ""},
      {head + round("file=", "file=round-20261208-131721-2.replay").substr(head.size()) +
           round("file=", "file=round-20261208-131721-2.replay").substr(head.size()),
       "line 4: the file is named by an earlier round too"},
      {round("kills=1:5", "kills=1:18446744073709551615,2:1"), "line 3: the kills add up beyond a whole number"},
      {round("\tversion=v", ""), "line 3: a round needs score=, kills=, length_ms=, date=, version= and file="},
      {head + good + round("score=7", "score=8").substr(head.size()), "line 4: a round scores more than the one above it"},
      {"dream-arena scores 1\ntotals\trounds=0\tkills=0\tplayed_ms=0\n" + good, "the totals count fewer rounds than the table lists"},
      {eleven, "line 13: more than ten rounds"},
  };
  for (const auto& [text, problem] : cases) {
    const ScoreTableReading reading = readScoreTable(text);
    EXPECT_EQ(reading.problem, problem) << text;
    if (problem.empty()) continue;
    EXPECT_TRUE(reading.table.best.empty() && reading.table.totals.rounds == 0) << "a refused table reads as empty: " << text;
  }
}

TEST(ScoreTable, TotalsStopAtTheirLimitAndReadBack) {
  ScoreTable table;
  table.totals = {UINT64_MAX, UINT64_MAX - 3, UINT64_MAX - 1};
  std::vector<ScoreEntry> dropped;
  ScoreEntry e = entry(5, 10, "round-20261208-131721.replay");
  EXPECT_EQ(placeRound(table, e, dropped), 1u);
  EXPECT_EQ(table.totals.rounds, UINT64_MAX);
  EXPECT_EQ(table.totals.kills, UINT64_MAX) << "5 + 1 + 2 kills on UINT64_MAX - 3";
  EXPECT_EQ(table.totals.playedMs, UINT64_MAX);
  const ScoreTableReading again = readScoreTable(scoreTableText(table));
  ASSERT_EQ(again.problem, "");
  EXPECT_EQ(scoreTableText(again.table), scoreTableText(table));
}

TEST(ScoreTable, TheListingShowsEveryRoundAndTheTotals) {
  ScoreTable table;
  table.totals = {3, 25, 3723000};
  table.best = {entry(20, 123456, "round-1.replay"), entry(2, 999), entry(1, 5, "round-2.replay")};
  const std::string listing = scoreListing(table, "/data/scores.txt", {"round-2.replay"});
  EXPECT_NE(listing.find("Best rounds (/data/scores.txt):\n"), std::string::npos) << listing;
  EXPECT_NE(listing.find("  1.       20     2:03.4  "), std::string::npos) << listing;
  EXPECT_NE(listing.find("dream-arena 1.0.0, replay kept; kills: kind -3 1, shark 20, king 2\n"), std::string::npos) << listing;
  EXPECT_NE(listing.find("  2.        2     0:00.9  "), std::string::npos) << listing;
  EXPECT_NE(listing.find("dream-arena 1.0.0, replay missing (round-2.replay); kills:"), std::string::npos) << listing;
  EXPECT_NE(listing.find("Totals: 3 rounds, 25 kills, 1:02:03 played\n"), std::string::npos) << listing;
  table.totals = {1, 1, 0};
  EXPECT_NE(scoreListing(table, "p").find("Totals: 1 round, 1 kill, 0:00:00 played\n"), std::string::npos);
  EXPECT_NE(scoreListing(ScoreTable{}, "p").find("  none kept yet\n"), std::string::npos);
}

}  // namespace
