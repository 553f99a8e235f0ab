// The whole game played with SDL's virtual game controller alone, in this process (a virtual
// pad exists only inside the process that attached it): the game's own entry runs on the main
// thread in a real window under the test's X server and window manager, while a second thread
// drives the pad and watches the world through the hook that runs after every pass. No key
// or mouse event may reach the game. The test keeps the field clear of monsters, so that no
// knock or hit gets in the pad's way, and ends a round by taking the player's hit points,
// both between two passes.
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <thread>

#include "game/shell/entry.h"
#include "game/world/game_clock.h"
#include "game/world/lists.h"
#include "game/world/round_state.h"
#include "game/world/rule_sizes.h"
#include "game/world/shown_pictures.h"
#include "pad/park_pointer.h"
#include "platform/replay/session.h"
#include "platform/settings/settings_file.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// What the hook saw at the end of the last pass.
struct Seen {
  std::uint64_t passes = 0;
  int hitPoints = 0;
  float x = 0, y = 0;
  bool clockStopped = false;
  int shotsFired = 0;             // shots seen leaving, each counted at the pass it was fired
  double newestShotHeading = 0;  // the heading of the last of them
  int meats = 0;
  int ammo = 0, energy = 0, state = 0;
  int centreX = 0, centreY = 0;  // the player's centre, as the rules fire from it
  int aimX = 0, aimY = 0;        // the point the last shot was fired at
  bool crosshair = false;        // what the last animation step chose to show
  int crosshairX = 0, crosshairY = 0;
  unsigned statesSeen = 0;  // bit per PlayerState seen since the driver last cleared it
};

std::mutex seenLock;
Seen seen;
std::atomic<bool> placeMeatAsked{false};
std::atomic<bool> endRoundAsked{false};
std::atomic<bool> handsOff{false};      // a recorded session: the world is the game's alone
std::atomic<bool> stopRecordingAsked{false};
std::atomic<int> keyOrMouseEvents{0};

// Runs on the game's main thread after every pass: the world as the driver may read it, and
// the test's own hand on it (a piece of meat under the player, the round's end).
void afterPass() {
  if (stopRecordingAsked.exchange(false)) {
    platform::replay::stopRecording();
    handsOff = false;
  }
  if (!handsOff && placeMeatAsked.exchange(false)) {
    auto* piece = newListElement<Meat>("meat");
    piece->x = int(player.x);
    piece->y = int(player.y);
    piece->lifetime = 100000;
    appendAtTail(meats, piece);
  }
  if (endRoundAsked.exchange(false)) player.hitPoints = 0;
  if (!handsOff)
    for (Monster& monster : monsters) monster.alive = 0;
  std::lock_guard<std::mutex> lock(seenLock);
  ++seen.passes;
  seen.hitPoints = player.hitPoints;
  seen.x = player.x;
  seen.y = player.y;
  seen.clockStopped = gameClockStopped();
  PlayerShot* newest = playerShots;
  while (newest && newest->next) newest = newest->next;
  if (player.ammo < seen.ammo && newest) {
    ++seen.shotsFired;
    seen.newestShotHeading = newest->heading;
  }
  seen.meats = 0;
  for (Meat* piece = meats; piece; piece = piece->next) ++seen.meats;
  seen.statesSeen |= 1u << unsigned(player.state);
  seen.ammo = player.ammo;
  seen.energy = player.energy;
  seen.state = player.state;
  seen.centreX = int(player.x) + ruleSizes.player.width / 2;
  seen.centreY = int(player.y) + ruleSizes.player.height / 2;
  seen.aimX = player.aimX;
  seen.aimY = player.aimY;
  seen.crosshair = shownPictures.crosshair;
  seen.crosshairX = shownPictures.crosshairX;
  seen.crosshairY = shownPictures.crosshairY;
}

Seen now() {
  std::lock_guard<std::mutex> lock(seenLock);
  return seen;
}

void clearStatesSeen() {
  std::lock_guard<std::mutex> lock(seenLock);
  seen.statesSeen = 0;
}

int countKeyAndMouse(void*, SDL_Event* event) {
  switch (event->type) {
    case SDL_KEYDOWN: case SDL_KEYUP: case SDL_TEXTINPUT: case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN: case SDL_MOUSEBUTTONUP: case SDL_MOUSEWHEEL: ++keyOrMouseEvents; break;
    default: break;
  }
  return 1;
}

