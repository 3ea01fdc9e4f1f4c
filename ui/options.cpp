#include "options.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// GLUT's options: the first take the next argument as their value.
const char* const GLUT_OPTIONS_WITH_VALUE[] = {"-display", "-geometry"};
const char* const GLUT_FLAGS[] = {"-direct", "-indirect", "-iconic", "-gldebug", "-sync"};

template <size_t N>
bool isOneOf(const char* word, const char* const (&table)[N]) {
  for (const char* entry : table)
    if (std::strcmp(word, entry) == 0) return true;
  return false;
}

// A whole number of digits only, no larger than an unsigned 32-bit int.
bool readSeed(const char* text, unsigned int& seed) {
  if (*text == '\0' || std::strspn(text, "0123456789") != std::strlen(text)) return false;
  errno = 0;
  const unsigned long long value = std::strtoull(text, nullptr, 10);
  if (errno == ERANGE || value > 0xFFFFFFFFull) return false;
  seed = static_cast<unsigned int>(value);
  return true;
}

}  // namespace

bool parseOptions(int argc, char** argv, Options& options, std::string& error) {
  for (int i = 1; i < argc; i++) {
    const char* word = argv[i];
    const bool hasValue = i + 1 < argc;
    if (std::strcmp(word, "--seed") == 0) {
      if (!hasValue || !readSeed(argv[i + 1], options.seed)) {
        error = hasValue ? "the seed \"" + std::string(argv[i + 1]) +
                               "\" is not a whole number from 0 to 4294967295"
                         : "--seed needs a number";
        return false;
      }
      options.seeded = true;
      i++;
    } else if (isOneOf(word, GLUT_OPTIONS_WITH_VALUE)) {
      if (!hasValue) {
        error = std::string(word) + " needs a value";
        return false;
      }
      i++;
    } else if (!isOneOf(word, GLUT_FLAGS)) {
      error = "unknown argument \"" + std::string(word) + "\"";
      return false;
    }
  }
  return true;
}

Options readOptions(int argc, char** argv) {
  Options options;
  std::string error;
  if (!parseOptions(argc, argv, options, error)) {
    const char* path = argc > 0 && argv[0][0] != '\0' ? argv[0] : "program";
    const char* slash = std::strrchr(path, '/');
    const char* program = slash ? slash + 1 : path;
    std::fprintf(stderr, "ERROR: %s. Usage: %s [--seed N]\n", error.c_str(), program);
    std::exit(1);
  }
  return options;
}

void applySeed(const Options& options) {
  if (options.seeded) std::srand(options.seed);
}
