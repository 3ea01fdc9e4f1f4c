// Rubblons: the rock-field shooter in a 400 x 400 window.
// Takes GLUT's options and the kit's own (ui/options.h).
#include "game.h"

int main(int argc, char** argv) {
  const Point topLeft(-FIELD_EDGE, FIELD_EDGE);
  const Point bottomRight(FIELD_EDGE, -FIELD_EDGE);
  Interface ui(argc, argv, "Rubblons", topLeft, bottomRight);
  Game world(topLeft, bottomRight);
  ui.run(callBack, &world);
  return 0;
}
