#include "pellet.h"

#include <cmath>

#include "vexel.h"

namespace {

constexpr double RADIANS_PER_DEGREE = 3.14159265358979323846 / 180.0;

}  // namespace

Velocity alongBarrel(int angle, float length) {
  const double radians = angle * RADIANS_PER_DEGREE;
  return Velocity(float(-std::sin(radians) * length), float(std::cos(radians) * length));
}

Pellet::Pellet(const Point& muzzle, int angle) {
  setPosition(muzzle);
  setVelocity(alongBarrel(angle, PELLET_SPEED));
  setDirection(float(angle));
  setAlive(true);
}

void Pellet::draw() const { drawDot(getPosition()); }
