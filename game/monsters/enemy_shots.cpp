// Placeholder until the monster rules land.
#include "game/monsters/enemy_shots.h"

void chooseEnemyShotImage(EnemyShot&) {}
