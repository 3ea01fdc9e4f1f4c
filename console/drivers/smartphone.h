// SmartPhone: a Phone with an e-mail address.
#pragma once

#include <string>

#include "phone.h"

class SmartPhone : public Phone {
 public:
  // Reads the phone number as Phone does, then one word: the e-mail address.
  // Stops at the first failure and leaves standard input failed.
  void prompt();
  void display() const;  // the number's line, then the address and an end of line

 private:
  std::string email;
};
