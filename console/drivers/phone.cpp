#include "phone.h"

#include <iomanip>
#include <iostream>

namespace {

const int AREA_CODE_DIGITS = 3;
const int PREFIX_DIGITS = 3;
const int SUFFIX_DIGITS = 4;

// Largest value that fits in `digits` decimal digits.
int largest(int digits) {
  int value = 1;
  for (int i = 0; i < digits; i++) value *= 10;
  return value - 1;
}

// Writes the prompt and reads a number of at most `digits` digits into field.
// Returns false, with standard input failed, when that is not what came.
bool promptField(const char* prompt, int digits, int& field) {
  std::cout << prompt;
  int value;
  if (!(std::cin >> value)) return false;
  if (value < 0 || value > largest(digits)) {
    std::cin.setstate(std::ios::failbit);
    return false;
  }
  field = value;
  return true;
}

}  // namespace

void Phone::promptNumber() {
  promptField("Area code: ", AREA_CODE_DIGITS, areaCode) &&
      promptField("Prefix: ", PREFIX_DIGITS, prefix) &&
      promptField("Suffix: ", SUFFIX_DIGITS, suffix);
}

void Phone::display() const {
  const char oldFill = std::cout.fill('0');
  std::cout << "(" << std::setw(AREA_CODE_DIGITS) << areaCode << ")"
            << std::setw(PREFIX_DIGITS) << prefix << "-" << std::setw(SUFFIX_DIGITS) << suffix;
  std::cout.fill(oldFill);
  std::cout << std::endl;
}
