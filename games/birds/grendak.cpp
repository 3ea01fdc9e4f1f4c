#include "grendak.h"

#include "vexel.h"

namespace {

// The range of launch heights; the lower bound is also the start x.
const int UPPER_SCREEN_BOUND = 200;
const int LOWER_SCREEN_BOUND = -200;

// Rightward speed, and the climb or descent per frame (at least 1), in units.
const int SLOWEST = 2;
const int FASTEST = 4;
const int STEEPEST = 3;

const int TOTAL_HITS = 3;
const int VALUE = 1;

}  // namespace

Grendak::Grendak() {
  hits = TOTAL_HITS;
  points = VALUE;
  setTough(true);
  setAlive(true);
  Grendak::fly();
}

void Grendak::draw() const {
  drawGrendak(getPosition(), float(getRadius()), hits);
}

void Grendak::fly() {
  const int y = random(LOWER_SCREEN_BOUND, UPPER_SCREEN_BOUND);
  const int dx = random(SLOWEST, FASTEST + 1);
  // The lower half climbs and the upper half, y = 0 included, descends.
  const int dy = y < 0 ? random(1, STEEPEST + 1) : random(-STEEPEST, 0);
  setVelocity(Velocity(float(dx), float(dy)));
  setPosition(Point(float(LOWER_SCREEN_BOUND), float(y)));
}
