#include "circle.h"

#include <iostream>

namespace {

// Writes the prompt and reads one number; false when none could be read.
bool promptNumber(const char* prompt, float& value) {
  std::cout << prompt;
  return static_cast<bool>(std::cin >> value);
}

}  // namespace

void Circle::promptForCircle() {
  float x, y, r;
  if (!promptNumber("Center x: ", x) || !promptNumber("Center y: ", y) ||
      !promptNumber("Radius: ", r))
    return;
  if (r < 0.0f) {
    std::cin.setstate(std::ios::failbit);
    return;
  }
  center.setX(x);
  center.setY(y);
  radius = r;
}

void Circle::display() const {
  std::cout << "center (" << center.getX() << ", " << center.getY() << "), radius " << radius;
}
