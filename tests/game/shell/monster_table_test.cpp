// Reading the monster table: the accepted forms (any white space, CRLF, a byte-order mark,
// trailing text), the refused ones with the line they name, and start-up's exits.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "game/shell/startup.h"
#include "game/world/monster_table.h"
#include "tests/helpers/game_fixture.h"

using namespace test_game;

namespace {

const char* const kGoodTable = "6 30 3 1\n4 20 2 2\n5 25 2 3\n3 40 2 4\n";

struct Parsed {
  int line;
  MonsterKind kinds[kKindCount];
};

Parsed parse(const std::string& text) {
  Parsed result{};
  for (MonsterKind& k : result.kinds) k = MonsterKind{-7, -7, -7, -7};
  result.line = parseMonsterTable(text, result.kinds);
  return result;
}

// Runs startUp in a fresh directory holding the given table (none for null), with standard
// output sent to standard error so the death test can read the message.
void startUpWithTable(const char* table) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("da_table_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::filesystem::current_path(dir);
  if (table) std::ofstream(dir / "monsterData.txt", std::ios::binary) << table;
  std::fflush(stdout);
  ::dup2(2, 1);
  startUp();
  std::exit(0);
}

}  // namespace

TEST(MonsterTable, FileOrderIsDamageHitPointsSpeedKind) {
  Parsed p = parse(kGoodTable);
  ASSERT_EQ(p.line, 0);
  EXPECT_EQ(p.kinds[0].hitPoints, 30);
  EXPECT_EQ(p.kinds[0].damage, 6);
  EXPECT_EQ(p.kinds[0].speed, 3);
  EXPECT_EQ(p.kinds[0].kind, 1);
  EXPECT_EQ(p.kinds[3].hitPoints, 40);
  EXPECT_EQ(p.kinds[3].kind, 4);
}

TEST(MonsterTable, AcceptsAnyWhiteSpaceCrlfByteOrderMarkAndTrailingText) {
  const char* accepted[] = {
      "6 30 3 1 4 20 2 2 5 25 2 3 3 40 2 4",
      "6 30 3 1\r\n4 20 2 2\r\n5 25 2 3\r\n3 40 2 4\r\n",
      "\xEF\xBB\xBF" "6 30 3 1\n4 20 2 2\n5 25 2 3\n3 40 2 4\n",
      "\n\n  6\t30\n3 1\n4 20 2 2\n5 25 2 3\n3 40 2 4 and whatever follows\n",
      "+6 30 3 1\n4 20 2 2\n5 25 2 3\n3 40 2 4",
  };
  for (const char* text : accepted) {
    Parsed p = parse(text);
    EXPECT_EQ(p.line, 0) << "refused: " << text;
    EXPECT_EQ(p.kinds[1].hitPoints, 20);
    EXPECT_EQ(p.kinds[3].kind, 4);
  }
  EXPECT_EQ(parse("-1000000 1000000 0 1\n4 20 2 2\n5 25 2 3\n3 40 2 4").line, 0) << "the limits are inside";
  EXPECT_EQ(parse("6 30 3 257\n4 20 2 2\n5 25 2 3\n3 40 2 4").kinds[0].kind, 257) << "low byte 1 is a shark";
  EXPECT_EQ(parse("6 30 3 1\n4 20 2 2\n5 25 2 3\n3 40 2 -252").line, 0) << "-252 has low byte 4, a king";
}

TEST(MonsterTable, RefusalNamesTheLineOfTheFirstMissingOrBadNumber) {
  const struct {
    const char* text;
    int line;
    const char* why;
  } refused[] = {
      {"", 1, "empty: line 1"},
      {" \n\t\r\n", 1, "white space only: line 1"},
      {"6 30 3 1\n4 20 2 2\n5 25 2 3\n3 40 2\n", 4, "short: the last line"},
      {"6 30 3 1\n4 20 2 2\n5 25 2 3\n3 40 2\n\n\n", 4, "short: the line of the last character that is not white space"},
      {"6 30 3 1\n4 20 2 2\n", 2, "two groups only"},
      {"6 30 x 1\n4 20 2 2\n5 25 2 3\n3 40 2 4\n", 1, "non-numeric"},
      {"6 30 3 1\r\n4 20 2 2\r\n5 2.5 2 3\r\n3 40 2 4\r\n", 3, "a fraction stops the number"},
      {"6 30 3 1\n4 20 2 2\n5 25 2 3\n3 40 2 -\n", 4, "a lone sign"},
      {"6 30 3 1\n4 20 2 5\n5 25 2 3\n3 40 2 4\n", 2, "kind code 5"},
      {"6 30 3 1\n4 20 2 2\n5 25 2 0\n3 40 2 4\n", 3, "kind code 0"},
      {"6 99999999999999999999 3 1\n4 20 2 2\n5 25 2 3\n3 40 2 4\n", 1, "huge"},
      {"6 30 3 1\n4 1000001 2 2\n5 25 2 3\n3 40 2 4\n", 2, "just over the limit"},
      {"6 30 3 1\n4 20 2 2\n5 -1000001 2 3\n3 40 2 4\n", 3, "just under the limit"},
  };
  for (const auto& c : refused) {
    Parsed p = parse(c.text);
    EXPECT_EQ(p.line, c.line) << c.why;
    EXPECT_EQ(p.kinds[0].hitPoints, -7) << c.why << ": kinds are left as they were";
  }
}

TEST(MonsterTableDeathTest, MissingTableEndsStartUpWithOpenFail) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  prepareCatalogue();
  EXPECT_EXIT(startUpWithTable(nullptr), ::testing::ExitedWithCode(1), "^data text open fail$");
}

TEST(MonsterTableDeathTest, BadTableEndsStartUpNamingTheLine) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  prepareCatalogue();
  EXPECT_EXIT(startUpWithTable("6 30 3 1\n4 20 2 2\n5 25 2 9\n3 40 2 4\n"), ::testing::ExitedWithCode(1),
              "^data text format fail: line 3\n$");
  EXPECT_EXIT(startUpWithTable(""), ::testing::ExitedWithCode(1), "^data text format fail: line 1\n$");
}
