// The help-desk program: runs one simulation. A message that escapes it is
// written to the error stream and the program ends with status 1.
#include <iostream>

#include "quessa.h"

int main() {
  try {
    quessa();
  } catch (const char* message) {
    std::cout.flush();
    std::cerr << message << std::endl;
    return 1;
  }
  return 0;
}
