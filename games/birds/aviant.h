// Aviant: the base of everything that flies across the bird gallery's field.
//
// Holds an object's position, velocity, heading, radius and life flag, moves
// it by its velocity once a frame and kills it as soon as it reaches an edge
// of the field. It does not draw: each concrete object supplies draw().
#pragma once

#include "point.h"
#include "velocity.h"

// The field's edges in world units; an object reaching one of them (the
// limit itself included) dies.
const int UPPER_X_LIMIT = 200;
const int LOWER_X_LIMIT = -200;
const int UPPER_Y_LIMIT = 200;
const int LOWER_Y_LIMIT = -200;

class Aviant {
 public:
  // At rest at the origin; the derived object gives it life, a start and a size.
  Aviant() : direction(0.0f), alive(false), radius(0) {}
  // Draws the object around its position; drawing never looks at the life flag.
  virtual void draw() const = 0;
  // Nothing to free; virtual so that a game may delete its objects through a base pointer.
  virtual ~Aviant() {}

  // Setters store their argument unchecked; setting the position runs no edge test.
  void setVelocity(Velocity v) { velocity = v; }
  void setPosition(Point p) { position = p; }
  void setDirection(float d) { direction = d; }
  void setAlive(bool a) { alive = a; }
  void setRadius(int r) { radius = r; }

  Velocity getVelocity() const { return velocity; }
  Point getPosition() const { return position; }
  float getDirection() const { return direction; }
  int getRadius() const { return radius; }
  bool isAlive() const { return alive; }

  // One frame: a living object moves by its velocity, then meets the edge test.
  // A dead one stays where it is.
  void advance();
  // The edge test alone: kills the object once it stands on or beyond an edge.
  // It never wraps, clamps or revives.
  void collide();

 private:
  Velocity velocity;
  Point position;
  float direction;
  bool alive;
  int radius;
};
