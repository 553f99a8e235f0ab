// The page's sounds: a sound file's bytes handed to Web Audio (the browser decodes Ogg
// Vorbis and MP3 alike), played on voices. Sound starts with the player's first click or
// key, as browsers ask; sounds played before then are not heard. Main thread.
#pragma once
#include <string>

namespace platform::web {

// Reads the file at path and hands its bytes to the page; the sound's number, or -1 when
// the file cannot be read or is empty.
int loadSoundFile(const std::string& path);

// Plays sound on voice (any small number): a voice still playing starts again.
void playSound(int voice, int sound);

}  // namespace platform::web
