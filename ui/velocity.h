// Velocity: a displacement in world units per frame. A plain value; a
// default-constructed velocity is at rest.
#pragma once

class Velocity {
 public:
  Velocity() : dx(0.0f), dy(0.0f) {}
  Velocity(float dx, float dy) : dx(dx), dy(dy) {}

  float getDx() const { return dx; }
  float getDy() const { return dy; }
  void setDx(float dx) { this->dx = dx; }
  void setDy(float dy) { this->dy = dy; }

 private:
  float dx;
  float dy;
};
