// dallik: has a phone and then a smart phone read their data and show it.
#include <cstdlib>
#include <iostream>
#include <string>

#include "phone.h"
#include "smartphone.h"

namespace {

const std::string NUMBER_EXPECTED =
    "a phone number: area code (0-999), prefix (0-999) and suffix (0-9999)";

// True when the last prompt read what it needed; otherwise says on the error
// stream what was expected.
bool inputAccepted(const std::string& expected) {
  if (std::cin) return true;
  std::cerr << "ERROR: expected " << expected << std::endl;
  return false;
}

}  // namespace

int main() {
  std::cout << "Phone:\n";
  Phone phone;
  phone.promptNumber();
  if (!inputAccepted(NUMBER_EXPECTED)) return EXIT_FAILURE;
  std::cout << "\nPhone info:\n";
  phone.display();

  std::cout << "\nSmart phone:\n";
  SmartPhone smartPhone;
  smartPhone.prompt();
  if (!inputAccepted(NUMBER_EXPECTED + ", then an e-mail address")) return EXIT_FAILURE;
  std::cout << "\nPhone info:\n";
  smartPhone.display();
  return 0;
}
