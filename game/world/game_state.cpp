// Putting the whole game state back to its program-start values.
#include "game/world/game_state.h"

#include "game/world/game_clock.h"

void clearGameState() {
  freeScore();
  freeBooms();
  freeShots();
  freeMeats();
  clearRoundTally();
  player = Player{};
  player.state = Free;
  player.specialCooldown = 60;
  for (MonsterKind& kind : monsterKinds) kind = MonsterKind{};
  for (Monster& slot : monsters) slot = Monster{};
  sleepX = 0;
  sleepY = 0;
  randomSeed = 0;
  resetGameClock();
}
