#include "bullet.h"

#include "ship.h"
#include "vexel.h"

namespace {

// The ship's nose, turned to `heading`.
Point noseAt(const Ship& ship, int heading) {
  const Velocity reach = alongHeading(heading, SHIP_NOSE);
  const Point centre = ship.getPosition();
  return Point(centre.getX() + reach.getDx(), centre.getY() + reach.getDy());
}

// The ship's velocity plus the muzzle speed along `heading`.
Velocity launchVelocity(const Ship& ship, int heading) {
  const Velocity muzzle = alongHeading(heading, BULLET_SPEED);
  const Velocity carried = ship.getVelocity();
  return Velocity(carried.getDx() + muzzle.getDx(), carried.getDy() + muzzle.getDy());
}

}  // namespace

Bullet::Bullet(const Ship& ship, int heading, int)
    : Aviant(noseAt(ship, heading), launchVelocity(ship, heading), BULLET_SIZE, heading) {}

Bullet::Bullet(Ship& ship) : Bullet(ship, ship.getRotation(), 0) {}

Bullet::Bullet(Ship& ship, int index)
    : Bullet(ship, normalizeDegrees(ship.getRotation() + index * VOLLEY_SPREAD), 0) {}

void Bullet::draw() { drawDot(position); }

void Bullet::advance() {
  Aviant::advance();
  if (--framesLeft <= 0) kill();
}
