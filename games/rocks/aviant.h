// Aviant: the base of everything that moves in the rock field.
//
// Holds velocity, position, life, collision radius and an orientation that
// may spin. advance() moves one frame in a straight line, turns by the spin
// and wraps around the field's edges; kill() marks the object dead.
#pragma once

#include "point.h"
#include "velocity.h"

// The field is the square from -FIELD_EDGE to FIELD_EDGE on both axes.
constexpr float FIELD_EDGE = 200.0f;

// A coordinate that has left the field comes back in at the other edge:
// 200.5 becomes -199.5; 200 itself is still inside.
float wrapCoordinate(float value);

// An angle in degrees, brought into 0..359.
int normalizeDegrees(int degrees);

// A displacement of `length` along a heading of `degrees` (0 = up, counter-clockwise).
Velocity alongHeading(int degrees, float length);

class Aviant {
 public:
  // Objects of every kind are deleted through their base.
  virtual ~Aviant() = default;

  Velocity getVelocity() const { return velocity; }
  Point getPosition() const { return position; }
  bool isAlive() const { return alive; }
  int getSize() const { return size; }      // collision radius in world units
  int getRotation() const { return rotation; }  // degrees, 0 = up, counter-clockwise

  virtual void draw() = 0;       // draws the sprite with the drawing library
  virtual void advance();        // moves one frame, spins, wraps
  virtual void kill() { alive = false; }

 protected:
  Aviant(Point position, Velocity velocity, int size, int rotation = 0, int spin = 0)
      : velocity(velocity), position(position), size(size), rotation(rotation), spin(spin) {}

  Velocity velocity;
  Point position;
  bool alive = true;
  int size;
  int rotation;
  int spin;  // degrees turned every frame
};
