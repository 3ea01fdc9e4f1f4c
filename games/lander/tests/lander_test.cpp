#include <gtest/gtest.h>

#include <cstdlib>

#include "glrecord.h"
#include "lander.h"
#include "vexel.h"

using glrecord::Primitive;
using glrecord::Vertex;

namespace {

const Point WHERE(40, -120);

class Craft : public ::testing::Test {
 protected:
  void SetUp() override { glrecord::reset(); }
  Lander craft;
};

Lander withFuel(int fuel) {
  Lander l;
  l.setFuel(fuel);
  return l;
}

// What drawLanderFlames draws for the flags with the random sequence at `seed`.
std::vector<Primitive> flamesAt(unsigned seed, bool bottom, bool left, bool right) {
  glrecord::reset();
  srand(seed);
  drawLanderFlames(WHERE, bottom, left, right);
  std::vector<Primitive> drawn = glrecord::primitives();
  glrecord::reset();
  return drawn;
}

void expectSame(const std::vector<Primitive>& got, const std::vector<Primitive>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < got.size(); i++) {
    EXPECT_EQ(got[i].mode, want[i].mode);
    EXPECT_EQ(got[i].vertices, want[i].vertices);
    EXPECT_EQ(got[i].colours, want[i].colours);
  }
}

}  // namespace

TEST_F(Craft, NewCraftIsAliveAtRestOnTheOriginWithAFullTank) {
  EXPECT_EQ(craft.getFuel(), 500);
  EXPECT_TRUE(craft.isAlive());
  EXPECT_FALSE(craft.isLanded());
  EXPECT_EQ(craft.getPoint().getX(), 0.0f);
  EXPECT_EQ(craft.getPoint().getY(), 0.0f);
  EXPECT_EQ(craft.getVelocity().getDx(), 0.0f);
  EXPECT_EQ(craft.getVelocity().getDy(), 0.0f);
}

TEST_F(Craft, BottomEngineFiresFromThreeUnitsOfFuel) {
  EXPECT_FALSE(withFuel(-1).canThrust(true));
  EXPECT_FALSE(withFuel(2).canThrust(true));
  EXPECT_TRUE(withFuel(3).canThrust(true));
  EXPECT_TRUE(withFuel(500).canThrust(true));
}

TEST_F(Craft, SideEnginesFireFromOneUnitOfFuel) {
  EXPECT_FALSE(withFuel(-1).canThrust(false));
  EXPECT_FALSE(withFuel(0).canThrust(false));
  EXPECT_TRUE(withFuel(1).canThrust(false));
  EXPECT_TRUE(withFuel(2).canThrust(false));  // too little for the bottom one
}

TEST_F(Craft, ConsumingMoreThanTheTankLeavesDebtAndGroundsEveryEngine) {
  craft.consumeFuel(600);
  EXPECT_EQ(craft.getFuel(), -100);
  EXPECT_FALSE(craft.canThrust(true));
  EXPECT_FALSE(craft.canThrust(false));
}

TEST_F(Craft, ConsumingANegativeAmountAddsFuel) {
  craft.consumeFuel(-5);
  EXPECT_EQ(craft.getFuel(), 505);
  craft.consumeFuel(5);
  EXPECT_EQ(craft.getFuel(), 500);
}

TEST_F(Craft, ChangedCostsDoNotMoveTheThresholds) {
  const int sides = Lander::consumeSides, bottom = Lander::consumeBottom;
  EXPECT_EQ(sides, 1);
  EXPECT_EQ(bottom, 3);
  Lander::consumeBottom = 10;
  Lander::consumeSides = 10;
  EXPECT_TRUE(withFuel(3).canThrust(true));
  EXPECT_FALSE(withFuel(2).canThrust(true));
  EXPECT_TRUE(withFuel(1).canThrust(false));
  Lander::consumeBottom = bottom;
  Lander::consumeSides = sides;
}

TEST_F(Craft, EachThrustDrawsOnlyItsOwnFlameAtTheCraft) {
  struct Case {
    const char* engine;
    void (Lander::*thrust)();
    bool bottom, left, right;
  } cases[] = {{"bottom", &Lander::applyThrustBottom, true, false, false},
               {"left", &Lander::applyThrustLeft, false, true, false},
               {"right", &Lander::applyThrustRight, false, false, true}};
  craft.setPoint(WHERE);
  craft.setFuel(3);  // just enough for every engine
  for (const Case& c : cases) {
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u}) {  // several flame rows
      const std::vector<Primitive> want = flamesAt(seed, c.bottom, c.left, c.right);
      srand(seed);
      (craft.*c.thrust)();
      SCOPED_TRACE(c.engine);
      expectSame(glrecord::primitives(), want);
      ASSERT_EQ(want.at(0).vertices.size(), 5u);
    }
  }
  EXPECT_EQ(craft.getFuel(), 3);  // showing a flame burns nothing
}

TEST_F(Craft, ThrustWithoutEnoughFuelDrawsNothingAndKeepsTheRandomSequence) {
  Lander low = withFuel(2);
  low.setPoint(WHERE);
  srand(11);
  low.applyThrustBottom();
  Lander empty = withFuel(0);
  empty.applyThrustLeft();
  empty.applyThrustRight();
  EXPECT_TRUE(glrecord::calls().empty());
  const int next = rand();
  srand(11);
  EXPECT_EQ(rand(), next);
}

TEST_F(Craft, GravityAndAdvanceLeaveTheCraftAsItWas) {
  craft.setPoint(WHERE);
  craft.setVelocity(Velocity(1.5f, -2));
  for (float g : {0.0f, 1.62f, -9.8f, 1e9f}) craft.applyGravity(g);
  craft.advance();
  EXPECT_EQ(craft.getPoint().getX(), WHERE.getX());
  EXPECT_EQ(craft.getPoint().getY(), WHERE.getY());
  EXPECT_EQ(craft.getVelocity().getDx(), 1.5f);
  EXPECT_EQ(craft.getVelocity().getDy(), -2.0f);
  EXPECT_EQ(craft.getFuel(), 500);
  EXPECT_TRUE(glrecord::calls().empty());
}

TEST_F(Craft, DrawShowsTheOutlineAloneStandingOnThePosition) {
  craft.setPoint(WHERE);
  srand(3);
  craft.draw();
  const std::vector<Primitive> p = glrecord::primitives();
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].mode, GLenum(GL_LINE_STRIP));
  ASSERT_EQ(p[0].vertices.size(), 33u);
  EXPECT_EQ(p[0].vertices.front(), (Vertex{34, -120}));
  EXPECT_EQ(p[0].vertices.back(), (Vertex{46, -120}));
  EXPECT_TRUE(glrecord::colours().empty());
  const int next = rand();
  srand(3);
  EXPECT_EQ(rand(), next);  // no flame row was drawn
}
