// The shooter's world played with random keys through the shell's key entry
// (testing/soak_world.h), one world all along as in the program: with a file
// it records the run, a recording of any length to time --verify with.
// The soak that checks this world's objects and heap frame by frame is soak.cpp.
#include <GL/glut.h>

#include "game.h"
#include "soak_world.h"

int main(int argc, char** argv) {
  // Turning, thrust and shots as a player would; a volley now and then.
  return soakMain(
      argc, argv,
      {"rubblons",
       {{GLUT_KEY_LEFT, 0.05, true}, {GLUT_KEY_RIGHT, 0.05, true}, {GLUT_KEY_UP, 0.05, true},
        {' ', 0.15, false}, {'b', 0.002, false}},
       false},  // once the ship is lost the rocks pile up: the heap grows
      callBack, []() -> void* { return new Game(Point(-FIELD_EDGE, FIELD_EDGE), Point(FIELD_EDGE, -FIELD_EDGE)); },
      [](void* world) { delete static_cast<Game*>(world); });
}
