// Collision tests allocate nothing: only fragments of broken rocks do.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <new>

#include "game_probe.h"
#include "placed.h"

namespace {
int allocations = 0;  // every operator new in this program, counted
}  // namespace

// Replacements of the global allocation functions: they pair with each other,
// which GCC cannot see through.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  allocations++;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

TEST(Allocation, CheckingAFullWorldForCollisionsAllocatesNothingWhenNothingIsHit) {
  Game game(Point(-200, 200), Point(200, -200));
  GameProbe::empty(game);
  for (int i = 0; i < 1000; i++)  // a row of rocks far from everything else
    GameProbe::rocks(game).push_back(
        new PlacedRock(Point(-190.0f + i * 0.3f, 150), Velocity(0, 1), 20));
  game.sonicBoom();
  const int before = allocations;
  game.checkForCollisions();
  EXPECT_EQ(allocations, before);
  EXPECT_EQ(GameProbe::bullets(game).size(), 40u);
  for (Bullet* bullet : GameProbe::bullets(game)) EXPECT_TRUE(bullet->isAlive());
}

TEST(Allocation, MeasuringANearPairAllocatesNothing) {
  Game game(Point(-200, 200), Point(200, -200));
  PlacedRock fast(Point(0, 0), Velocity(10, 0), 1);
  PlacedRock near(Point(5, 10), Velocity(), 1);  // close enough to be sampled, never hit
  const int before = allocations;
  bool hit = false;
  for (int i = 0; i < 1000; i++) hit = hit || game.isCollision(fast, near);
  EXPECT_EQ(allocations, before);
  EXPECT_FALSE(hit);
  EXPECT_FLOAT_EQ(game.getClosestDistance(fast, near), 10.0f);
}
