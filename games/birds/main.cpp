// Gallery: the bird gallery in a 400 x 400 window.
// Takes GLUT's options and the kit's own (ui/options.h).
#include "gallery.h"

int main(int argc, char** argv) {
  const Point topLeft(LOWER_X_LIMIT, UPPER_Y_LIMIT);
  const Point bottomRight(UPPER_X_LIMIT, LOWER_Y_LIMIT);
  Interface ui(argc, argv, "Gallery", topLeft, bottomRight);
  HighScores scores = highScoresOf(ui);
  Gallery world(ui.getSeed(), &scores);
  ui.run(callBack, &world);
  return 0;
}
