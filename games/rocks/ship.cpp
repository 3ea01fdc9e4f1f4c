#include "ship.h"

#include <cmath>

#include "vexel.h"

Ship::Ship() : Aviant(Point(), Velocity(), SHIP_SIZE) {}

void Ship::turnLeft() { rotation = normalizeDegrees(rotation + SHIP_TURN_STEP); }

void Ship::turnRight() { rotation = normalizeDegrees(rotation - SHIP_TURN_STEP); }

void Ship::thrust() {
  boost = true;
  const Velocity push = alongHeading(rotation, SHIP_THRUST);
  float dx = velocity.getDx() + push.getDx();
  float dy = velocity.getDy() + push.getDy();
  const float speed = std::sqrt(dx * dx + dy * dy);
  if (speed > SHIP_TOP_SPEED) {
    dx *= SHIP_TOP_SPEED / speed;
    dy *= SHIP_TOP_SPEED / speed;
  }
  velocity = Velocity(dx, dy);
}

void Ship::boom() {
  if (sonicBoom > 0) sonicBoom--;
}

void Ship::draw() { drawShip(position, rotation, boost); }

void Ship::advance() {
  velocity = Velocity(velocity.getDx() * SHIP_DRAG, velocity.getDy() * SHIP_DRAG);
  Aviant::advance();
}
