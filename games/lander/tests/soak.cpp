// The lander's world for a long run of random keys with no window (testing/soak_world.h).
#include <GL/glut.h>

#include "landing.h"
#include "soak_world.h"

int main(int argc, char** argv) {
  // The engines go on and off a few times a second; about every ten seconds a
  // new landing starts, so flights, landings and crashes keep coming.
  return soakWorld<Landing>(argc, argv,
                            {"lander",
                             {{GLUT_KEY_UP, 0.08, true},
                              {GLUT_KEY_LEFT, 0.05, true},
                              {GLUT_KEY_RIGHT, 0.05, true},
                              {'r', 0.003, false}}},
                            callBack);
}