// The driver's failures end the process at once: the game's loop would otherwise wait for
// a pad that no longer speaks.
[[noreturn]] void fail(const std::string& what) {
  const Seen s = now();
  std::fprintf(stderr, "pad test failed: %s (pass %llu, hit points %d, at %.0f,%.0f, clock %s, shots fired %d, meat %d, ammo %d, energy %d, state %d)\n",
               what.c_str(), (unsigned long long)s.passes, s.hitPoints, s.x, s.y, s.clockStopped ? "stopped" : "running",
               s.shotsFired, s.meats, s.ammo, s.energy, s.state);
  std::fflush(stderr);
  _exit(1);
}

void waitFor(const std::string& what, const std::function<bool(const Seen&)>& done, double seconds = 10) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(long(seconds * 1000));
  while (!done(now())) {
    if (Clock::now() > deadline) fail("waited in vain for " + what);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Does act until done, as a player presses again when a monster's knock got in the way: up
// to five times, a second apart.
void retryUntil(const std::string& what, const std::function<void()>& act, const std::function<bool(const Seen&)>& done) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    act();
    const auto deadline = Clock::now() + std::chrono::seconds(1);
    while (Clock::now() < deadline) {
      if (done(now())) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
  fail("tried in vain for " + what);
}

// The virtual pad: attached, driven and detached by the driver thread.
class VirtualPad {
 public:
  void attach() {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "dream-arena test pad";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    if (index < 0) fail(std::string("no virtual pad: ") + SDL_GetError());
    joystick_ = SDL_JoystickOpen(index);
    if (!joystick_) fail(std::string("cannot open the virtual pad: ") + SDL_GetError());
    // A trigger's axis rests at its low end; a fresh virtual axis sits in the middle.
    axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, -32768);
    axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -32768);
  }
  void detach() {
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    for (int index = 0; index < SDL_NumJoysticks(); ++index)
      if (SDL_JoystickGetDeviceInstanceID(index) == id && SDL_JoystickDetachVirtual(index) == 0) return;
    fail("the virtual pad would not detach");
  }
  void axis(SDL_GameControllerAxis which, int value) { SDL_JoystickSetVirtualAxis(joystick_, which, Sint16(value)); }
  void hold(SDL_GameControllerButton which, bool down) { SDL_JoystickSetVirtualButton(joystick_, which, down); }
  // A press long enough for the window thread's pump and a game update to see it.
  void tap(SDL_GameControllerButton which) {
    hold(which, true);
    pause(100);
    hold(which, false);
    pause(60);
  }
  void trigger(SDL_GameControllerAxis which) {
    axis(which, 32767);
    pause(100);
    axis(which, -32768);
    pause(60);
  }

 private:
  SDL_Joystick* joystick_ = nullptr;
};

// A working directory of the staged resources, the test's monster table and its own settings
// and data folders; the pointer parked in the screen's far corner, away from where the window opens.
class PadGame : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* stage = std::getenv("DA_STAGE_DIR");
    ASSERT_TRUE(stage && *stage) << "DA_STAGE_DIR must name the staged working directory";
    work_ = fs::temp_directory_path() / ("pad_game_" + std::to_string(getpid()));
    fs::create_directories(work_ / "config");
    fs::create_symlink(fs::path(stage) / "resources", work_ / "resources");
    std::ofstream(work_ / "monsterData.txt") << "1 500 1 1\n1 500 1 2\n1 500 1 3\n1 500 1 4\n";
    ASSERT_EQ(chdir(work_.c_str()), 0);
    setenv("XDG_CONFIG_HOME", (work_ / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (work_ / "data").c_str(), 1);  // the tester's own scores stay untouched
    platform::loadSettings(platform::defaultSettingsPath(), true);
    parkPointer();
    platform::replay::setAfterPass(afterPass);
    // The joystick subsystem first, so a pad attached now is there when the game starts.
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    SDL_AddEventWatch(countKeyAndMouse, nullptr);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(work_, ignored);
  }

  // Runs the game on this thread and the driver beside it; the game must end by itself.
  void play(const std::function<void()>& drive) {
    std::thread driver([&] {
      drive();
    });
    const int status = gameMain();
    driver.join();
    EXPECT_EQ(status, 0);
    EXPECT_EQ(keyOrMouseEvents.load(), 0) << "a key or mouse event reached the game";
  }

  fs::path work_;
};

