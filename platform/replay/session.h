// Record and replay at the platform seam. While a session runs, every answer the seam gives
// the game's main thread (the clock, key and button queries, the cursor, the calendar time
// that seeds the random generator) is written to a replay file as it is given, or taken from
// one instead of from the platform. The platform's own read functions pass their answers
// through the hooks below; the shell marks the end of every pass, where digests of the world
// and of the frame are kept every so often. A round's file may be recorded alongside (or
// alone): the same reads from the round's start. With neither, each hook is two checks of a
// flag and changes nothing.
//
// Failures: recording stops at the first write that fails (the file so far stays readable);
// a replay that departs from its file, or reaches its end, calls the stop handler, which
// ends the process.
#pragma once
#include <cstdint>
#include <string>

namespace platform::replay {

// Digest tags in the file.
constexpr std::uint8_t kWorldDigest = 1;
constexpr std::uint8_t kFrameDigest = 2;
// A digest of the world every this many passes, of the frame every kFrameDigestPasses.
constexpr std::uint64_t kWorldDigestPasses = 64;
constexpr std::uint64_t kFrameDigestPasses = 512;

// Records the calling thread's reads into path, a file made anew. false and a one-line error
// when it cannot be made. The game calls it at the start of main.
bool startRecording(const std::string& path, const std::string& gameVersion, std::string& error);

// The real program's start: with DREAM_ARENA_RECORD=FILE in its environment it records into
// FILE; a file that cannot be made ends the program on the fatal path with the writer's
// one-line reason. Without the variable nothing is written.
void recordIfAsked(const std::string& gameVersion);

// Writes a pass still holding reads and closes the file (at a normal end of the program).
void stopRecording();

// A file of one round, recorded alongside the session file (or alone): from now on the
// calling thread's reads also go to path, a file made anew, whose passes count from 1 here
// and carry their own digests. A replay refuses it (false). false and a one-line error when
// the file cannot be made.
bool startRoundRecording(const std::string& path, const std::string& gameVersion, std::string& error);
// Ends the round's file after its last whole pass: reads made since that pass's end are
// left out. false and a one-line error when a write failed at any point (the file then
// holds the passes before it).
bool finishRoundRecording(std::string& error);
// A round's file is being recorded.
bool recordingRound();

enum class StopReason { kEndOfFile, kDeparture };

// Called when a replay departs from its file (message says at which pass and what
// differed) or the game asks for more than the file holds (the recorded session ended
// there). It must not return.
using StopHandler = void (*)(StopReason reason, const std::string& message);

// Answers the calling thread's reads from the replay file at path. false and a one-line
// error when the file cannot be read. With withFrames false, frame digests in the file are
// passed over unchecked (the replay composes no frames).
bool startReplay(const std::string& path, bool withFrames, StopHandler onStop, std::string& error);

// Watching: a frame digest that differs from the file's (the drawing changed since the round
// was played) is handed to report with its pass instead of ending the replay; the world's
// digests still decide. nullptr (the default, dream-sim's) keeps every digest strict.
using FrameDigestReport = void (*)(std::uint64_t pass, std::uint64_t recorded, std::uint64_t made);
void setFrameDigestReport(FrameDigestReport report);

// After the game has finished: true when the whole file was played; otherwise message
// says what is left.
bool finishReplay(std::string& message);

// Recording, or replaying.
bool active();
// Replaying on the calling thread: the seam's answers come from a file, and nothing the
// game does is for real.
bool replaying();
// The pass being recorded or replayed, from 1.
std::uint64_t passNumber();
// The replay's game version (empty when not replaying).
std::string recordedGameVersion();
// Milliseconds of play replayed so far: the last clock reading given minus the first.
std::uint64_t replayedMilliseconds();
// The clock reading the next pass will end on, as replayedMilliseconds counts: the last clock
// read of the pass to come; for a pass that reads none (a pause's rests), the first reading
// after it, so a watch shows the paused screen for as long as the pause lasted; the last
// reading given when none follows (a watch paces by it).
std::uint64_t upcomingMilliseconds();
// Whether the file's first pass opens with a value read under tag (a round's file opens so).
bool replayOpensWith(std::uint8_t tag);

// The seam's hooks: each takes the platform's own answer and returns the answer the game
// gets (the same, recorded, when recording; the file's when replaying). Reads made by any
// other thread than the session's pass through unchanged.
std::uint64_t clockRead(std::uint64_t live);
bool keyRead(int virtualKey, bool live);
void cursorRead(int& x, int& y);
std::uint64_t calendarRead(std::uint64_t live);

// Tags of value reads: answers of the seam that are neither keys, the cursor nor the clock.
// Each feature keeps to its own range so that tags never collide.
namespace value_tag {
constexpr std::uint8_t kComposes = 1;    // whether this pass composes and shows a frame
constexpr std::uint8_t kPauseHint = 2;   // the pause screen's line of bindings, as text
constexpr std::uint8_t kFirstPad = 16;   // 16..31: gamepads
constexpr std::uint8_t kFirstScore = 32; // 32..63: the table of best scores
constexpr std::uint8_t kFirstRound = 64; // 64..79: what a round inherits from the rounds before it
}  // namespace value_tag

// A value read under tag: live recorded, or the file's answer. A file made before the reads
// of its tag existed (format 1 or 2 for any; 3 for the score table's and a round's opening;
// 4 for the pads') answers unrecorded, taking nothing from the file: what the game that
// recorded it did without the read.
std::uint64_t valueRead(std::uint8_t tag, std::uint64_t live, std::uint64_t unrecorded);
// A text read the same way as valueRead: its length, then its bytes eight to a value read.
std::string textRead(std::uint8_t tag, const std::string& live, const std::string& unrecorded);

// The end of one pass: the game has shown its frame. Every kWorldDigestPasses-th pass keeps
// (or checks) worldDigest(), every kFrameDigestPasses-th frameDigest(); each is called only
// then. afterPass, when set (by a replayer, or a driver that plays the game headless), is
// called after every pass, with or without a session; it may end the process.
using Digest = std::uint64_t (*)();
void endPass(Digest worldDigest, Digest frameDigest);
void setAfterPass(void (*afterPass)());

}  // namespace platform::replay
