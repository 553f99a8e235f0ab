// Start-up and round reset: the random seed, text settings, the monster table, the assets,
// the sleeping figure's place; then per round the fresh player, empty lists and score '0'.
#include "game/shell/startup.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "game/assets/catalogue.h"
#include "game/world/game_state.h"
#include "graphics/draw.h"
#include "platform/paths.h"

namespace {

constexpr long kNumberLimit = 1000000;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The line a number missing at the end would stand on: the line of the last character that
// is not white space (line 1 when there is none).
int lastLine(const std::string& text, std::size_t start) {
  int line = 1;
  int lineOfLast = 1;
  for (std::size_t i = start; i < text.size(); ++i) {
    if (text[i] == '\n') ++line;
    else if (!isSpace(text[i])) lineOfLast = line;
  }
  return lineOfLast;
}

[[noreturn]] void failStart(const char* message) {
  std::fputs(message, stdout);
  std::fflush(stdout);
  std::exit(1);
}

void readMonsterTable() {
  // A directory opens like a file but throws on the first read: only files are read.
  const std::string path = platform::nativePath("monsterData.txt");
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) failStart("data text open fail");
  std::ifstream file(path, std::ios::binary);
  if (!file) failStart("data text open fail");
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  int badLine = parseMonsterTable(text, monsterKinds);
  if (badLine != 0) {
    std::printf("data text format fail: line %d\n", badLine);
    std::fflush(stdout);
    std::exit(1);
  }
}

}  // namespace

int parseMonsterTable(const std::string& text, MonsterKind kinds[kKindCount]) {
  std::size_t at = 0;
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) at = 3;
  const std::size_t start = at;
  int line = 1;
  std::int32_t numbers[kKindCount * 4];
  int lines[kKindCount * 4];
  for (int n = 0; n < kKindCount * 4; ++n) {
    while (at < text.size() && isSpace(text[at])) {
      if (text[at] == '\n') ++line;
      ++at;
    }
    if (at == text.size()) return lastLine(text, start);
    lines[n] = line;
    bool negative = false;
    if (text[at] == '+' || text[at] == '-') negative = text[at++] == '-';
    if (at == text.size() || !isDigit(text[at])) return line;
    long value = 0;
    while (at < text.size() && isDigit(text[at])) {
      if (value <= kNumberLimit) value = value * 10 + (text[at] - '0');
      ++at;
    }
    if (value > kNumberLimit) return line;
    numbers[n] = static_cast<std::int32_t>(negative ? -value : value);
  }
  for (int k = 0; k < kKindCount; ++k) {
    const std::int8_t code = static_cast<std::int8_t>(numbers[4 * k + 3] & 0xFF);
    if (code < kShark || code > kKing) return lines[4 * k + 3];
  }
  for (int k = 0; k < kKindCount; ++k) {
    kinds[k].damage = numbers[4 * k];
    kinds[k].hitPoints = numbers[4 * k + 1];
    kinds[k].speed = numbers[4 * k + 2];
    kinds[k].kind = numbers[4 * k + 3];
  }
  return 0;
}

void applyTextSettings() {
  gfx::setBackColour(0xFFFFFF);
  gfx::setFont(100, 0, "Consolas");
  gfx::setTextColour(0xFF9600);
}

void startUp() {
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  applyTextSettings();
  readMonsterTable();
  loadImages();
  loadSounds();
  sleepX = 800 - assets.sleepImages[0].width() / 2;
  sleepY = 960 - assets.sleepImages[0].height();
}

void resetRound() {
  freeScore();
  freeBooms();
  freeShots();
  freeMeats();
  player.hitPoints = 50;
  player.damage = 3;
  player.energy = 150;
  player.x = static_cast<float>(std::rand() % 1450);
  player.speed = 5;
  player.invulnerable = 0;
  player.ammo = 30;
  player.y = static_cast<float>(std::rand() % 610);
  auto* digit = static_cast<ScoreDigit*>(std::malloc(sizeof(ScoreDigit)));
  if (!digit) failStart("malloc fail\n");
  digit->digit = '0';
  digit->next = nullptr;
  digit->prev = nullptr;
  for (Monster& slot : monsters) {
    slot.alive = 0;
    slot.state = kMonsterIdle;
  }
  scoreHead = scoreTail = digit;
}
