// options: the command line every kit program takes.
//
//   program [GLUT's own options] [--seed N]
//
// GLUT's options (-display NAME, -geometry WxH+X+Y, -direct, -indirect, -iconic,
// -gldebug, -sync) are passed over here and left for the shell to hand to
// GLUT. --seed N, a whole number from 0 to 4294967295, replays a game: the
// same seed and the same keys play the same game.
#pragma once

#include <string>

struct Options {
  bool seeded = false;    // --seed was given
  unsigned int seed = 0;  // its value
};

// Reads argv[1] to argv[argc - 1] into `options`. On anything it does not
// know, or a bad seed, returns false with a one-line reason in `error`.
bool parseOptions(int argc, char** argv, Options& options, std::string& error);

// For a program's main, before the window opens: the parsed options, or the
// reason and a usage line on the error stream and exit status 1.
Options readOptions(int argc, char** argv);

// For a program's main, after the shell has seeded rand(): seeds it again
// with the chosen seed, if there is one.
void applySeed(const Options& options);
