// dallik: has a phone and then a smart phone read their data and show it.
#include <cstdlib>
#include <iostream>
#include <string>

#include "phone.h"
#include "smartphone.h"

namespace {

const char* const NUMBER_EXPECTED =
    "a phone number: area code (0-999), prefix (0-999) and suffix (0-9999)";

// Ends the program when the last prompt could not read what it needed.
void refuseFailedInput(const std::string& expected) {
  if (std::cin) return;
  std::cerr << "ERROR: expected " << expected << std::endl;
  std::exit(EXIT_FAILURE);
}

}  // namespace

int main() {
  std::cout << "Phone:\n";
  Phone phone;
  phone.promptNumber();
  refuseFailedInput(NUMBER_EXPECTED);
  std::cout << "\nPhone info:\n";
  phone.display();

  std::cout << "\nSmart phone:\n";
  SmartPhone smartPhone;
  smartPhone.prompt();
  refuseFailedInput(std::string(NUMBER_EXPECTED) + ", then an e-mail address");
  std::cout << "\nPhone info:\n";
  smartPhone.display();
  return 0;
}
