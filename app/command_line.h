// The program's command line and start-up settings: --help prints how to play and the
// settings, --scores the best rounds and the totals, --settings FILE reads and keeps the
// settings in FILE instead of the player's own file, --watch FILE and --watch-best ask to
// watch a recorded round instead of playing. Without --help, loads the settings (the first
// start writes them) and sets the sound level; the window reads the rest when it opens.
#pragma once
#include <string>

namespace platform {

// Called first by main. Returns -1 when the game should play (or watch: watchFile then holds
// the FILE of --watch, else it is empty), else the exit status to end with: 0 after --help, 2
// after a usage error (one line on standard error): an option it does not know, a FILE
// missing or empty, --settings twice, or more than one of --scores, --watch and --watch-best.
// Only when the game will play or watch are the settings loaded and the audio started.
int startFromCommandLine(int argc, char** argv, std::string& watchFile);

}  // namespace platform
