#include <gtest/gtest.h>

#include "point.h"
#include "velocity.h"

TEST(Point, DefaultAndFlagConstructorsGiveTheOrigin) {
  for (Point p : {Point(), Point(true), Point(false)}) {
    EXPECT_EQ(p.getX(), 0.0f);
    EXPECT_EQ(p.getY(), 0.0f);
  }
}

TEST(Point, FirstConstructorArgumentIsX) {
  Point p(-200, 200);
  EXPECT_EQ(p.getX(), -200.0f);
  EXPECT_EQ(p.getY(), 200.0f);
}

TEST(Point, AddMovesByTheGivenAmount) {
  Point p;
  p.addX(-1.5f);
  EXPECT_EQ(p.getX(), -1.5f);
  EXPECT_EQ(p.getY(), 0.0f);
  p.addY(2.25f);
  EXPECT_EQ(p.getY(), 2.25f);
}

TEST(Point, StoredCoordinatesAreNeitherClampedNorWrapped) {
  Point p;
  p.setX(1000);
  p.setY(-1000);
  EXPECT_EQ(p.getX(), 1000.0f);
  EXPECT_EQ(p.getY(), -1000.0f);
}

TEST(Velocity, DefaultIsAtRestAndSettersStore) {
  Velocity v;
  EXPECT_EQ(v.getDx(), 0.0f);
  EXPECT_EQ(v.getDy(), 0.0f);
  v.setDx(3.5f);
  v.setDy(-0.25f);
  EXPECT_EQ(v.getDx(), 3.5f);
  EXPECT_EQ(v.getDy(), -0.25f);
}
