// Rubblons: the rock-field shooter in a 400 x 400 window.
// Takes GLUT's options and --seed N (see options.h).
#include "game.h"
#include "options.h"

int main(int argc, char** argv) {
  const Point topLeft(-FIELD_EDGE, FIELD_EDGE);
  const Point bottomRight(FIELD_EDGE, -FIELD_EDGE);
  const Options options = readOptions(argc, argv);
  Interface ui(argc, argv, "Rubblons", topLeft, bottomRight);
  applySeed(options);
  Game world(topLeft, bottomRight);
  ui.run(callBack, &world);
  return 0;
}
