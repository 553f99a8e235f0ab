// The plane's bombs: flight, fuse, blast hits; and their drawing with the blast animation.
#pragma once

void updateBooms();

// Draws every bomb or its blast, stepping the blast animation and freeing spent bombs.
void drawBooms();
