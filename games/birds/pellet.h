// Pellet: a shot from the gallery's rifle.
//
// A gallery object like the birds: it flies in a straight line at
// PELLET_SPEED from the muzzle along the barrel, dies at the field's edge,
// and is drawn as a dot.
#pragma once

#include "aviant.h"

constexpr float PELLET_SPEED = 12.0f;  // units a frame: the field's diagonal in under 50 frames

// `length` units along a barrel turned `angle` degrees counter-clockwise from straight up.
Velocity alongBarrel(int angle, float length);

class Pellet : public Aviant {
 public:
  // Alive at `muzzle`, flying along a barrel turned `angle` degrees.
  Pellet(const Point& muzzle, int angle);
  // A 2 by 2 dot at the pellet's position.
  void draw() const override;
};
