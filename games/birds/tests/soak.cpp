// The gallery's world for a long run of random keys with no window (testing/soak_world.h).
#include <GL/glut.h>

#include "gallery.h"
#include "soak_world.h"

int main(int argc, char** argv) {
  // The barrel turns about every half second, space fires several times a
  // second, and about every twenty seconds a new round starts.
  return soakWorld<Gallery>(argc, argv,
                            {"gallery",
                             {{GLUT_KEY_UP, 0.06, true},
                              {GLUT_KEY_DOWN, 0.06, true},
                              {GLUT_KEY_LEFT, 0.03, true},
                              {' ', 0.15, false},
                              {'r', 0.0015, false}}},
                            callBack);
}
