// brevo: shows a robot made with its default values.
#include <iostream>

#include "robot.h"

int main() {
  Robot robot;
  std::cout << "Robot details: ";
  robot.display();
  std::cout << std::endl;
  return 0;
}
