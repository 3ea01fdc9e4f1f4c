// selvo: reads ten integers into a Container<int> of capacity ten and reports
// its size, whether it is empty, and its contents, one tab-indented line each.
// Input that is not an integer, or that ends early, is refused with an error.
#include <cstdlib>
#include <iostream>

#include "container.h"

namespace {

const int NUMBER_OF_VALUES = 10;

// Reads value number `ordinal` into `value`; on failure says on the error
// stream what was expected and returns false. The input has ended only when
// nothing but white space is left: a number too big that runs up to the end
// of input is a bad value, not a missing one.
bool readValue(int ordinal, int& value) {
  if ((std::cin >> std::ws).eof()) {
    std::cerr << "ERROR: input ended after " << ordinal - 1 << " of " << NUMBER_OF_VALUES
              << " values; expected an integer for value " << ordinal << std::endl;
    return false;
  }
  if (std::cin >> value) return true;
  std::cerr << "ERROR: expected an integer for value " << ordinal << " of " << NUMBER_OF_VALUES
            << std::endl;
  return false;
}

}  // namespace

int main() {
  Container<int> values(NUMBER_OF_VALUES);

  std::cout << "Please enter " << NUMBER_OF_VALUES << " values:\n";
  for (int i = 1; i <= NUMBER_OF_VALUES; i++) {
    std::cout << "> ";
    int value;
    if (!readValue(i, value)) return EXIT_FAILURE;
    values.insert(value);
  }

  std::cout << "\tsize:   " << values.size() << std::endl;
  std::cout << "\tempty?: " << (values.empty() ? "Yes" : "No") << std::endl;
  for (ContainerIterator<int> it = values.begin(); it != values.end(); ++it)
    std::cout << "\t" << *it << std::endl;
  return 0;
}
