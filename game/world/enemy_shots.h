// Enemy shots: the water bullets of the black cloud and the fan shots of the plane.
// Shots are heap blocks (newListElement, with the firing rule's failure message) owned by
// the list enemyShots.
#pragma once
#include "game/world/records.h"

// Sets shot.image from shot.heading by the twelve 30-degree bands. A heading outside every
// band (not a number) gets the level picture "enmbullet.png", so image is never null.
void chooseEnemyShotImage(EnemyShot& shot);

// Appends the shot at the tail of enemyShots.
void appendEnemyShot(EnemyShot* shot);

// Unlinks the shot from enemyShots and frees it.
void removeEnemyShot(EnemyShot* shot);
