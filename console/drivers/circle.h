// Circle: a centre in world units and a radius, read from standard input.
#pragma once

#include "point.h"

class Circle {
 public:
  Circle() : center(Point()) {}

  // Prompts for and reads the centre's x, its y, then the radius (0 or more).
  // An unreadable value or a negative radius leaves standard input failed and
  // stops the prompting; the caller checks std::cin.
  void promptForCircle();
  void display() const;  // "center (x, y), radius r", no end of line

  float getX() const { return center.getX(); }

 private:
  Point center;
  float radius = 0.0f;
};
