// Enemy shots: the water bullets of the black cloud and the fan shots of the plane.
// Shots are single std::malloc blocks owned by the list enemyShots; a shot that cannot be
// allocated ends the process with the firing rule's message on standard output.
#pragma once
#include "game/world/records.h"

// Sets shot.image from shot.heading by the twelve 30-degree bands. A heading outside every
// band (not a number) gets the level picture "enmbullet.png", so image is never null.
void chooseEnemyShotImage(EnemyShot& shot);

// A zeroed shot from the heap; on failure prints failMessage to standard output and exits 1.
EnemyShot* newEnemyShot(const char* failMessage);

// Appends the shot at the tail of enemyShots.
void appendEnemyShot(EnemyShot* shot);

// Unlinks the shot from enemyShots and frees it.
void removeEnemyShot(EnemyShot* shot);

// Prints the message to standard output and ends the process with status 1.
[[noreturn]] void failMonsterAllocation(const char* message);
