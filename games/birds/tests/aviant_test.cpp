#include <gtest/gtest.h>

#include "aviant.h"

namespace {

// The smallest concrete gallery object: it draws nothing.
class Dummy : public Aviant {
 public:
  Dummy(Point at, Velocity v) {
    setPosition(at);
    setVelocity(v);
    setAlive(true);
  }
  void draw() const override {}
};

void expectAt(const Aviant& a, float x, float y) {
  EXPECT_FLOAT_EQ(a.getPosition().getX(), x);
  EXPECT_FLOAT_EQ(a.getPosition().getY(), y);
}

}  // namespace

TEST(GalleryEdge, ReachingAnyLimitExactlyKills) {
  struct Case {
    Point from;
    Velocity by;
  } cases[] = {{{199, 0}, {1, 0}},  {{-199, 0}, {-1, 0}},
               {{0, 199}, {0, 1}},  {{0, -199}, {0, -1}}};
  for (const Case& c : cases) {
    Dummy d(c.from, c.by);
    d.advance();
    expectAt(d, c.from.getX() + c.by.getDx(), c.from.getY() + c.by.getDy());
    EXPECT_FALSE(d.isAlive()) << c.from.getX() << "," << c.from.getY();
  }
}

TEST(GalleryEdge, StoppingJustShortOfALimitSurvives) {
  struct Case {
    Point from;
    Velocity by;
  } cases[] = {{{198.5f, 0}, {1, 0}},  {{-198.5f, 0}, {-1, 0}},
               {{0, 198.5f}, {0, 1}},  {{0, -198.5f}, {0, -1}},
               {{199.5f, -199.5f}, {0, 0}}};
  for (const Case& c : cases) {
    Dummy d(c.from, c.by);
    d.advance();
    EXPECT_TRUE(d.isAlive()) << c.from.getX() << "," << c.from.getY();
  }
}

TEST(GalleryEdge, OvershootingALimitKillsWhereTheObjectLands) {
  Dummy d(Point(195, 100), Velocity(10, 3));
  d.advance();
  expectAt(d, 205, 103);
  EXPECT_FALSE(d.isAlive());
  EXPECT_FLOAT_EQ(d.getVelocity().getDx(), 10);  // not bounced or stopped
  EXPECT_FLOAT_EQ(d.getVelocity().getDy(), 3);
}

TEST(GalleryEdge, DeadObjectNeitherMovesNorRevives) {
  Dummy d(Point(199, 0), Velocity(1, 0));
  d.advance();
  ASSERT_FALSE(d.isAlive());
  d.setVelocity(Velocity(-50, -50));  // would carry it back inside
  d.advance();
  expectAt(d, 200, 0);
  EXPECT_FALSE(d.isAlive());
}

TEST(GalleryEdge, SettingAPositionOnTheEdgeKillsOnlyAtTheNextTest) {
  Dummy movingIn(Point(), Velocity(1, 0));
  movingIn.setPosition(Point(-200, 0));
  EXPECT_TRUE(movingIn.isAlive());
  movingIn.advance();  // moves to -199 before the test
  EXPECT_TRUE(movingIn.isAlive());

  Dummy resting(Point(), Velocity(0, 0));
  resting.setPosition(Point(-200, 0));
  EXPECT_TRUE(resting.isAlive());
  resting.advance();
  expectAt(resting, -200, 0);
  EXPECT_FALSE(resting.isAlive());
}

TEST(GalleryEdge, CollideAloneTestsWithoutMoving) {
  Dummy inside(Point(10, 10), Velocity(500, 0));
  inside.collide();
  expectAt(inside, 10, 10);
  EXPECT_TRUE(inside.isAlive());

  Dummy outside(Point(0, -300), Velocity(0, 0));
  outside.collide();
  expectAt(outside, 0, -300);  // not clamped or wrapped
  EXPECT_FALSE(outside.isAlive());
}

TEST(GalleryObject, MovesByItsVelocityEachFrame) {
  Dummy d(Point(-100, 50), Velocity(2.5f, -1));
  for (int frame = 0; frame < 4; frame++) d.advance();
  expectAt(d, -90, 46);
  EXPECT_TRUE(d.isAlive());
}
