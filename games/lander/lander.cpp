#include "lander.h"

#include "vexel.h"

namespace {

// Fuel that must be exceeded before an engine fires: one less than each
// engine's starting cost, fixed even when the costs are changed.
const int BOTTOM_RESERVE = 2;
const int SIDE_RESERVE = 0;

}  // namespace

int Lander::consumeSides = 1;
int Lander::consumeBottom = 3;

Lander::Lander() : fuel(Lander::FULL_TANK), alive(true), landed(false) {}

void Lander::consumeFuel(int amount) { setFuel(fuel - amount); }

bool Lander::canThrust(bool bottom) {
  return getFuel() > (bottom ? BOTTOM_RESERVE : SIDE_RESERVE);
}

void Lander::applyThrustLeft() {
  if (canThrust(false)) drawLanderFlames(point, false, true, false);
}

void Lander::applyThrustRight() {
  if (canThrust(false)) drawLanderFlames(point, false, false, true);
}

void Lander::applyThrustBottom() {
  if (canThrust(true)) drawLanderFlames(point, true, false, false);
}

void Lander::applyGravity(float /*gravity*/) {}

void Lander::advance() {}

void Lander::draw() const { drawLander(point); }
