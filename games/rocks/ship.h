// Ship: the player's craft. Starts at the centre of the field, at rest, nose
// up, with a few sonic booms. Turns a fixed step a frame, thrusts along its
// nose up to a top speed and coasts with a light drag when the thrust stops.
#pragma once

#include "aviant.h"

constexpr int SHIP_SIZE = 6;            // collision radius: the hull reaches 6 units out
constexpr int SHIP_NOSE = 6;            // the nose, ahead of the centre
constexpr int SHIP_TURN_STEP = 6;       // degrees a frame: a full turn in 2 seconds
constexpr float SHIP_THRUST = 0.2f;     // units per frame gained in every frame of thrust
constexpr float SHIP_TOP_SPEED = 5.0f;  // units per frame: the field in under 3 seconds
constexpr float SHIP_DRAG = 0.995f;     // share of the speed kept every frame
constexpr int SHIP_SONIC_BOOMS = 3;     // volleys the ship starts with

class Ship : public Aviant {
 public:
  Ship();

  void turnLeft();
  void turnRight();
  // Speeds up along the nose (never past the top speed) and lights the flame.
  void thrust();
  // Uses up one sonic boom.
  void boom();

  void setBoost(bool boost) { this->boost = boost; }
  bool isBoosting() const { return boost; }
  int getSonicBoom() const { return sonicBoom; }

  void draw() override;     // the hull, and the flame while boosting
  void advance() override;  // drag, then the move

 private:
  bool boost = false;
  int sonicBoom = SHIP_SONIC_BOOMS;
};
