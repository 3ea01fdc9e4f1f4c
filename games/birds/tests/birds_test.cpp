#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>

#include "comlin.h"
#include "glrecord.h"
#include "grendak.h"
#include "holvane.h"
#include "vexel.h"

using glrecord::Colour;
using glrecord::Primitive;
using glrecord::Vertex;

namespace {

constexpr int SEEDS = 3000;

// Bird itself draws nothing; this one lets its own behaviour be checked.
class PlainBird : public Bird {
 public:
  void draw() const override {}
};

// A Grendak whose hit count a test can change, as the game would.
class WoundedGrendak : public Grendak {
 public:
  explicit WoundedGrendak(int left) { hits = left; }
};

struct Launch {
  Point at;
  Velocity v;
};

Launch launchOf(const Bird& b) { return {b.getPosition(), b.getVelocity()}; }

bool same(const Launch& a, const Launch& b) {
  return a.at.getX() == b.at.getX() && a.at.getY() == b.at.getY() &&
         a.v.getDx() == b.v.getDx() && a.v.getDy() == b.v.getDy();
}

// Checks one Grendak launch against its rules; returns false on the first break.
::testing::AssertionResult isGrendakLaunch(const Launch& l) {
  const float y = l.at.getY(), dx = l.v.getDx(), dy = l.v.getDy();
  if (l.at.getX() != -200.0f) return ::testing::AssertionFailure() << "x " << l.at.getX();
  if (y != std::floor(y) || y < -200 || y > 199) return ::testing::AssertionFailure() << "y " << y;
  if (dx != 2 && dx != 3 && dx != 4) return ::testing::AssertionFailure() << "dx " << dx;
  const bool climbs = dy == 1 || dy == 2 || dy == 3;
  const bool sinks = dy == -1 || dy == -2 || dy == -3;
  if (y < 0 ? !climbs : !sinks) return ::testing::AssertionFailure() << "y " << y << " dy " << dy;
  return ::testing::AssertionSuccess();
}

double distance(const Vertex& v, const Point& p) {
  return std::hypot(v.x - p.getX(), v.y - p.getY());
}

class Birds : public ::testing::Test {
 protected:
  void SetUp() override { glrecord::reset(); }
};

}  // namespace

TEST_F(Birds, EachKindTakesItsHitsPointsAndToughness) {
  struct Expected {
    const char* kind;
    int hits, points;
    bool tough;
  };
  const Comlin comlin;
  const Grendak grendak;
  const Holvane holvane;
  const std::pair<const Bird*, Expected> birds[] = {{&comlin, {"Comlin", 1, 1, false}},
                                                    {&grendak, {"Grendak", 3, 1, true}},
                                                    {&holvane, {"Holvane", 1, -10, false}}};
  for (const auto& [bird, want] : birds) {
    EXPECT_EQ(bird->getHits(), want.hits) << want.kind;
    EXPECT_EQ(bird->getPoints(), want.points) << want.kind;
    EXPECT_EQ(bird->isTough(), want.tough) << want.kind;
    EXPECT_TRUE(bird->isAlive()) << want.kind;
    EXPECT_GT(bird->getRadius(), 1) << want.kind;
  }
}

TEST_F(Birds, PlainBirdStartsDrawableButEmpty) {
  PlainBird b;
  EXPECT_GT(b.getRadius(), 1);
  EXPECT_EQ(b.getHits(), 0);
  EXPECT_EQ(b.getPoints(), 0);
  EXPECT_FALSE(b.isTough());
  b.setTough(true);
  EXPECT_TRUE(b.isTough());
}

TEST_F(Birds, GrendakLaunchKeepsItsRulesOverManySeeds) {
  std::set<float> speeds, climbs;
  float lowest = 0, highest = 0;
  for (unsigned seed = 1; seed <= SEEDS; seed++) {
    srand(seed);
    const Grendak g;
    const Launch l = launchOf(g);
    ASSERT_TRUE(isGrendakLaunch(l)) << "seed " << seed;
    speeds.insert(l.v.getDx());
    climbs.insert(l.v.getDy());
    lowest = std::min(lowest, l.at.getY());
    highest = std::max(highest, l.at.getY());
  }
  // Every speed and climb comes up, and the heights cover the whole field.
  EXPECT_EQ(speeds.size(), 3u);
  EXPECT_EQ(climbs.size(), 6u);
  EXPECT_LT(lowest, -190);
  EXPECT_GT(highest, 190);
}

TEST_F(Birds, GrendakLaunchedAtHeightZeroSinks) {
  unsigned seed = 1;
  for (; seed < 1000000; seed++) {
    srand(seed);
    if (random(-200, 200) == 0) break;
  }
  srand(seed);
  const Grendak g;
  ASSERT_EQ(g.getPosition().getY(), 0.0f);
  EXPECT_LT(g.getVelocity().getDy(), 0);
}

TEST_F(Birds, GrendakDrawsHeightThenSpeedThenClimb) {
  srand(42);
  const int y = -200 + rand() % 400;
  const int dx = 2 + rand() % 3;
  const int dy = y < 0 ? 1 + rand() % 3 : -3 + rand() % 3;
  const int next = rand();

  srand(42);
  const Grendak g;
  EXPECT_EQ(g.getPosition().getY(), float(y));
  EXPECT_EQ(g.getVelocity().getDx(), float(dx));
  EXPECT_EQ(g.getVelocity().getDy(), float(dy));
  EXPECT_EQ(rand(), next);  // exactly three numbers were taken
}

