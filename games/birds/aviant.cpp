#include "aviant.h"

void Aviant::advance() {
  if (!alive) return;
  position.addX(velocity.getDx());
  position.addY(velocity.getDy());
  collide();
}

void Aviant::collide() {
  const float x = position.getX();
  const float y = position.getY();
  if (x >= UPPER_X_LIMIT || x <= LOWER_X_LIMIT || y >= UPPER_Y_LIMIT || y <= LOWER_Y_LIMIT)
    alive = false;
}
