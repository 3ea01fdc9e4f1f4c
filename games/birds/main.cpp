// Gallery: the bird gallery in a 400 x 400 window.
// Takes GLUT's options and --seed N (see options.h).
#include "gallery.h"
#include "options.h"

int main(int argc, char** argv) {
  const Point topLeft(LOWER_X_LIMIT, UPPER_Y_LIMIT);
  const Point bottomRight(UPPER_X_LIMIT, LOWER_Y_LIMIT);
  const Options options = readOptions(argc, argv);
  Interface ui(argc, argv, "Gallery", topLeft, bottomRight);
  applySeed(options);
  Gallery world;
  ui.run(callBack, &world);
  return 0;
}
