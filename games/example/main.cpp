// catcher: the example game in a 400 x 400 window titled "Catcher".
#include "catcher.h"
#include "options.h"

int main(int argc, char** argv) {
  const Options options = readOptions(argc, argv);  // --seed N, or an ERROR line and exit
  Interface ui(argc, argv, "Catcher", Point(-FIELD_EDGE, FIELD_EDGE), Point(FIELD_EDGE, -FIELD_EDGE));
  applySeed(options);  // after the shell's own seeding
  Catcher world;
  ui.run(callBack, &world);  // the shell calls callBack 30 times a second from now on
  return 0;
}
