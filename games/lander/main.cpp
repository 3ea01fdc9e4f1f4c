// Lander: the lunar-landing game in a 400 x 400 window.
// Takes GLUT's options and the kit's own (ui/options.h).
#include "landing.h"

int main(int argc, char** argv) {
  const Point topLeft(-FIELD_EDGE, FIELD_EDGE);
  const Point bottomRight(FIELD_EDGE, -FIELD_EDGE);
  Interface ui(argc, argv, "Lander", topLeft, bottomRight);
  HighScores scores = highScoresOf(ui);
  Landing world(ui.getSeed(), &scores);
  ui.run(callBack, &world);
  return 0;
}
