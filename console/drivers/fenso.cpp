// fenso: has a circle read its data, shows it and reports its centre's x.
#include <iostream>

#include "circle.h"

int main() {
  Circle circle;
  circle.promptForCircle();
  if (!std::cin) {
    std::cerr << "ERROR: expected the centre's x and y, then a radius of 0 or more" << std::endl;
    return 1;
  }
  std::cout << "Your circle is:\n";
  circle.display();
  std::cout << "\n\n";
  std::cout << "The x-coordinate of your circle is: " << circle.getX() << std::endl;
  return 0;
}
