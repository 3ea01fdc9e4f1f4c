// record_demo: makes a game's recorded game with a scripted player and no
// window. The shell is started as the program would be with
// `--record FILE --seed N`, and a pilot presses keys through the shell's key
// entry before each frame, watching the world as it goes. The recording is
// the shell's own; the pilot only says whether the game showed what it should.
//
//   <game>_demo FILE      exit 0 with the recording in FILE, or 1 and why
//
// A pilot is a class with
//   std::unique_ptr<World> make();                       the world, after the seed is set
//   bool steer(World&, long frame, DemoKeys&);           keys for `frame`; false: stop before it
//   void watch(const World&);                            after each frame
//   std::string judge() const;                           empty when all was shown, or what was not
#pragma once

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "tessik.h"

// The pilot's hands on the shell's key entry.
class DemoKeys {
 public:
  // Holds or lets go of a key; only a change reaches the shell.
  void hold(int code, bool down);
  // Presses a one-shot key (space, r, b).
  void press(int code);

 private:
  std::map<int, bool> held;
};

// Starts the shell recording into argv[1] as `program` with `seed`, drawing
// into the picture only. False, with a usage line, when argv is not one file.
bool startRecording(int argc, char** argv, const char* program, unsigned seed);
// One frame through the shell's own frame callback.
void playDemoFrame();

template <typename Pilot>
int recordDemo(int argc, char** argv, const char* program, unsigned seed, Interface::CallBack callBack,
               Pilot& pilot) {
  if (!startRecording(argc, argv, program, seed)) return 2;
  auto world = pilot.make();
  Interface().run(callBack, world.get());  // the stand-in's loop returns at once
  DemoKeys keys;
  long frame = 1;
  for (; pilot.steer(*world, frame, keys); frame++) {
    playDemoFrame();
    pilot.watch(*world);
  }
  const std::string problem = pilot.judge();
  if (!problem.empty()) {
    std::fprintf(stderr, "ERROR: the recorded game does not show %s\n", problem.c_str());
    return 1;
  }
  std::printf("%s: %ld frames recorded into %s\n", program, frame - 1, argv[1]);
  return 0;  // the shell finishes the recording as the program exits
}
