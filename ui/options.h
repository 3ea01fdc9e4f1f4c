/// @file
/// options: the command line every kit program takes, read by the shell
/// before any window opens.
///
/// ```
///   program [GLUT's own options] [--seed N] [--scale N] [--fullscreen] [--mute]
///           [--scores FILE]
///           [--record FILE | --replay FILE [--fast] [--gif OUT [--from S] [--to S]] | --verify FILE]
///   program --help | -h | --version
/// ```
///
/// GLUT's options (-display NAME, -geometry WxH+X+Y, -direct, -indirect, -iconic,
/// -gldebug, -sync) are passed over here and left for the shell to hand to GLUT.
/// ```
///   --seed N        a whole number from 0 to 4294967295: the same seed and the
///                   same keys play the same game
///   --scale N       a whole number from 1 to 8: the window opens N times the world's size
///   --fullscreen    starts full screen
///   --mute          starts with the sound off
///   --scores FILE   keeps the high scores in FILE instead of the usual place
///   --record FILE   records the game's seed and keys into FILE
///   --replay FILE   plays a recorded game back in the window (--fast: as fast as it goes)
///   --verify FILE   plays a recorded game back with no window, checking every picture
///   --gif OUT       with --replay: plays it with no window and no display, as --verify
///                   does, and keeps its frames at --scale as an animated GIF in OUT
///   --from S        with --gif: only the frames shown from S seconds on (decimals
///                   allowed; frame F is shown at (F - 1)/30 s) ...
///   --to S          ... and before S seconds
/// ```
/// A recording carries its own seed, so `--seed` goes with neither `--replay` nor `--verify`.
/// `--help` and `-h` print the usage line and a line for each option, `--version`
/// the program's name and the kit's version ("gallery arcade-kit 0.5.0"): on
/// standard output, ending the program with status 0 before any window.
#pragma once

#include <cmath>
#include <string>

/// The command line as read.
struct Options {
  bool seeded = false;     ///< `--seed` was given
  unsigned int seed = 0;   ///< its value
  int scale = 1;           ///< `--scale`
  bool fullscreen = false; ///< `--fullscreen`
  bool muted = false;      ///< `--mute`
  std::string scores;      ///< `--scores FILE`, empty when not given
  std::string record;      ///< `--record FILE`
  std::string replay;      ///< `--replay FILE`
  std::string verify;      ///< `--verify FILE`
  bool fast = false;       ///< `--fast`, with `--replay`
  std::string gif;         ///< `--gif OUT`, with `--replay`
  double from = 0;         ///< `--from S`, seconds
  double to = HUGE_VAL;    ///< `--to S`, seconds; no end when not given
};

/// The usage line's options, as shown after the program's name.
extern const char* const OPTIONS_USAGE;

/// Reads argv[1] to argv[argc - 1] into `options`. On anything it does not
/// know, a bad value or options that do not go together, returns false with a
/// one-line reason in `error`.
bool parseOptions(int argc, char** argv, Options& options, std::string& error);

/// The parsed options, or the reason and a usage line on the error stream and
/// exit status 1. `--help`, `-h` or `--version`, wherever it stands but as another
/// option's value, is answered on standard output with exit status 0 instead.
Options readOptions(int argc, char** argv);

/// The reason and a usage line for `program` on the error stream, and exit
/// status 1: for the options that can only be checked once a recording is read.
[[noreturn]] void refuseOptions(const std::string& program, const std::string& reason);

/// The program's name: the last part of argv[0] ("program" when there is none).
std::string programName(int argc, char** argv);
