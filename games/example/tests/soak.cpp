// The example's world for a long run of random keys with no window (testing/soak_world.h).
#include <GL/glut.h>

#include "catcher.h"
#include "soak_world.h"

int main(int argc, char** argv) {
  // The paddle runs left and right, and now and then the game starts again.
  return soakWorld<Catcher>(argc, argv,
                            {"catcher",
                             {{GLUT_KEY_LEFT, 0.05, true},
                              {GLUT_KEY_RIGHT, 0.05, true},
                              {'r', 0.001, false}}},
                            callBack);
}
