// soak_world: a game's world played for a long run of random keys with no
// window, through the shell's own key entry and frame callback, checked for
// heap growth. Each game's soak is a main() of a few lines:
//
//   int main(int argc, char** argv) {
//     return soakWorld<Gallery>(argc, argv, {"gallery", {{KEY, ODDS, HELD}, ...}}, callBack);
//   }
//
// run as `name [frames] [seed] [FILE]` (a million frames and seed 7 unless
// given). With FILE the shell records the run into it, as the program's
// --record does: a recording of any length, to time --verify with.
// Heap in use is read every few thousand frames: after the first tenth of
// the run it must never rise more than a small allowance above the highest it
// was during that tenth, and once the world is gone it must be back where it
// was before. Exit status 0 when both held, 1 with the first failure.
#pragma once

#include <type_traits>
#include <vector>

#include "tessik.h"

// A key the random player uses, by the shell's key code. A held key (an
// arrow) goes down or comes up with `odds` a frame; any other is pressed
// with `odds` a frame.
struct SoakKey {
  int code;
  double odds;
  bool held;
};

struct SoakPlan {
  const char* program;  // the game's program, named in a recording
  std::vector<SoakKey> keys;
  // Whether heap in use must stay flat: not in a world that grows by design.
  bool heapFlat = true;
};

// The run, with the world made and unmade by the two functions.
int soakMain(int argc, char** argv, const SoakPlan& plan, Interface::CallBack callBack,
             void* (*make)(), void (*unmake)(void*));

// A world as its program makes it: from the shell's seed, if it takes one.
template <typename World>
World* makeWorld() {
  if constexpr (std::is_constructible_v<World, unsigned int>)
    return new World(Interface::seed);
  else
    return new World();
}

template <typename World>
int soakWorld(int argc, char** argv, const SoakPlan& plan, Interface::CallBack callBack) {
  return soakMain(
      argc, argv, plan, callBack, []() -> void* { return makeWorld<World>(); },
      [](void* world) { delete static_cast<World*>(world); });
}
