// Grendak: the three-hit bird. Worth 1 point, tough, drawn as a disc showing
// the hits it still takes. It enters at the left edge at a random height and
// flies right, rising from the lower half, sinking from the upper half.
#pragma once

#include "bird.h"

class Grendak : public Bird {
 public:
  // Three hits, 1 point, tough, alive and launched by its own fly().
  Grendak();
  // The disc at the bird's position and radius, with its hits as a digit (1 to 9).
  void draw() const override;
  // Starts at (-200, y) for a whole y from -200 to 199, dx 2 to 4, and dy 1 to 3
  // below y = 0 or -3 to -1 from y = 0 up: never level. Draws height, dx, dy
  // in that order from the shared random sequence.
  void fly() override;
};
