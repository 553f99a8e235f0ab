// The file of every round a live game plays, kept in the player's data folder so that a round
// can be watched again. A round is recorded under a temporary name while it runs; when its hit
// points reach 0 the file is ended and renamed, and its path handed to whoever keeps or
// deletes it. Only the real program asks for this (recordRoundsInto): replays, watching and
// the headless driver record no rounds unless told to.
//
// Failures never stop the game: a folder that cannot be made or written prints one line on
// standard output, once (per folder asked for), and the rounds go unrecorded; a round whose
// file fails is dropped.
#pragma once
#include <string>

// From now on every round is recorded into folder (made when it is missing), its header naming
// gameVersion. Temporary files of rounds left by games no longer running are removed.
void recordRoundsInto(const std::string& folder, const std::string& gameVersion);

// Rounds are no longer recorded (tests).
void stopRecordingRounds();

// A round begins (before it reads anything): its file is made, unless rounds are not recorded.
void beginRoundFile();

// The round has ended: its file is finished and renamed to round-<date>-<time>-<pid>-<n>.replay
// in the folder (n counts this process's rounds); returns that path, or an empty string when no file was recorded.
std::string finishRoundFile();

