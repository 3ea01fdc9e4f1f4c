// pello: obtains a file name from its one argument or, without one, from a
// prompt. Any other number of arguments gets the usage message and status 1,
// and so does a start without a program name.
#include <iostream>
#include <string>

namespace {

const char* const PROGRAM_NAME = "pello";  // shown when started without a name

void showUsage(const char* invokedAs) {
  std::cout << "ERROR: Unexpected number of command line parameters\n"
            << "\tUsage: " << invokedAs << " [filename]\n";
}

// An empty argument vector reaches the program as argc 0 or, on Linux since
// 5.18, as a single empty string.
bool startedWithoutAName(int argc, char* argv[]) {
  return argc < 1 || argv[0] == nullptr || argv[0][0] == '\0';
}

}  // namespace

int main(int argc, char* argv[]) {
  if (startedWithoutAName(argc, argv)) {
    showUsage(PROGRAM_NAME);
    return 1;
  }
  std::string fileName;
  if (argc == 1) {
    std::cout << "Filename? ";
    std::cin >> fileName;
  } else if (argc == 2) {
    fileName = argv[1];
  } else {
    showUsage(argv[0]);
    return 1;
  }
  return 0;
}
