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

// GLUT's options: the first take the next argument as their value.
const char* const GLUT_OPTIONS_WITH_VALUE[] = {"-display", "-geometry"};
const char* const GLUT_FLAGS[] = {"-direct", "-indirect", "-iconic", "-gldebug", "-sync"};

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
  if (file || numeric || isOneOf(word, GLUT_OPTIONS_WITH_VALUE)) {
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
  Options options;
  std::string error;
  if (!parseOptions(argc, argv, options, error)) refuseOptions(programName(argc, argv), error);
  return options;
}
