// Test objects placed exactly where a test wants them, with a given velocity
// and size, that count their own deletions (and, for rocks, break-ups).
#pragma once

#include <list>

#include "bullet.h"
#include "rock.h"
#include "ship.h"

class PlacedShip : public Ship {
 public:
  PlacedShip(Point at, Velocity moving, int radius = SHIP_SIZE) {
    position = at;
    velocity = moving;
    size = radius;
  }
  ~PlacedShip() override { deleted++; }
  static inline int deleted = 0;
};

class PlacedBullet : public Bullet {
 public:
  PlacedBullet(Point at, Velocity moving, int radius = BULLET_SIZE) : Bullet(launcher()) {
    position = at;
    velocity = moving;
    size = radius;
  }
  ~PlacedBullet() override { deleted++; }
  static inline int deleted = 0;

 private:
  static Ship& launcher() {
    static Ship ship;
    return ship;
  }
};

class PlacedRock : public Rock {
 public:
  PlacedRock(Point at, Velocity moving, int radius) : Rock(at, moving, radius, 0) {}
  ~PlacedRock() override {
    delete fragment;
    deleted++;
  }

  void draw() override {}
  // Counts the break-up and appends the fragment set up by the test, if any.
  void breakApart(std::list<Rock*>* rocks) override {
    breaks++;
    if (fragment) {
      rocks->push_back(fragment);
      fragment = nullptr;
    }
  }

  int breaks = 0;
  PlacedRock* fragment = nullptr;  // handed to the world's list on the first break
  static inline int deleted = 0;
};
