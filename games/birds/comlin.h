// Comlin: the ordinary bird. One hit, worth 1 point, drawn as a plain circle.
// It takes the ordinary launch of Bird.
#pragma once

#include "bird.h"

class Comlin : public Bird {
 public:
  // One hit, 1 point, not tough, alive and launched by Bird::fly().
  Comlin();
  // A circle outline at the bird's position and radius.
  void draw() const override;
};
