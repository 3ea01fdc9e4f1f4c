#include "options.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

const char* const OPTIONS_USAGE =
    "[--seed N] [--scale N] [--fullscreen] [--mute] [--scores FILE] "
    "[--record FILE | --replay FILE [--fast] [--gif OUT [--from S] [--to S]] | --verify FILE]";

namespace {

constexpr unsigned long long LARGEST_SEED = 0xFFFFFFFFull;
constexpr unsigned long long LARGEST_SCALE = 8;

// The options that take the next argument as their value, the kit's and GLUT's.
const char* const OPTIONS_WITH_VALUE[] = {"--seed",   "--scale",  "--scores", "--record", "--replay",
                                          "--verify", "--gif",    "--from",   "--to",     "-display",
                                          "-geometry"};
const char* const GLUT_FLAGS[] = {"-direct", "-indirect", "-iconic", "-gldebug", "-sync"};
// The options that ask the program about itself: it answers and ends, opening no window.
const char* const QUESTIONS[] = {"--help", "-h", "--version"};

// What --help shows after the usage line: every option, and what it does.
const char* const OPTION_HELP[][2] = {
    {"--seed N", "a whole number from 0 to 4294967295: the same seed and the same keys play the same game"},
    {"--scale N", "a whole number from 1 to 8: the window opens N times the world's size"},
    {"--fullscreen", "starts full screen"},
    {"--mute", "starts with the sound off"},
    {"--scores FILE", "keeps the high scores in FILE instead of the usual place"},
    {"--record FILE", "records the game's seed and keys into FILE"},
    {"--replay FILE", "plays a recorded game back in the window"},
    {"--fast", "with --replay: plays it back as fast as it goes"},
    {"--verify FILE", "plays a recorded game back with no window, checking every picture"},
    {"--gif OUT", "with --replay: plays it with no window, checking it, and keeps it as an animated GIF"},
    {"--from S", "with --gif: only the frames shown from S seconds on (decimals allowed)"},
    {"--to S", "with --gif: only the frames shown before S seconds"},
    {"-display NAME", "GLUT's: the X display the window opens on"},
    {"-geometry WxH+X+Y", "GLUT's: the window's size and place"},
    {"-direct", "GLUT's: direct rendering only"},
    {"-indirect", "GLUT's: indirect rendering only"},
    {"-iconic", "GLUT's: the window opens minimised"},
    {"-gldebug", "GLUT's: reports GL errors"},
    {"-sync", "GLUT's: X calls made one at a time"},
    {"--help", "prints this and ends"},
    {"-h", "the same as --help"},
    {"--version", "prints the program's name and the kit's version, and ends"},
};
constexpr int OPTION_COLUMN = 18;  // the width the options are padded to in --help

template <size_t N>
bool isOneOf(const char* word, const char* const (&table)[N]) {
  for (const char* entry : table)
    if (std::strcmp(word, entry) == 0) return true;
  return false;
}

// A whole number of digits only, from `least` to `most`.
bool readWhole(const char* text, unsigned long long least, unsigned long long most,
               unsigned long long& value) {
  if (*text == '\0' || std::strspn(text, "0123456789") != std::strlen(text)) return false;
  errno = 0;
  value = std::strtoull(text, nullptr, 10);
  return errno != ERANGE && value >= least && value <= most;
}

// Seconds: digits with at most one decimal point among them, no sign, no exponent.
bool readSeconds(const char* text, double& value) {
  const size_t length = std::strlen(text);
  if (length == 0 || std::strspn(text, "0123456789.") != length ||
      std::strchr(text, '.') != std::strrchr(text, '.') || std::strcmp(text, ".") == 0)
    return false;
  value = std::strtod(text, nullptr);
  return std::isfinite(value);
}

// Reads one option and its value, if it takes one; false with the reason in
// `error`. `value` is the next word, or null at the end of the line.
bool readOption(const char* word, const char* value, Options& options, bool& tookValue,
                std::string& error) {
  tookValue = false;
  std::string* file = std::strcmp(word, "--scores") == 0   ? &options.scores
                      : std::strcmp(word, "--record") == 0 ? &options.record
                      : std::strcmp(word, "--replay") == 0 ? &options.replay
                      : std::strcmp(word, "--verify") == 0 ? &options.verify
                      : std::strcmp(word, "--gif") == 0    ? &options.gif
                                                           : nullptr;
  double* seconds = std::strcmp(word, "--from") == 0 ? &options.from
                    : std::strcmp(word, "--to") == 0 ? &options.to
                                                     : nullptr;
  const bool numeric = std::strcmp(word, "--seed") == 0 || std::strcmp(word, "--scale") == 0 || seconds;
  if (isOneOf(word, OPTIONS_WITH_VALUE)) {
    if (!value || (file && *value == '\0')) {
      error = std::string(word) + (numeric ? " needs a number" : " needs a value");
      return false;
    }
    tookValue = true;
  }
  unsigned long long number = 0;
  if (std::strcmp(word, "--seed") == 0) {
    if (!readWhole(value, 0, LARGEST_SEED, number)) {
      error = "the seed \"" + std::string(value) + "\" is not a whole number from 0 to 4294967295";
      return false;
    }
    options.seeded = true;
    options.seed = static_cast<unsigned int>(number);
  } else if (std::strcmp(word, "--scale") == 0) {
    if (!readWhole(value, 1, LARGEST_SCALE, number)) {
      error = "the scale \"" + std::string(value) + "\" is not a whole number from 1 to 8";
      return false;
    }
    options.scale = static_cast<int>(number);
  } else if (seconds) {
    if (!readSeconds(value, *seconds)) {
      error = std::string(word) + " \"" + value + "\" is not a number of seconds";
      return false;
    }
  } else if (file) {
    *file = value;
  } else if (std::strcmp(word, "--fullscreen") == 0) {
    options.fullscreen = true;
  } else if (std::strcmp(word, "--mute") == 0) {
    options.muted = true;
  } else if (std::strcmp(word, "--fast") == 0) {
    options.fast = true;
  } else if (!tookValue && !isOneOf(word, GLUT_FLAGS)) {
    error = "unknown argument \"" + std::string(word) + "\"";
    return false;
  }
  return true;
}

// The options that cannot be given together.
bool consistent(const Options& options, std::string& error) {
  const int recordings = !options.record.empty() + !options.replay.empty() + !options.verify.empty();
  if (recordings > 1)
    error = "--record, --replay and --verify go one at a time";
  else if (options.seeded && (!options.replay.empty() || !options.verify.empty()))
    error = "a recording brings its own seed: --seed goes with neither --replay nor --verify";
  else if (options.fast && options.replay.empty())
    error = "--fast goes only with --replay";
  else if (!options.gif.empty() && options.replay.empty())
    error = "--gif goes only with --replay";
  else if ((options.from != 0 || options.to != HUGE_VAL) && options.gif.empty())
    error = "--from and --to go only with --gif";
  else if (options.from >= options.to)
    error = "--from must come before --to";
  return error.empty();
}

// The first --help, -h or --version on the command line that is not another
// option's value, or null.
const char* questionIn(int argc, char** argv) {
  for (int i = 1; i < argc; i++) {
    if (isOneOf(argv[i], QUESTIONS)) return argv[i];
    if (isOneOf(argv[i], OPTIONS_WITH_VALUE)) i++;
  }
  return nullptr;
}

// --version: the program's name and the kit's; --help and -h: the usage line and every option.
void answer(const char* question, const std::string& program) {
  if (std::strcmp(question, "--version") == 0) {
    std::printf("%s arcade-kit %s\n", program.c_str(), ARCADE_KIT_VERSION);
    return;
  }
  std::printf("Usage: %s %s\n", program.c_str(), OPTIONS_USAGE);
  for (const auto& line : OPTION_HELP) std::printf("%-*s %s\n", OPTION_COLUMN, line[0], line[1]);
}

}  // namespace

bool parseOptions(int argc, char** argv, Options& options, std::string& error) {
  for (int i = 1; i < argc; i++) {
    bool tookValue = false;
    if (!readOption(argv[i], i + 1 < argc ? argv[i + 1] : nullptr, options, tookValue, error))
      return false;
    if (tookValue) i++;
  }
  return consistent(options, error);
}

std::string programName(int argc, char** argv) {
  const char* path = argc > 0 && argv[0] && argv[0][0] != '\0' ? argv[0] : "program";
  const char* slash = std::strrchr(path, '/');
  return slash ? slash + 1 : path;
}

void refuseOptions(const std::string& program, const std::string& reason) {
  std::fprintf(stderr, "ERROR: %s. Usage: %s %s\n", reason.c_str(), program.c_str(), OPTIONS_USAGE);
  std::exit(1);
}

Options readOptions(int argc, char** argv) {
  if (const char* question = questionIn(argc, argv)) {
    answer(question, programName(argc, argv));
    std::exit(0);
  }
  Options options;
  std::string error;
  if (!parseOptions(argc, argv, options, error)) refuseOptions(programName(argc, argv), error);
  return options;
}
