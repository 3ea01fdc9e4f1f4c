// Phone: a telephone number of area code, prefix and suffix, read from
// standard input and written as (AAA)PPP-SSSS.
#pragma once

class Phone {
 public:
  // Prompts for and reads the area code (0-999), prefix (0-999) and suffix
  // (0-9999). A value that is unreadable or out of range leaves standard
  // input failed and stops the prompting; the caller checks std::cin.
  void promptNumber();
  void display() const;  // (AAA)PPP-SSSS, zero-padded, then an end of line

 private:
  int areaCode = 0;
  int prefix = 0;
  int suffix = 0;
};
