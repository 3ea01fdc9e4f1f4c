// A check for fuzz targets: on failure it says what broke and aborts, which
// libFuzzer reports as a finding with the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void fuzzCheck(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
  }
}
