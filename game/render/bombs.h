// Drawing of the bombs and their blasts.
#pragma once

// Draws every bomb or its blast, stepping the blast animation and freeing spent bombs.
void drawBooms();