bool inRound(const Seen& s) { return s.hitPoints > 0 && !s.clockStopped; }

// Holds the walk stick right until the player has walked; the countdown may come first.
void walkRight(VirtualPad& pad) {
  const float before = now().x;
  pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 32767);
  waitFor("the player to walk right", [before](const Seen& s) { return s.x > before + 40; });
  pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
}

void fireToward(VirtualPad& pad, int stickX, int stickY, double wantHeading) {
  pad.axis(SDL_CONTROLLER_AXIS_RIGHTX, stickX);
  pad.axis(SDL_CONTROLLER_AXIS_RIGHTY, stickY);
  pause(60);
  pad.axis(SDL_CONTROLLER_AXIS_RIGHTX, 0);  // at rest the aim point stays
  pad.axis(SDL_CONTROLLER_AXIS_RIGHTY, 0);
  int firedBefore = 0;
  Seen fired;
  retryUntil("a shot", [&] { firedBefore = now().shotsFired; pad.trigger(SDL_CONTROLLER_AXIS_TRIGGERRIGHT); },
             [&](const Seen& s) { fired = s; return s.shotsFired > firedBefore; });
  if (std::cos(fired.newestShotHeading - wantHeading) < 0.99)
    fail("the shot flies at " + std::to_string(fired.newestShotHeading) + " rad, not toward the stick (" +
         std::to_string(wantHeading) + ")");
  const double reach = std::hypot(fired.aimX - fired.centreX, fired.aimY - fired.centreY);
  const bool onEdge = fired.aimX == 0 || fired.aimX == 1600 || fired.aimY == 0 || fired.aimY == 760;
  if (std::fabs(reach - 300) > 2 && !(onEdge && reach < 300))
    fail("the aim point lies " + std::to_string(reach) + " px from the player's centre, neither 300 nor on the field's edge");
  waitFor("the crosshair on the aim point", [&fired](const Seen& s) {
    return s.crosshair && s.crosshairX == fired.aimX && s.crosshairY == fired.aimY;
  });
  pause(500);  // the next attack waits for the last one's time to pass
}

void expectState(VirtualPad& pad, SDL_GameControllerButton button, PlayerState state, const char* what) {
  retryUntil(what, [&] { clearStatesSeen(); pad.tap(button); },
             [state](const Seen& s) { return s.statesSeen & (1u << unsigned(state)); });
  pause(500);
}

void endRound() {
  endRoundAsked = true;
  waitFor("the game-over screen", [](const Seen& s) { return s.hitPoints <= 0; });
  pause(300);
}

TEST_F(PadGame, WholeGameWithThePadAlone) {
  VirtualPad pad;
  pad.attach();  // present at start
  play([&pad] {
    waitFor("the title screen", [](const Seen& s) { return s.passes > 20; });
    pad.tap(SDL_CONTROLLER_BUTTON_A);  // the title's click
    walkRight(pad);
    fireToward(pad, -32767, 0, M_PI);
    fireToward(pad, 0, -32767, -M_PI / 2);
    expectState(pad, SDL_CONTROLLER_BUTTON_A, Striking, "a strike");
    expectState(pad, SDL_CONTROLLER_BUTTON_B, Dashing, "a dash");
    placeMeatAsked = true;
    waitFor("meat under the player", [](const Seen& s) { return s.meats > 0; });
    expectState(pad, SDL_CONTROLLER_BUTTON_X, Eating, "the meat eaten");
    if (now().meats != 0) fail("the meat is still there");
    pad.tap(SDL_CONTROLLER_BUTTON_START);
    waitFor("the pause", [](const Seen& s) { return s.clockStopped; });
    pause(300);
    if (!now().clockStopped) fail("the pause did not last");
    pad.tap(SDL_CONTROLLER_BUTTON_START);
    waitFor("the round to play on", inRound);
    endRound();
    pad.tap(SDL_CONTROLLER_BUTTON_A);  // another round
    waitFor("another round", [](const Seen& s) { return s.hitPoints > 0; });
    walkRight(pad);
    endRound();
    pad.tap(SDL_CONTROLLER_BUTTON_BACK);  // Enter: leave
  });
}

