#include "rock.h"

#include "vexel.h"

namespace {

constexpr int FULL_TURN = 360;

// Turns `spin` degrees a frame, clockwise or counter-clockwise at random.
int eitherWay(int spin) { return random(0, 2) == 0 ? spin : -spin; }

int randomHeading() { return random(0, FULL_TURN); }

}  // namespace

Rock::Rock(Point position, Velocity velocity, int size, int spin)
    : Aviant(position, velocity, size, randomHeading(), eitherWay(spin)) {}

Velocity Rock::fragmentVelocity(int heading, float kick) const {
  const Velocity push = alongHeading(heading, kick);
  return Velocity(velocity.getDx() + push.getDx(), velocity.getDy() + push.getDy());
}

BigRock::BigRock(Point position)
    : Rock(position, alongHeading(randomHeading(), BIG_ROCK_SPEED), BIG_ROCK_SIZE, BIG_ROCK_SPIN) {}

void BigRock::draw() { drawLargeRubblon(position, rotation); }

void BigRock::breakApart(std::list<Rock*>* rocks) {
  const int heading = randomHeading();
  const int third = FULL_TURN / 3;
  rocks->push_back(new MediumRock(position, fragmentVelocity(heading, MEDIUM_ROCK_KICK)));
  rocks->push_back(new MediumRock(position, fragmentVelocity(heading + third, MEDIUM_ROCK_KICK)));
  rocks->push_back(new SmallRock(position, fragmentVelocity(heading + 2 * third, SMALL_ROCK_KICK)));
}

MediumRock::MediumRock(Point position, Velocity velocity)
    : Rock(position, velocity, MEDIUM_ROCK_SIZE, MEDIUM_ROCK_SPIN) {}

void MediumRock::draw() { drawMediumRubblon(position, rotation); }

void MediumRock::breakApart(std::list<Rock*>* rocks) {
  const int heading = randomHeading();
  const int half = FULL_TURN / 2;
  rocks->push_back(new SmallRock(position, fragmentVelocity(heading, SMALL_ROCK_KICK)));
  rocks->push_back(new SmallRock(position, fragmentVelocity(heading + half, SMALL_ROCK_KICK)));
}

SmallRock::SmallRock(Point position, Velocity velocity)
    : Rock(position, velocity, SMALL_ROCK_SIZE, SMALL_ROCK_SPIN) {}

void SmallRock::draw() { drawSmallRubblon(position, rotation); }
