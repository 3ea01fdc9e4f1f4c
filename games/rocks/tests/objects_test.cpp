// The shooter's moving objects: the ship, bullets and the three rock sizes.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <set>
#include <vector>

#include "glrecord.h"
#include "placed.h"

namespace {

float speedOf(const Velocity& v) { return std::hypot(v.getDx(), v.getDy()); }

// Heading of a displacement in whole degrees, 0 = up, counter-clockwise.
int headingOf(float dx, float dy) {
  return normalizeDegrees(int(std::lround(std::atan2(-dx, dy) * 180.0 / M_PI)));
}

float distance(const Point& a, const Point& b) {
  return std::hypot(a.getX() - b.getX(), a.getY() - b.getY());
}

class Objects : public ::testing::Test {
 protected:
  void SetUp() override {
    srand(7);
    glrecord::reset();
  }
};

// Deletes the fragments a rock appended.
struct Fragments {
  std::list<Rock*> rocks;
  ~Fragments() {
    for (Rock* rock : rocks) delete rock;
  }
};

}  // namespace

TEST_F(Objects, EverythingWrapsAroundTheFieldEdges) {
  EXPECT_FLOAT_EQ(wrapCoordinate(200.0f), 200.0f);
  EXPECT_FLOAT_EQ(wrapCoordinate(200.5f), -199.5f);
  EXPECT_FLOAT_EQ(wrapCoordinate(-200.5f), 199.5f);

  SmallRock rock(Point(199.5f, -199.0f), Velocity(1.0f, -2.0f));
  rock.advance();
  EXPECT_FLOAT_EQ(rock.getPosition().getX(), -199.5f);
  EXPECT_FLOAT_EQ(rock.getPosition().getY(), 199.0f);

  Ship ship;
  ship.turnLeft();  // nudge off the axis so both coordinates are exercised
  for (int i = 0; i < 400; i++) {
    ship.thrust();
    ship.advance();
    EXPECT_LE(std::fabs(ship.getPosition().getX()), FIELD_EDGE);
    EXPECT_LE(std::fabs(ship.getPosition().getY()), FIELD_EDGE);
  }
}

TEST_F(Objects, ShipStartsAtTheCentreAtRestNoseUpWithItsBooms) {
  Ship ship;
  EXPECT_FLOAT_EQ(ship.getPosition().getX(), 0.0f);
  EXPECT_FLOAT_EQ(ship.getPosition().getY(), 0.0f);
  EXPECT_FLOAT_EQ(speedOf(ship.getVelocity()), 0.0f);
  EXPECT_EQ(ship.getRotation(), 0);
  EXPECT_FALSE(ship.isBoosting());
  EXPECT_TRUE(ship.isAlive());
  EXPECT_EQ(ship.getSonicBoom(), SHIP_SONIC_BOOMS);
  EXPECT_GT(SHIP_SONIC_BOOMS, 0);
}

TEST_F(Objects, ShipTurnsAFixedStepEitherWayAndWrapsAtAFullTurn) {
  Ship ship;
  ship.turnLeft();
  EXPECT_EQ(ship.getRotation(), SHIP_TURN_STEP);
  ship.turnRight();
  ship.turnRight();
  EXPECT_EQ(ship.getRotation(), 360 - SHIP_TURN_STEP);
  for (int i = 0; i < 360 / SHIP_TURN_STEP; i++) ship.turnLeft();
  EXPECT_EQ(ship.getRotation(), 360 - SHIP_TURN_STEP);
}

TEST_F(Objects, ThrustAcceleratesAlongTheNoseAndLightsTheFlame) {
  Ship ship;
  ship.thrust();
  EXPECT_TRUE(ship.isBoosting());
  EXPECT_NEAR(ship.getVelocity().getDx(), 0.0f, 1e-6);
  EXPECT_FLOAT_EQ(ship.getVelocity().getDy(), SHIP_THRUST);

  Ship turned;
  for (int i = 0; i < 90 / SHIP_TURN_STEP; i++) turned.turnLeft();  // nose to the left
  turned.thrust();
  turned.thrust();
  EXPECT_FLOAT_EQ(turned.getVelocity().getDx(), -2 * SHIP_THRUST);
  EXPECT_NEAR(turned.getVelocity().getDy(), 0.0f, 1e-6);
}

TEST_F(Objects, ThrustNeverTakesTheShipPastItsTopSpeed) {
  Ship ship;
  for (int i = 0; i < 1000; i++) {
    if (i % 50 == 0) ship.turnLeft();
    ship.thrust();
    ship.advance();
    ASSERT_LE(speedOf(ship.getVelocity()), SHIP_TOP_SPEED * 1.0001f);
  }
  EXPECT_GT(speedOf(ship.getVelocity()), SHIP_TOP_SPEED * 0.9f);
}