TEST_F(PadGame, PadPluggedInLaterAndUnpluggedMidRound) {
  VirtualPad pad;
  play([&pad] {
    waitFor("the title screen", [](const Seen& s) { return s.passes > 20; });
    pad.attach();
    pause(200);  // the window thread opens it at its next look at the events
    pad.tap(SDL_CONTROLLER_BUTTON_A);
    walkRight(pad);
    pad.detach();
    waitFor("the pause on unplugging", [](const Seen& s) { return s.clockStopped; });
    pad.attach();
    pause(300);
    if (!now().clockStopped) fail("plugging the pad in resumed the round by itself");
    pad.tap(SDL_CONTROLLER_BUTTON_START);
    waitFor("the round to play on", inRound);
    walkRight(pad);
    endRound();
    pad.tap(SDL_CONTROLLER_BUTTON_BACK);
  });
}

// Records a session played with the pad alone into $PAD_SESSION_DIR/session.replay, with the
// table it was played on beside it, for the recorded sessions that replay bit for bit
// (tests/replays/pad_twin_stick). Skipped without the variable.
TEST_F(PadGame, RecordSession) {
  const char* folder = std::getenv("PAD_SESSION_DIR");
  if (!folder || !*folder) GTEST_SKIP() << "PAD_SESSION_DIR names no folder to record into";
  fs::create_directories(folder);
  fs::copy_file(work_ / "monsterData.txt", fs::path(folder) / "monsterData.txt", fs::copy_options::overwrite_existing);
  std::string error;
  ASSERT_TRUE(platform::replay::startRecording((fs::path(folder) / "session.replay").string(), "dream-arena 1.0.0", error))
      << error;
  handsOff = true;
  VirtualPad pad;
  pad.attach();
  play([&pad] {
    waitFor("the title screen", [](const Seen& s) { return s.passes > 20; });
    pad.tap(SDL_CONTROLLER_BUTTON_A);
    walkRight(pad);
    pad.axis(SDL_CONTROLLER_AXIS_LEFTY, -32767);  // up, then up-left
    pause(300);
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, -32767);
    pause(300);
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
    pad.axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
    for (int stick : {-32767, 32767}) {
      pad.axis(SDL_CONTROLLER_AXIS_RIGHTX, stick);
      pause(60);
      pad.axis(SDL_CONTROLLER_AXIS_RIGHTX, 0);
      pad.trigger(SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
      pause(300);
    }
    pad.tap(SDL_CONTROLLER_BUTTON_A);
    pause(500);
    pad.tap(SDL_CONTROLLER_BUTTON_B);
    pause(500);
    pad.tap(SDL_CONTROLLER_BUTTON_START);
    waitFor("the pause", [](const Seen& s) { return s.clockStopped; });
    pause(300);
    pad.tap(SDL_CONTROLLER_BUTTON_START);
    waitFor("the round to play on", inRound);
    pause(300);
    stopRecordingAsked = true;
    waitFor("the recording's end", [](const Seen&) { return !handsOff; });
    endRound();
    pad.tap(SDL_CONTROLLER_BUTTON_BACK);
  });
}

// A round paused by the pad's Start and left resting with the pad attached, for
// scripts/cpu_use.sh, which measures this process meanwhile: the test writes
// $PAD_REST_DIR/paused once paused, then waits (at most two minutes) for the script's
// $PAD_REST_DIR/done before it plays on and leaves. Skipped without the variable.
TEST_F(PadGame, RestWithPad) {
  const char* folder = std::getenv("PAD_REST_DIR");
  if (!folder || !*folder) GTEST_SKIP() << "PAD_REST_DIR names no folder to meet the measuring script in";
  const fs::path meeting(folder);
  VirtualPad pad;
  pad.attach();
  play([&pad, meeting] {
    waitFor("the title screen", [](const Seen& s) { return s.passes > 20; });
    pad.tap(SDL_CONTROLLER_BUTTON_A);
    walkRight(pad);
    pad.tap(SDL_CONTROLLER_BUTTON_START);
    waitFor("the pause", [](const Seen& s) { return s.clockStopped; });
    std::ofstream(meeting / "paused") << "paused\n";
    waitFor("the measuring script", [&meeting](const Seen&) { return fs::exists(meeting / "done"); }, 120);
    // The window comes back from being minimised: Start counts once it is shown and focused.
    retryUntil("the round to play on", [&pad] { pad.tap(SDL_CONTROLLER_BUTTON_START); }, inRound);
    endRound();
    pad.tap(SDL_CONTROLLER_BUTTON_BACK);
  });
}

}  // namespace
