// Holvane: the bird not to be shot. One hit, worth -10 points, drawn as a
// turning red star. It takes the ordinary launch of Bird.
#pragma once

#include "bird.h"

class Holvane : public Bird {
 public:
  // One hit, -10 points, not tough, alive and launched by Bird::fly().
  Holvane();
  // The star at the bird's position and radius; every star drawn turns it on.
  void draw() const override;
};
