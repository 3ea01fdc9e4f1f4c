#include "bird.h"

#include "vexel.h"

namespace {

// Heights a bird may enter at: inside the field, clear of its top and bottom.
const double LOWEST_LAUNCH = -150.0;
const double HIGHEST_LAUNCH = 150.0;
// Rightward speed in units per frame: the field is crossed in 67 to 134 frames.
const double SLOWEST = 3.0;
const double FASTEST = 6.0;
// Largest climb or descent per frame: at most a third of the slowest speed.
const double STEEPEST = 1.0;

}  // namespace

void Bird::fly() {
  const float y = float(random(LOWEST_LAUNCH, HIGHEST_LAUNCH));
  const float dx = float(random(SLOWEST, FASTEST));
  const float dy = float(random(-STEEPEST, STEEPEST));
  setVelocity(Velocity(dx, dy));
  setPosition(Point(float(LOWER_X_LIMIT), y));
}
