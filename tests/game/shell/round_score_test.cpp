// Rounds played through playRound on the fake platform go into the table of best scores:
// filled and ordered (ties: the earlier round first), with their kills by kind, their
// lengths on the game clock (countdown and pauses left out) and the totals. The game-over
// screen's lines about the table keep every pixel of the screen's own texts.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "game/shell/frame.h"
#include "game/shell/entry.h"
#include "game/shell/round_score.h"
#include "game/shell/screens.h"
#include "game/shell/startup.h"
#include "game/world/game_clock.h"
#include "game/world/kills.h"
#include "graphics/device.h"
#include "graphics/draw.h"
#include "platform/seam/clock.h"
#include "platform/seam/input.h"
#include "platform/replay/session.h"
#include "game/files/round_files.h"
#include "game/files/scores.h"
#include "game/files/score_table.h"
#include "platform/port/storage.h"
#include "tests/helpers/game_fixture.h"

using namespace test_game;
namespace fake = platform::fake;
namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t kPassMs = 11;

// What the pass hook does in one round: scoring kills of these kinds and the death after
// pass deathPass; a pause from pass pauseAt (0: none) for pausePasses passes.
struct RoundScript {
  int deathPass = 10;
  std::vector<std::int8_t> kills;
  int pauseAt = 0;
  int pausePasses = 0;
  // Observed.
  int passes = 0;
  int pausedPasses = 0;
  int gameOverPasses = 0;
  std::uint64_t stoppedMs = 0;  // platform time that went by with the game clock stopped
  std::uint64_t deathTick = 0;
};

RoundScript script;

void killOneOf(std::int8_t kind) {
  placeMonster(0, 700, 300, 1, kind);
  monsters[0].alive = 0;
  monsters[0].hitPoints = 0;
  onMonsterKilled(0);
}

// After every pass: the script's kills, death, pause and Enter; the clock moves on 11 ms.
void scriptedPass() {
  if (gameClockStopped()) {
    script.stoppedMs += kPassMs;
    fake::releaseKey(platform::kVkPause);
    if (++script.pausedPasses == script.pausePasses) fake::holdKey(platform::kVkLButton);
  } else if (player.hitPoints > 0) {
    fake::releaseKey(platform::kVkLButton);
    if (++script.passes == script.pauseAt) fake::holdKey(platform::kVkPause);
    if (script.passes == script.deathPass) {
      for (std::int8_t kind : script.kills) killOneOf(kind);
      player.hitPoints = 0;
      script.deathTick = platform::tickCount();
    }
  } else if (++script.gameOverPasses == 2) {
    fake::holdKey(platform::kVkReturn);
  }
  fake::advanceTicks(kPassMs);
}

ScoreTable readTable(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const ScoreTableReading reading = readScoreTable(text);
  EXPECT_EQ(reading.problem, "");
  return reading.table;
}

class RoundScore : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    applyTextSettings();
    dir_ = fs::temp_directory_path() / ("round_score_test_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    ::setenv("XDG_DATA_HOME", dir_.c_str(), 1);
    ASSERT_TRUE(keepScores("dream-arena test"));
    recordRoundsInto(platform::dataFolder(), "dream-arena test");
    platform::replay::setAfterPass(scriptedPass);
  }
  void TearDown() override {
    platform::replay::setAfterPass(nullptr);
    stopRecordingRounds();
    stopKeepingScores();
    ::unsetenv("XDG_DATA_HOME");
    fs::remove_all(dir_);
    GameTest::TearDown();
  }

  // Plays one round and leaves on its game-over screen with Enter.
  void play(const RoundScript& round, bool countdown) {
    script = round;
    fake::releaseAll();
    bool countdownPending = countdown;
    EXPECT_FALSE(playRound(countdownPending)) << "Enter leaves";
  }

  fs::path table() const { return dir_ / "dream-arena" / "scores.txt"; }

  fs::path dir_;
};

TEST_F(RoundScore, RoundsFillTheTableInOrderWithTheirKillsLengthsAndTotals) {
  const std::vector<std::vector<std::int8_t>> kills = {
      {1, 1, 2},       {3},        {2, 4, 4, 1, 1}, {},     {1, 2, 3},     {4, 4, 4, 4, 4, 4},
      {2, 2, 2, 2, 2}, {1, 3},     {3, 3, 3},       {1},    {4, 1, 2, 3},  {2, 2}};
  std::uint64_t allKills = 0, allMs = 0;
  for (std::size_t r = 0; r < kills.size(); ++r) {
    RoundScript round;
    round.deathPass = 5 + int(r);
    round.kills = kills[r];
    play(round, false);
    allKills += kills[r].size();
    allMs += kPassMs * std::uint64_t(round.deathPass - 1);
  }
  const ScoreTable kept = readTable(table());
  EXPECT_EQ(kept.totals.rounds, 12u);
  EXPECT_EQ(kept.totals.kills, allKills);
  EXPECT_EQ(kept.totals.playedMs, allMs) << "11 ms a pass from the first pass to the death";

  // Scores 3 1 5 0 3 6 5 2 3 1 4 2: best first, of a tie the earlier round first.
  const std::size_t order[] = {5, 2, 6, 10, 0, 4, 8, 7, 11, 1};
  ASSERT_EQ(kept.best.size(), 10u);
  for (std::size_t k = 0; k < 10; ++k) {
    const ScoreEntry& e = kept.best[k];
    const std::size_t r = order[k];
    EXPECT_EQ(e.lengthMs, kPassMs * (4 + r)) << "place " << k + 1 << " is round " << r;
    EXPECT_EQ(e.score, kills[r].size()) << "place " << k + 1;
    std::uint64_t byKind[5] = {};
    for (std::int8_t kind : kills[r]) ++byKind[kind];
    std::size_t listed = 0;
    for (const KindKills& k : e.kills) {
      ASSERT_TRUE(k.kind >= 1 && k.kind <= 4);
      EXPECT_EQ(k.count, byKind[k.kind]) << "round " << r << " kind " << int(k.kind);
      listed += k.count;
    }
    EXPECT_EQ(listed, kills[r].size()) << "round " << r;
    EXPECT_EQ(e.version, "dream-arena test");
    EXPECT_FALSE(e.roundFile.empty()) << "place " << k + 1 << " keeps its round's file";
    EXPECT_TRUE(fs::is_regular_file(table().parent_path() / e.roundFile)) << e.roundFile;
  }
  // The two rounds left out (scores 0 and 1, the later of the two 1s) had their files deleted.
  std::size_t roundFiles = 0;
  for (const fs::directory_entry& f : fs::directory_iterator(table().parent_path()))
    roundFiles += f.path().extension() == ".replay";
  EXPECT_EQ(roundFiles, 10u) << "only the ten best rounds' files are kept";
}

