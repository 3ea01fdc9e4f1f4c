#include "smartphone.h"

#include <iostream>

void SmartPhone::prompt() {
  promptNumber();
  if (!std::cin) return;
  std::cout << "E-mail: ";
  std::cin >> email;
}

void SmartPhone::display() const {
  Phone::display();
  std::cout << email << std::endl;
}
