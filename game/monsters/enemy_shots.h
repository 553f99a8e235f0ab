// Enemy shots: the picture for a heading.
#pragma once
#include "game/shell/records.h"

// Sets shot.image from shot.heading by the twelve 30-degree bands.
void chooseEnemyShotImage(EnemyShot& shot);
