// Lander: the craft of a lunar-landing game.
//
// Holds the craft's position, velocity, fuel and its alive and landed flags,
// decides whether an engine may fire on the fuel left, shows the flame of a
// firing engine and draws the craft. It moves nothing and burns nothing by
// itself: the game that drives it moves it, pulls it down and charges fuel
// through the setters, consumeFuel and the two costs below.
#pragma once

#include "point.h"
#include "velocity.h"

class Lander {
 public:
  // Fuel cost of one firing of a side engine and of the bottom engine. Shared
  // by every craft and changeable; canThrust does not follow a change.
  static int consumeSides;
  static int consumeBottom;
  // The fuel of a new craft.
  static constexpr int FULL_TANK = 500;

  // Alive, not landed, at the origin, at rest, with 500 units of fuel.
  Lander();

  // Setters store their argument unchecked.
  void setPoint(Point p) { point = p; }
  void setVelocity(Velocity v) { velocity = v; }
  void setFuel(int f) { fuel = f; }
  void setAlive(bool a) { alive = a; }
  void setLanded(bool l) { landed = l; }

  Point getPoint() const { return point; }
  Velocity getVelocity() const { return velocity; }
  int getFuel() const { return fuel; }
  bool isAlive() const { return alive; }
  bool isLanded() const { return landed; }

  // Takes `amount` from the fuel: no lower bound, and a negative amount adds.
  void consumeFuel(int amount);

  // Whether an engine may fire: the bottom engine from 3 units of fuel on, a
  // side engine from 1 unit on.
  bool canThrust(bool bottom);

  // Each draws its own engine's flame at the craft when that engine may fire,
  // and nothing otherwise. None moves the craft or burns fuel, so a game shows
  // flames by calling these while it draws the frame.
  void applyThrustLeft();
  void applyThrustRight();
  void applyThrustBottom();

  // Hooks for the frame's gravity and motion; both leave the craft as it is.
  void applyGravity(float gravity);
  void advance();

  // The craft's outline standing on its position; the flames are not part of it.
  void draw() const;

 private:
  Point point;
  Velocity velocity;
  int fuel;
  bool alive;
  bool landed;
};