TEST_F(RoundScore, ARoundsLengthLeavesOutTheCountdownAndPauses) {
  RoundScript round;
  round.deathPass = 80;
  round.kills = {1};
  round.pauseAt = 30;
  round.pausePasses = 40;
  const std::uint64_t start = platform::tickCount();
  play(round, true);
  ASSERT_GT(script.stoppedMs, 40 * kPassMs) << "the round was paused";
  // The first pass, then the countdown's four seconds and its four shown passes.
  const std::uint64_t afterCountdown = start + kPassMs + 4000 + 4 * kPassMs;
  const ScoreTable kept = readTable(table());
  ASSERT_EQ(kept.best.size(), 1u);
  EXPECT_EQ(kept.best[0].lengthMs, script.deathTick - afterCountdown - script.stoppedMs);
}

TEST_F(RoundScore, AGameThatDoesNotAskKeepsNothing) {
  stopKeepingScores();  // as the headless driver and the tests run the game
  RoundScript round;
  round.kills = {1, 2};
  play(round, false);
  EXPECT_EQ(script.gameOverPasses, 2) << "the round ended and its game-over screen ran";
  EXPECT_FALSE(fs::exists(table())) << "no table written";
}

// The game-over screen's texts, with and without the table's lines.
std::vector<std::uint32_t> gameOverPicture(const TablePlace& place) {
  drawFrame();
  drawGameOverTexts();
  drawTablePlace(place);
  const std::uint32_t* p = pixelBuffer(nullptr);
  return std::vector<std::uint32_t>(p, p + 1600 * 960);
}

TEST_F(RoundScore, TheTablesLinesLeaveTheScreensOwnTextsAsTheyAre) {
  resetRound();
  player.hitPoints = 0;
  assets.backgroundImage.resize(1600, 960);
  std::fill_n(pixelBuffer(&assets.backgroundImage), 1600 * 960, 0xFF336699u);
  gameOverPicture({});  // the first frame's animation step
  const std::vector<std::uint32_t> plain = gameOverPicture({});
  struct Box {
    int x, y, height;
    const char* text;
  };
  const Box design[] = {{450, 192, 100, "Another Dream?"},
                        {275, 384, 100, "Click to dream again."},
                        {450, 576, 100, "Enter to exit."},
                        {375, 768, 50, "Or close the window yourself(doge)"}};
  int right[4];
  for (int k = 0; k < 4; ++k) {
    gfx::setFont(design[k].height, 0, "Consolas");
    right[k] = design[k].x + gfx::graphicsState.currentDevice->measureTextWidth(design[k].text);
  }
  gfx::setFont(100, 0, "Consolas");
  for (const TablePlace place : {TablePlace{true, 1, 57}, TablePlace{true, 7, 12345},
                                           TablePlace{true, 0, 3}}) {
    const std::vector<std::uint32_t> shown = gameOverPicture(place);
    int changed = 0;
    for (int y = 0; y < 960; ++y) {
      for (int x = 0; x < 1600; ++x) {
        const std::size_t i = std::size_t(y) * 1600 + std::size_t(x);
        if (shown[i] == plain[i]) continue;
        ++changed;
        for (int k = 0; k < 4; ++k) {
          ASSERT_FALSE(x >= design[k].x && x < right[k] && y >= design[k].y && y < design[k].y + design[k].height)
              << "place " << place.place << ": pixel (" << x << ", " << y << ") of \"" << design[k].text << "\" changed";
        }
        ASSERT_LT(y, 192) << "place " << place.place << ": the lines stay above \"Another Dream?\"; pixel (" << x << ", " << y << ")";
      }
    }
    EXPECT_GT(changed, 1000) << "place " << place.place << ": the lines are drawn";
  }
  const std::vector<std::uint32_t> again = gameOverPicture({});
  const auto differs = std::mismatch(again.begin(), again.end(), plain.begin());
  EXPECT_TRUE(differs.first == again.end()) << "no table: nothing new is drawn; pixel (" << (differs.first - again.begin()) % 1600
                                            << ", " << (differs.first - again.begin()) / 1600 << ") changed";
  assets.backgroundImage.resize(0, 0);
}

}  // namespace
