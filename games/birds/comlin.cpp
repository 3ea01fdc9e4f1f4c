#include "comlin.h"

#include "vexel.h"

namespace {

const int TOTAL_HITS = 1;
const int VALUE = 1;

}  // namespace

Comlin::Comlin() {
  hits = TOTAL_HITS;
  points = VALUE;
  setTough(false);
  setAlive(true);
  Bird::fly();
}

void Comlin::draw() const {
  drawCircle(getPosition(), getRadius());
}
