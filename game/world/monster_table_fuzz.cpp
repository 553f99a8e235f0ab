// libFuzzer harness of the monster table reader: arbitrary text goes to parseMonsterTable,
// and the result is held to its promises: an accepted table has four kind codes whose low
// byte is 1 to 4 and numbers within the limits; a refused one names a line of the text and
// leaves the kinds as they were.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "game/world/monster_kinds.h"
#include "game/world/monster_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The four kind codes of the game; the reader only asks whether a code has a row.
  static MonsterKindRow rows[4] = {};
  for (int k = 0; k < 4; ++k) rows[k].code = static_cast<std::int8_t>(k + 1);
  useMonsterKinds(rows, 4);
  const std::string text(reinterpret_cast<const char*>(data), size);
  MonsterKind kinds[kKindCount];
  for (MonsterKind& k : kinds) k = MonsterKind{-7, -7, -7, -7};
  const int line = parseMonsterTable(text, kinds);
  if (line == 0) {
    for (const MonsterKind& k : kinds) {
      const int code = std::int8_t(k.kind & 0xFF);
      if (code < 1 || code > 4) std::abort();
      for (std::int64_t value : {std::int64_t(k.damage), std::int64_t(k.hitPoints), std::int64_t(k.speed), std::int64_t(k.kind)})
        if (value < -1000000 || value > 1000000) std::abort();
    }
    return 0;
  }
  std::size_t lines = 1;
  for (char c : text) lines += c == '\n';
  if (line < 1 || std::size_t(line) > lines) std::abort();
  for (const MonsterKind& k : kinds)
    if (k.damage != -7 || k.hitPoints != -7 || k.speed != -7 || k.kind != -7) std::abort();
  return 0;
}