TEST_F(Objects, ShipCoastsWhenTheThrustStopsLosingOnlyALittleSpeed) {
  Ship ship;
  for (int i = 0; i < 10; i++) ship.thrust();
  const float before = speedOf(ship.getVelocity());
  ship.setBoost(false);
  for (int i = 0; i < 30; i++) ship.advance();  // one second without thrust
  const float after = speedOf(ship.getVelocity());
  EXPECT_LT(after, before * 1.0001f);
  EXPECT_GT(after, before * 0.8f);
  EXPECT_GT(ship.getPosition().getY(), 30 * after);
}

TEST_F(Objects, BoomUsesUpOneSonicBoomAndNeverGoesBelowZero) {
  Ship ship;
  ship.boom();
  EXPECT_EQ(ship.getSonicBoom(), SHIP_SONIC_BOOMS - 1);
  for (int i = 0; i < SHIP_SONIC_BOOMS + 2; i++) ship.boom();
  EXPECT_EQ(ship.getSonicBoom(), 0);
}

TEST_F(Objects, ShipShowsTheRedFlameOnlyWhileBoosting) {
  Ship ship;
  ship.draw();
  ASSERT_EQ(glrecord::primitives().size(), 1u);
  EXPECT_EQ(glrecord::primitives()[0].vertices.front(), (glrecord::Vertex{0, 6}));

  glrecord::reset();
  ship.setBoost(true);
  ship.draw();
  ASSERT_EQ(glrecord::primitives().size(), 2u);
  EXPECT_EQ(glrecord::primitives()[1].colours.front(), (glrecord::Colour{1, 0, 0}));
}

TEST_F(Objects, BulletLeavesTheNoseWithTheShipsVelocityPlusTheMuzzleSpeed) {
  PlacedShip ship(Point(10, 20), Velocity(1.5f, -2.0f));
  for (int i = 0; i < 90 / SHIP_TURN_STEP; i++) ship.turnLeft();  // nose to the left
  Bullet bullet(ship);
  EXPECT_NEAR(bullet.getPosition().getX(), 10.0f - SHIP_NOSE, 1e-4);
  EXPECT_NEAR(bullet.getPosition().getY(), 20.0f, 1e-4);
  EXPECT_NEAR(bullet.getVelocity().getDx(), 1.5f - BULLET_SPEED, 1e-4);
  EXPECT_NEAR(bullet.getVelocity().getDy(), -2.0f, 1e-4);
  EXPECT_EQ(bullet.getSize(), BULLET_SIZE);
}

TEST_F(Objects, BulletLivesAFixedNumberOfFramesThenDies) {
  Ship ship;
  Bullet bullet(ship);
  for (int i = 1; i < BULLET_LIFETIME; i++) {
    bullet.advance();
    ASSERT_TRUE(bullet.isAlive()) << "frame " << i;
  }
  const float y = bullet.getPosition().getY();
  bullet.advance();
  EXPECT_FALSE(bullet.isAlive());
  EXPECT_FLOAT_EQ(bullet.getPosition().getY() - y, BULLET_SPEED);  // it moved in its last frame
}

TEST_F(Objects, VolleySpreadsFortyBulletsEvenlyAroundTheShip) {
  Ship ship;
  for (int i = 0; i < 5; i++) ship.turnLeft();
  std::set<int> headings;
  for (int index = -20; index <= 19; index++) {
    Bullet bullet(ship, index);
    const Velocity v = bullet.getVelocity();
    const int heading = headingOf(v.getDx(), v.getDy());
    EXPECT_EQ(heading, normalizeDegrees(5 * SHIP_TURN_STEP + index * VOLLEY_SPREAD)) << index;
    EXPECT_NEAR(speedOf(v), BULLET_SPEED, 1e-4);
    EXPECT_NEAR(distance(bullet.getPosition(), ship.getPosition()), SHIP_NOSE, 1e-4);
    headings.insert(heading);
  }
  EXPECT_EQ(headings.size(), 40u);
  EXPECT_EQ(VOLLEY_SPREAD * 40, 360);
}

TEST_F(Objects, BulletIsDrawnAsADot) {
  Ship ship;
  Bullet bullet(ship);
  bullet.draw();
  ASSERT_EQ(glrecord::primitives().size(), 1u);
  EXPECT_EQ(glrecord::primitives()[0].mode, GLenum(GL_POINTS));
  EXPECT_EQ(glrecord::primitives()[0].vertices.front(), (glrecord::Vertex{0, SHIP_NOSE}));
}

// The mean distance of a drawn outline's vertices from the rock's centre.
float meanOutlineRadius(Rock& rock) {
  glrecord::reset();
  rock.draw();
  const auto vertices = glrecord::vertices();
  float sum = 0;
  for (const auto& v : vertices) sum += distance(Point(v.x, v.y), rock.getPosition());
  return sum / vertices.size();
}

