// The simulated player of dream-sim: decides, once per update tick, which keys and mouse
// buttons are held and where the cursor is, through the fake platform's input, exactly as
// a person at the keyboard would. It reads the game state to aim; it changes none of it.
#pragma once
#include <cstdint>

#include "platform/base/random.h"

enum class PlayerKind { kRandom, kScripted };

class SimPlayer {
 public:
  SimPlayer(PlayerKind kind, std::uint32_t seed) : kind_(kind), random_(seed) {}

  // Holds the keys of this tick of a round (the player alive).
  void playTick(std::uint64_t tick);

  // Releases everything: the player is dead, or waits on a screen.
  void releaseAll();

  // Presses the left mouse button once (the click that leaves a screen).
  void click();

 private:
  // One intent of the random player, kept for a few ticks as a hand on the keys would.
  struct Intent {
    int ticksLeft = 0;
    int dx = 0, dy = 0;  // -1, 0, 1 per axis
    bool run = false;
    bool fire = false;
    bool strike = false;
    bool dash = false;
    int targetSlot = -1;
  };

  void playRandom();
  void playScripted(std::uint64_t tick);
  void newIntent();
  void holdDirection(int dx, int dy);
  void walkToward(float x, float y);
  bool aimAtSlot(int slot);
  bool meatNear(float range, float& x, float& y) const;

  PlayerKind kind_;
  platform::RandomGenerator random_;  // its own: the game's sequence stays the game's
  Intent intent_;
};
