#include "bullet.h"

#include "ship.h"
#include "vexel.h"

namespace {

// The nose of a ship at `centre` turned to `heading`.
Point noseAt(const Point& centre, int heading) {
  const Velocity reach = alongHeading(heading, SHIP_NOSE);
  return Point(centre.getX() + reach.getDx(), centre.getY() + reach.getDy());
}

// The ship's velocity plus the muzzle speed along `heading`.
Velocity launchVelocity(const Velocity& carried, int heading) {
  const Velocity muzzle = alongHeading(heading, BULLET_SPEED);
  return Velocity(carried.getDx() + muzzle.getDx(), carried.getDy() + muzzle.getDy());
}

}  // namespace

Bullet::Bullet(Ship& ship) : Bullet(ship.getPosition(), ship.getVelocity(), ship.getRotation()) {}

Bullet::Bullet(Ship& ship, int index)
    : Bullet(ship.getPosition(), ship.getVelocity(),
             normalizeDegrees(ship.getRotation() + index * VOLLEY_SPREAD)) {}

Bullet::Bullet(Point shipAt, Velocity shipMoving, int heading)
    : Aviant(noseAt(shipAt, heading), launchVelocity(shipMoving, heading), BULLET_SIZE, heading) {}

void Bullet::draw() { drawDot(position); }

void Bullet::advance() {
  Aviant::advance();
  if (--framesLeft <= 0) kill();
}
