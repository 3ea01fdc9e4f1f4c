#include "holvane.h"

#include "vexel.h"

namespace {

const int TOTAL_HITS = 1;
const int VALUE = -10;  // shooting this one costs

}  // namespace

Holvane::Holvane() {
  hits = TOTAL_HITS;
  points = VALUE;
  setTough(false);
  setAlive(true);
  Bird::fly();
}

void Holvane::draw() const {
  drawHolvane(getPosition(), float(getRadius()));
}
