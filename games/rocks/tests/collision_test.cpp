// Closest approach within a frame, the collision walk and the clean-up.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>

#include "game_probe.h"
#include "placed.h"
#include "vexel.h"

namespace {

class Collisions : public ::testing::Test {
 protected:
  void SetUp() override {
    srand(3);
    game = std::make_unique<Game>(Point(-200, 200), Point(200, -200));
    GameProbe::empty(*game);
    // The world's own ship sits far from every test object.
    GameProbe::replaceShip(*game, new PlacedShip(Point(-190, -190), Velocity()));
    PlacedBullet::deleted = PlacedRock::deleted = 0;
  }

  Ship& ship() { return GameProbe::ship(*game); }
  PlacedRock* addRock(Point at, Velocity moving, int radius) {
    auto* rock = new PlacedRock(at, moving, radius);
    GameProbe::rocks(*game).push_back(rock);
    return rock;
  }
  PlacedBullet* addBullet(Point at, Velocity moving, int radius = 1) {
    auto* bullet = new PlacedBullet(at, moving, radius);
    GameProbe::bullets(*game).push_back(bullet);
    return bullet;
  }

  std::unique_ptr<Game> game;
};

}  // namespace

TEST_F(Collisions, TouchingAtExactlyTheSumOfSizesIsNoHit) {
  PlacedRock a(Point(0, 0), Velocity(), 4);
  PlacedRock b(Point(10, 0), Velocity(), 6);
  EXPECT_FLOAT_EQ(game->getClosestDistance(a, b), 10.0f);
  EXPECT_FALSE(game->isCollision(a, b));

  PlacedRock c(Point(9.9f, 0), Velocity(), 6);
  EXPECT_TRUE(game->isCollision(a, c));
}

TEST_F(Collisions, SlowObjectsAreMeasuredOnlyWhereTheyStand) {
  // Every component below 1: one sample, even though they would meet half a frame on.
  PlacedRock a(Point(0, 0), Velocity(0.9f, 0), 1);
  PlacedRock b(Point(1.8f, 0), Velocity(-0.9f, 0), 1);
  EXPECT_FLOAT_EQ(game->getClosestDistance(a, b), 1.8f);
}

TEST_F(Collisions, AStepBoundOfOneSamplesNowAndAFullStepAhead) {
  PlacedRock a(Point(0, 0), Velocity(1.0f, 0.5f), 1);
  PlacedRock b(Point(3, 0), Velocity(), 1);
  EXPECT_FLOAT_EQ(game->getClosestDistance(a, b), std::sqrt(4.25f));  // at (1, 0.5)
}

TEST_F(Collisions, AStepBoundOfTwoAndAHalfSamplesThreeTimesShortOfTheEnd) {
  // Samples at 0, 0.4 and 0.8 of the step: 2.5 units away, then 1.5, then 0.5;
  // the end of the step, where they meet, is not sampled.
  PlacedRock a(Point(0, 0), Velocity(2.5f, 0), 1);
  PlacedRock b(Point(2.5f, 0), Velocity(), 1);
  EXPECT_FLOAT_EQ(game->getClosestDistance(a, b), 0.5f);

  PlacedRock behind(Point(-1, 0), Velocity(), 1);  // nearest where it starts
  EXPECT_FLOAT_EQ(game->getClosestDistance(a, behind), 1.0f);
}

TEST_F(Collisions, AFastBulletIsCaughtInTheMiddleOfItsFrame) {
  PlacedBullet bullet(Point(0, 0), Velocity(10, 0), 1);
  PlacedRock rock(Point(5, 0), Velocity(), 1);
  EXPECT_FLOAT_EQ(game->getClosestDistance(bullet, rock), 0.0f);
  EXPECT_TRUE(game->isCollision(bullet, rock));
}

TEST_F(Collisions, DeadObjectsNeverCollide) {
  PlacedRock a(Point(0, 0), Velocity(), 5);
  PlacedRock b(Point(0, 0), Velocity(), 5);
  b.kill();
  EXPECT_FALSE(game->isCollision(a, b));
  EXPECT_FALSE(game->isCollision(b, a));
}

TEST_F(Collisions, AHitKillsBothAndBreaksTheRockOnce) {
  PlacedBullet* bullet = addBullet(Point(0, 0), Velocity(0, 7));
  PlacedRock* rock = addRock(Point(0, 8), Velocity(), 5);
  PlacedRock* missed = addRock(Point(100, 100), Velocity(), 5);
  game->checkForCollisions();
  EXPECT_FALSE(bullet->isAlive());
  EXPECT_FALSE(rock->isAlive());
  EXPECT_EQ(rock->breaks, 1);
  EXPECT_TRUE(missed->isAlive());
  EXPECT_EQ(missed->breaks, 0);
}

TEST_F(Collisions, TheShipIsTestedBeforeAnyBullet) {
  GameProbe::replaceShip(*game, new PlacedShip(Point(50, 50), Velocity()));
  PlacedBullet* bullet = addBullet(Point(52, 50), Velocity());
  PlacedRock* rock = addRock(Point(51, 51), Velocity(), 5);
  game->checkForCollisions();
  EXPECT_FALSE(ship().isAlive());
  EXPECT_FALSE(rock->isAlive());
  EXPECT_TRUE(bullet->isAlive());
  EXPECT_EQ(rock->breaks, 1);
}

