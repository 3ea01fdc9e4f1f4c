// Fuzzes the help desk with the fuzzer's bytes as its standard input. The run
// must end, and end only as decided: it returns after "finished" or at the
// end of input (the output then ends with the closing line), or it throws a
// message beginning "ERROR: ". A hang is caught by the fuzzer's time limit.

#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

#include "fuzz_check.h"
#include "quessa.h"

namespace {

const std::string CLOSING_LINE = "End of simulation\n";

bool endsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(bytes), size));
  std::ostringstream out;
  std::streambuf* oldIn = std::cin.rdbuf(in.rdbuf());
  std::streambuf* oldOut = std::cout.rdbuf(out.rdbuf());
  std::cin.clear();

  const char* error = nullptr;
  try {
    quessa();
  } catch (const char* message) {
    error = message;
  }
  std::cin.rdbuf(oldIn);
  std::cout.rdbuf(oldOut);
  std::cin.clear();

  if (error)
    fuzzCheck(std::strncmp(error, "ERROR: ", 7) == 0, "an escaping message begins \"ERROR: \"");
  else
    fuzzCheck(endsWith(out.str(), CLOSING_LINE), "a finished run ends with its closing line");
  return 0;
}
