/// @file
/// Velocity: a displacement in world units per frame. A plain value; a
/// default-constructed velocity is at rest.
#pragma once

/// A displacement in world units per frame: dx and dy.
class Velocity {
 public:
  /// At rest.
  Velocity() : dx(0.0f), dy(0.0f) {}
  /// (dx, dy) units a frame.
  Velocity(float dx, float dy) : dx(dx), dy(dy) {}

  /// Its parts, read and set.
  ///@{
  float getDx() const { return dx; }
  float getDy() const { return dy; }
  void setDx(float dx) { this->dx = dx; }
  void setDy(float dy) { this->dy = dy; }
  ///@}

 private:
  float dx;
  float dy;
};