TEST_F(Collisions, ABulletOverTwoRocksHitsOnlyTheEarlierOne) {
  PlacedBullet* bullet = addBullet(Point(0, 0), Velocity());
  PlacedRock* first = addRock(Point(2, 0), Velocity(), 5);
  PlacedRock* second = addRock(Point(-2, 0), Velocity(), 5);
  game->checkForCollisions();
  EXPECT_FALSE(bullet->isAlive());
  EXPECT_FALSE(first->isAlive());
  EXPECT_TRUE(second->isAlive());
}

TEST_F(Collisions, AFragmentIsHitInTheSamePass) {
  addBullet(Point(0, 0), Velocity());
  PlacedBullet* waiting = addBullet(Point(60, 0), Velocity());
  PlacedRock* rock = addRock(Point(0, 0), Velocity(), 5);
  auto* fragment = new PlacedRock(Point(60, 0), Velocity(), 3);
  rock->fragment = fragment;
  game->checkForCollisions();
  ASSERT_EQ(GameProbe::rocks(*game).back(), fragment);
  EXPECT_FALSE(fragment->isAlive());
  EXPECT_FALSE(waiting->isAlive());
  EXPECT_EQ(fragment->breaks, 1);
}

TEST_F(Collisions, ADeadShipIsNoLongerHit) {
  GameProbe::replaceShip(*game, new PlacedShip(Point(0, 0), Velocity()));
  ship().kill();
  PlacedRock* rock = addRock(Point(0, 0), Velocity(), 5);
  game->checkForCollisions();
  EXPECT_TRUE(rock->isAlive());
}

TEST_F(Collisions, CleanUpDeletesTheDeadAndKeepsTheOrderOfTheLiving) {
  PlacedBullet* b1 = addBullet(Point(0, 0), Velocity());
  addBullet(Point(0, 0), Velocity())->kill();
  PlacedBullet* b3 = addBullet(Point(0, 0), Velocity());
  addRock(Point(0, 0), Velocity(), 5)->kill();
  PlacedRock* r2 = addRock(Point(0, 0), Velocity(), 5);
  addRock(Point(0, 0), Velocity(), 5)->kill();
  ship().kill();

  game->cleanUpZombies();
  EXPECT_EQ(PlacedBullet::deleted, 1);
  EXPECT_EQ(PlacedRock::deleted, 2);
  EXPECT_EQ(GameProbe::bullets(*game), (std::list<Bullet*>{b1, b3}));
  EXPECT_EQ(GameProbe::rocks(*game), (std::list<Rock*>{r2}));
  EXPECT_FALSE(ship().isAlive());  // the ship stays in the world, dead or alive
}

TEST_F(Collisions, AFrameRemovesWhatItKilledBeforeInputAndDrawing) {
  addBullet(Point(0, 0), Velocity(0, 10));
  addRock(Point(0, 15), Velocity(), 5);
  PlacedRock* far = addRock(Point(100, -100), Velocity(), 5);
  game->advance();
  EXPECT_TRUE(GameProbe::bullets(*game).empty());
  EXPECT_EQ(GameProbe::rocks(*game), (std::list<Rock*>{far}));
  EXPECT_EQ(PlacedBullet::deleted, 1);
  EXPECT_EQ(PlacedRock::deleted, 1);
}

TEST_F(Collisions, RealShotsBreakRealRocksIntoFragmentsThatStayInTheWorld) {
  GameProbe::replaceShip(*game, new PlacedShip(Point(0, 0), Velocity()));
  GameProbe::rocks(*game).push_back(new BigRock(Point(0, 40)));
  game->sonicBoom();
  for (int frame = 0; frame < 6; frame++) game->advance();
  int medium = 0, small = 0;
  for (Rock* rock : GameProbe::rocks(*game)) {
    medium += dynamic_cast<MediumRock*>(rock) != nullptr;
    small += dynamic_cast<SmallRock*>(rock) != nullptr;
    EXPECT_EQ(dynamic_cast<BigRock*>(rock), nullptr);
  }
  EXPECT_GE(medium + small, 1);  // some fragments escape the rest of the volley
  EXPECT_LT(GameProbe::bullets(*game).size(), 40u);
}

TEST_F(Collisions, SkippingFarPairsNeverChangesTheVerdict) {
  // isCollision passes over pairs that are plainly out of reach without
  // sampling; over many random pairs, near and far, it must agree with the
  // sampled closest approach.
  int hits = 0;
  for (int i = 0; i < 20000; i++) {
    auto coordinate = [] { return float(random(-60.0, 60.0)); };
    auto speed = [] { return float(random(-14.0, 14.0)); };
    PlacedRock a(Point(coordinate(), coordinate()), Velocity(speed(), speed()), random(1, 21));
    PlacedRock b(Point(coordinate(), coordinate()), Velocity(speed(), speed()), random(1, 21));
    const bool sampled = game->getClosestDistance(a, b) < float(a.getSize() + b.getSize());
    ASSERT_EQ(game->isCollision(a, b), sampled) << "pair " << i;
    hits += sampled;
  }
  EXPECT_GT(hits, 1000);
  EXPECT_LT(hits, 19000);
}
