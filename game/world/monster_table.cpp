// The monster table's text: four groups of four integers read with their line numbers,
// within limits, so that a damaged monsterData.txt is refused with the line to look at.
#include "game/world/monster_table.h"

#include "game/world/monster_kinds.h"

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
    if (!findMonsterKind(code)) return lines[4 * k + 3];
  }
  for (int k = 0; k < kKindCount; ++k) {
    kinds[k].damage = numbers[4 * k];
    kinds[k].hitPoints = numbers[4 * k + 1];
    kinds[k].speed = numbers[4 * k + 2];
    kinds[k].kind = numbers[4 * k + 3];
  }
  return 0;
}
