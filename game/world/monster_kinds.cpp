// The table of monster kinds in use and the look-up of a kind code in it.
#include "game/world/monster_kinds.h"

namespace {

const MonsterKindRow* tableRows = nullptr;
std::size_t tableCount = 0;

}  // namespace

void useMonsterKinds(const MonsterKindRow* rows, std::size_t count) {
  tableRows = rows;
  tableCount = count;
}

const MonsterKindRow* findMonsterKind(std::int8_t code) {
  for (std::size_t i = 0; i < tableCount; ++i)
    if (tableRows[i].code == code) return &tableRows[i];
  return nullptr;
}

const MonsterKindRow* monsterKindRows(std::size_t& count) {
  count = tableCount;
  return tableRows;
}
