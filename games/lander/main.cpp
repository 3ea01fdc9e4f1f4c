// Lander: the lunar-landing game in a 400 x 400 window.
// Takes GLUT's options and --seed N (see options.h).
#include "landing.h"
#include "options.h"

int main(int argc, char** argv) {
  const Point topLeft(-FIELD_EDGE, FIELD_EDGE);
  const Point bottomRight(FIELD_EDGE, -FIELD_EDGE);
  const Options options = readOptions(argc, argv);
  Interface ui(argc, argv, "Lander", topLeft, bottomRight);
  applySeed(options);
  Landing world;
  ui.run(callBack, &world);
  return 0;
}
