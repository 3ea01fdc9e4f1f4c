// catcher: the example game in a 400 x 400 window titled "Catcher".
#include "catcher.h"

int main(int argc, char** argv) {
  // Reads the command line (--seed N and the rest), then opens the window.
  Interface ui(argc, argv, "Catcher", Point(-FIELD_EDGE, FIELD_EDGE), Point(FIELD_EDGE, -FIELD_EDGE));
  Catcher world;
  ui.run(callBack, &world);  // the shell calls callBack 30 times a second from now on
  return 0;
}
