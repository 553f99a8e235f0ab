// dream-arena: the executable is the game's entry and nothing else.
#include "game/shell/entry.h"

int main() { return gameMain(); }
