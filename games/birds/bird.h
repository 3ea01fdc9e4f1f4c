// Bird: what every bird of the gallery shares on top of Aviant.
//
// The hits a bird still takes, its score value and a tough flag, a drawing
// size, and the ordinary launch from the left edge. The bird kinds set hits,
// points and toughness in their constructors; the game lowers hits and adds
// up points.
#pragma once

#include "aviant.h"

// Drawing size of every bird, in world units: room for a digit in Grendak's body.
const int BIRD_RADIUS = 15;

class Bird : public Aviant {
 public:
  // Radius BIRD_RADIUS, no hits, no points, not tough; neither alive nor launched.
  Bird() : hits(0), points(0), tough(false) { setRadius(BIRD_RADIUS); }

  // The launch: a start on the left edge at a random height inside the field,
  // heading right at a random speed with a gentle random rise or fall.
  // Touches only the position and the velocity.
  virtual void fly();

  void setTough(bool t) { tough = t; }
  bool isTough() const { return tough; }
  int getHits() const { return hits; }
  // Stores the hits the bird still takes, unchecked: the game lowers them as it hits the bird.
  void setHits(int h) { hits = h; }
  int getPoints() const { return points; }

 protected:
  int hits;    // how many hits the bird still takes
  int points;  // what shooting it is worth

 private:
  bool tough;
};
