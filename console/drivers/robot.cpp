#include "robot.h"

#include <iostream>

void Robot::display() const {
  std::cout << "position (" << position.getX() << ", " << position.getY() << "), energy "
            << energy;
}