TEST_F(Birds, GrendakSurvivesItsFirstFrames) {
  for (unsigned seed = 1; seed <= SEEDS; seed++) {
    srand(seed);
    Grendak g;
    g.advance();
    ASSERT_TRUE(g.isAlive()) << "seed " << seed;
  }
}

TEST_F(Birds, BirdLaunchStartsOnTheLeftEdgeAndHeadsGentlyRight) {
  for (unsigned seed = 1; seed <= SEEDS; seed++) {
    srand(seed);
    const Comlin c;
    const float y = c.getPosition().getY(), dx = c.getVelocity().getDx(),
                dy = c.getVelocity().getDy();
    ASSERT_EQ(c.getPosition().getX(), -200.0f) << "seed " << seed;
    ASSERT_TRUE(y > -200 && y < 200) << "seed " << seed << " y " << y;
    ASSERT_GT(dx, 0) << "seed " << seed;
    ASSERT_LE(std::fabs(dy), dx / 2) << "seed " << seed;  // gentle: well under 30 degrees
  }
}

TEST_F(Birds, RelaunchThroughABirdReferenceRunsTheKindsOwnLaunch) {
  for (unsigned seed = 1; seed <= 200; seed++) {
    srand(seed);
    PlainBird plain;
    plain.fly();
    const Launch ordinary = launchOf(plain);

    Grendak g;
    Comlin c;
    Holvane h;
    for (Bird* b : {static_cast<Bird*>(&g), static_cast<Bird*>(&c), static_cast<Bird*>(&h)}) {
      b->setPosition(Point(50, 50));
      b->setVelocity(Velocity(-9, -9));
      srand(seed);
      Bird& ref = *b;
      ref.fly();
    }
    ASSERT_TRUE(isGrendakLaunch(launchOf(g))) << "seed " << seed;
    ASSERT_FALSE(same(launchOf(g), ordinary)) << "seed " << seed;
    ASSERT_TRUE(same(launchOf(c), ordinary)) << "seed " << seed;
    ASSERT_TRUE(same(launchOf(h), ordinary)) << "seed " << seed;
  }
}

TEST_F(Birds, RelaunchLeavesLifeHitsPointsAndRadiusAlone) {
  Grendak g;
  Comlin c;
  Holvane h;
  for (Bird* b : {static_cast<Bird*>(&g), static_cast<Bird*>(&c), static_cast<Bird*>(&h)}) {
    const int hits = b->getHits(), points = b->getPoints();
    b->setAlive(false);
    b->setRadius(22);
    b->fly();
    EXPECT_FALSE(b->isAlive()) << "bird worth " << points;
    EXPECT_EQ(b->getHits(), hits);
    EXPECT_EQ(b->getPoints(), points);
    EXPECT_EQ(b->getRadius(), 22);
  }
}

TEST_F(Birds, ComlinDrawsACircleOfItsRadiusAroundIt) {
  Comlin c;
  c.setPosition(Point(30, -40));
  c.setRadius(12);
  glrecord::reset();
  c.draw();
  const std::vector<Primitive> p = glrecord::primitives();
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].mode, GLenum(GL_LINE_LOOP));
  EXPECT_GT(p[0].vertices.size(), 20u);
  for (const Vertex& v : p[0].vertices) EXPECT_NEAR(distance(v, c.getPosition()), 12, 1e-3) << v;
  EXPECT_TRUE(glrecord::colours().empty());
}

TEST_F(Birds, GrendakDrawsADiscOfItsRadiusWithItsHitsInside) {
  Grendak g;
  g.setPosition(Point(-60, 25));
  g.setRadius(16);
  glrecord::reset();
  g.draw();
  const std::vector<Primitive> p = glrecord::primitives();
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].mode, GLenum(GL_TRIANGLES));
  ASSERT_EQ(p[0].vertices.size(), 36u);
  EXPECT_EQ(p[0].vertices[0], (Vertex{-60, 25}));
  EXPECT_NEAR(distance(p[0].vertices[1], g.getPosition()), 16, 1e-3);
  EXPECT_EQ(glrecord::bitmapText(), "3");
  EXPECT_EQ(glrecord::colours().back(), (Colour{1, 1, 1}));
}

TEST_F(Birds, GrendakShowsWhatHitsItHasLeft) {
  const std::pair<int, const char*> cases[] = {{1, "1"}, {9, "9"}, {0, ""}, {10, ""}};
  for (const auto& [left, shown] : cases) {
    const WoundedGrendak g(left);
    glrecord::reset();
    g.draw();
    EXPECT_EQ(glrecord::bitmapText(), shown) << left << " hits";
    EXPECT_EQ(glrecord::primitives().size(), 1u) << left << " hits";
  }
}

TEST_F(Birds, HolvaneDrawsARedStarOfItsRadiusAroundIt) {
  Holvane h;
  h.setPosition(Point(100, 0));
  h.setRadius(20);
  glrecord::reset();
  h.draw();
  const std::vector<Primitive> p = glrecord::primitives();
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].mode, GLenum(GL_LINE_LOOP));
  ASSERT_EQ(p[0].vertices.size(), 5u);
  // The star's points land on whole units, so they may sit up to about a unit inside.
  for (const Vertex& v : p[0].vertices) {
    EXPECT_LE(distance(v, h.getPosition()), 20.01) << v;
    EXPECT_GE(distance(v, h.getPosition()), 18.5) << v;
  }
  EXPECT_EQ(p[0].colours, (std::vector<Colour>{{1, 0, 0}, {1, 1, 1}}));
}
