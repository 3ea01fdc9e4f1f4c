#include "aviant.h"

#include <cmath>

namespace {
constexpr float FIELD_WIDTH = 2 * FIELD_EDGE;
constexpr int FULL_TURN = 360;
constexpr double RADIANS_PER_DEGREE = M_PI / 180.0;
}  // namespace

float wrapCoordinate(float value) {
  if (value > FIELD_EDGE) return value - FIELD_WIDTH;
  if (value < -FIELD_EDGE) return value + FIELD_WIDTH;
  return value;
}

int normalizeDegrees(int degrees) {
  int turned = degrees % FULL_TURN;
  return turned < 0 ? turned + FULL_TURN : turned;
}

Velocity alongHeading(int degrees, float length) {
  const double radians = degrees * RADIANS_PER_DEGREE;
  return Velocity(float(-std::sin(radians) * length), float(std::cos(radians) * length));
}

void Aviant::advance() {
  position.setX(wrapCoordinate(position.getX() + velocity.getDx()));
  position.setY(wrapCoordinate(position.getY() + velocity.getDy()));
  rotation = normalizeDegrees(rotation + spin);
}
