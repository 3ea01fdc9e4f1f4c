// Rocks: Rock is the abstract rock; BigRock, MediumRock and SmallRock are its
// three sizes. Each drifts in a straight line, spins and wraps. When a rock
// is hit, breakApart() appends its fragments to the world's rock list, where
// the world owns them: a big rock leaves two medium rocks and a small one, a
// medium rock two small ones, a small rock nothing. Fragments start where the
// rock was and fly apart at evenly spread angles, on top of its own drift.
#pragma once

#include <list>

#include "aviant.h"

constexpr int BIG_ROCK_SIZE = 20;  // collision radii, matching the outlines
constexpr int MEDIUM_ROCK_SIZE = 15;
constexpr int SMALL_ROCK_SIZE = 8;
constexpr float BIG_ROCK_SPEED = 1.0f;  // a new big rock's drift, units per frame
constexpr float MEDIUM_ROCK_KICK = 1.0f;  // speed a fragment gains as it flies apart
constexpr float SMALL_ROCK_KICK = 1.5f;
constexpr int BIG_ROCK_SPIN = 2;  // degrees a frame, either way
constexpr int MEDIUM_ROCK_SPIN = 5;
constexpr int SMALL_ROCK_SPIN = 10;

class Rock : public Aviant {
 public:
  // Appends this rock's fragments (if any) to `rocks`.
  virtual void breakApart(std::list<Rock*>* rocks) = 0;

 protected:
  Rock(Point position, Velocity velocity, int size, int spin);
  // This rock's drift plus `kick` units along `heading`.
  Velocity fragmentVelocity(int heading, float kick) const;
};

class BigRock : public Rock {
 public:
  // A big rock drifting in a random direction.
  explicit BigRock(Point position);
  void draw() override;
  void breakApart(std::list<Rock*>* rocks) override;
};

class MediumRock : public Rock {
 public:
  MediumRock(Point position, Velocity velocity);
  void draw() override;
  void breakApart(std::list<Rock*>* rocks) override;
};

class SmallRock : public Rock {
 public:
  SmallRock(Point position, Velocity velocity);
  void draw() override;
  void breakApart(std::list<Rock*>*) override {}
};
