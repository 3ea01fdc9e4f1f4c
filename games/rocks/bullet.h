// Bullet: a shot from the ship's nose. It flies with the ship's velocity
// plus the muzzle speed, wraps like everything else, and dies after a fixed
// number of frames. Drawn as a dot.
#pragma once

#include "aviant.h"

class Ship;

constexpr float BULLET_SPEED = 7.0f;  // muzzle speed, units per frame
constexpr int BULLET_LIFETIME = 45;   // frames: 1.5 seconds, about 315 units
constexpr int BULLET_SIZE = 1;        // collision radius
constexpr int VOLLEY_SPREAD = 9;      // degrees between neighbours of a sonic-boom volley

class Bullet : public Aviant {
 public:
  // A shot along the ship's nose.
  explicit Bullet(Ship& ship);
  // Bullet `index` (-20 to 19) of a sonic-boom volley: index times
  // VOLLEY_SPREAD degrees from the nose, so 40 of them ring the ship.
  Bullet(Ship& ship, int index);
  ~Bullet() override = default;

  int getFramesLeft() const { return framesLeft; }

  void draw() override;
  void advance() override;  // moves, and dies when its time is up

 private:
  // Leaves the nose of a ship standing at shipAt and moving at shipMoving.
  Bullet(Point shipAt, Velocity shipMoving, int heading);
  int framesLeft = BULLET_LIFETIME;
};