TEST_F(Objects, RockSizesMatchTheirOutlines) {
  BigRock big(Point(30, 40));
  MediumRock medium(Point(-30, 40), Velocity());
  SmallRock small(Point(30, -40), Velocity());
  for (Rock* rock : std::initializer_list<Rock*>{&big, &medium, &small}) {
    const float radius = meanOutlineRadius(*rock);
    EXPECT_NEAR(rock->getSize(), radius, 0.25f * radius);
  }
  EXPECT_GT(big.getSize(), medium.getSize());
  EXPECT_GT(medium.getSize(), small.getSize());
}

TEST_F(Objects, BigRocksDriftInRandomDirectionsAndSpin) {
  std::set<int> headings;
  std::set<int> spins;
  for (int i = 0; i < 40; i++) {
    BigRock rock(Point(0, 0));
    const Velocity v = rock.getVelocity();
    EXPECT_NEAR(speedOf(v), BIG_ROCK_SPEED, 1e-4);
    headings.insert(headingOf(v.getDx(), v.getDy()) / 90);  // which quarter
    const int before = rock.getRotation();
    rock.advance();
    const int turned = normalizeDegrees(rock.getRotation() - before);
    EXPECT_TRUE(turned == BIG_ROCK_SPIN || turned == 360 - BIG_ROCK_SPIN) << turned;
    spins.insert(turned);
    EXPECT_FLOAT_EQ(rock.getPosition().getX(), v.getDx());
  }
  EXPECT_EQ(headings.size(), 4u);
  EXPECT_EQ(spins.size(), 2u);
}

TEST_F(Objects, BigRockBreaksIntoTwoMediumRocksAndASmallOneWhereItWas) {
  BigRock rock(Point(50, -60));
  Fragments pieces;
  pieces.rocks.push_back(nullptr);  // fragments go behind what is already there
  rock.breakApart(&pieces.rocks);
  ASSERT_EQ(pieces.rocks.size(), 4u);
  pieces.rocks.pop_front();
  int medium = 0, small = 0;
  for (Rock* piece : pieces.rocks) {
    medium += dynamic_cast<MediumRock*>(piece) != nullptr;
    small += dynamic_cast<SmallRock*>(piece) != nullptr;
    EXPECT_FLOAT_EQ(piece->getPosition().getX(), 50.0f);
    EXPECT_FLOAT_EQ(piece->getPosition().getY(), -60.0f);
  }
  EXPECT_EQ(medium, 2);
  EXPECT_EQ(small, 1);
}

TEST_F(Objects, MediumRockBreaksIntoTwoSmallRocksAndASmallRockIntoNothing) {
  MediumRock medium(Point(0, 0), Velocity(0.5f, 0.5f));
  Fragments pieces;
  medium.breakApart(&pieces.rocks);
  ASSERT_EQ(pieces.rocks.size(), 2u);
  for (Rock* piece : pieces.rocks) EXPECT_NE(dynamic_cast<SmallRock*>(piece), nullptr);

  SmallRock small(Point(0, 0), Velocity());
  Fragments none;
  small.breakApart(&none.rocks);
  EXPECT_TRUE(none.rocks.empty());
}

TEST_F(Objects, FragmentsFlyApart) {
  for (int trial = 0; trial < 20; trial++) {
    BigRock rock(Point(0, 0));
    Fragments pieces;
    rock.breakApart(&pieces.rocks);
    MediumRock medium(Point(0, 0), rock.getVelocity());
    medium.breakApart(&pieces.rocks);
    std::vector<Rock*> from(pieces.rocks.begin(), pieces.rocks.end());
    for (int frame = 0; frame < 20; frame++)
      for (Rock* piece : from) piece->advance();
    auto apart = [&](size_t a, size_t b) {
      return distance(from[a]->getPosition(), from[b]->getPosition());
    };
    for (size_t a = 0; a < 3; a++)
      for (size_t b = a + 1; b < 3; b++)
        EXPECT_GT(apart(a, b), 20.0f) << "big rock's pieces " << a << " and " << b;
    EXPECT_GT(apart(3, 4), 40.0f) << "medium rock's pieces";
  }
}

namespace {
class CountedSmallRock : public SmallRock {
 public:
  CountedSmallRock() : SmallRock(Point(), Velocity()) {}
  ~CountedSmallRock() override { destroyed++; }
  static inline int destroyed = 0;
};
}  // namespace

TEST_F(Objects, DeletingARockThroughItsBaseRunsTheWholeDestructor) {
  CountedSmallRock::destroyed = 0;
  Rock* rock = new CountedSmallRock();
  delete rock;
  EXPECT_EQ(CountedSmallRock::destroyed, 1);
  Aviant* object = new CountedSmallRock();
  delete object;
  EXPECT_EQ(CountedSmallRock::destroyed, 2);
}
