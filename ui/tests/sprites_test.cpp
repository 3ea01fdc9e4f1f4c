#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "glrecord.h"
#include "vexel.h"

using glrecord::Colour;
using glrecord::Primitive;
using glrecord::Vertex;
using Vertices = std::vector<Vertex>;

namespace {

const Colour WHITE{1, 1, 1};
const Colour RED{1, 0, 0};
const Colour BLACK{0, 0, 0};

class Sprites : public ::testing::Test {
 protected:
  void SetUp() override { glrecord::reset(); }
};

// The row that random(0, 3) will pick next, without moving the sequence on.
int nextRow(unsigned seed) {
  srand(seed);
  int row = random(0, 3);
  srand(seed);
  return row;
}

// A seed whose first random(0, 3) is `row`.
unsigned seedFor(int row) {
  for (unsigned seed = 1;; seed++)
    if (nextRow(seed) == row) return seed;
}

Vertices shifted(Vertices v, float dx, float dy) {
  for (Vertex& p : v) p = {p.x + dx, p.y + dy};
  return v;
}

}  // namespace

TEST_F(Sprites, ShipPointsUpAtRotationZero) {
  drawShip(Point(0, 0), 0, false);
  std::vector<Primitive> p = glrecord::primitives();
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].mode, GLenum(GL_LINE_STRIP));
  EXPECT_EQ(p[0].vertices, (Vertices{{0, 6}, {6, -6}, {2, -3}, {-2, -3}, {-6, -6}, {0, 6}}));
  EXPECT_TRUE(glrecord::colours().empty());
}

TEST_F(Sprites, ShipTurnedNinetyPointsLeftWithTruncatedNotch) {
  drawShip(Point(0, 0), 90, false);
  EXPECT_EQ(glrecord::primitives()[0].vertices,
            (Vertices{{-6, 0}, {6, 6}, {3, 1}, {3, -2}, {6, -6}, {-6, 0}}));
}

TEST_F(Sprites, ShipTurnedHalfwayIsNotAnExactMirror) {
  drawShip(Point(0, 0), 180, false);
  EXPECT_EQ(glrecord::primitives()[0].vertices,
            (Vertices{{0, -6}, {-5, 6}, {-1, 3}, {2, 2}, {6, 5}, {0, -6}}));
}

TEST_F(Sprites, ShipIsDrawnAroundItsCenter) {
  drawShip(Point(100, -50), 0, false);
  EXPECT_EQ(glrecord::primitives()[0].vertices.front(), (Vertex{100, -44}));
}

TEST_F(Sprites, ShipWithoutThrustLeavesTheRandomSequenceAlone) {
  srand(99);
  drawShip(Point(), 0, false);
  int after = rand();
  srand(99);
  EXPECT_EQ(rand(), after);
}

TEST_F(Sprites, ThrustingShipAddsOneRedFlameRowBetweenTheNotchPoints) {
  const Vertices rows[3] = {{{-2, -3}, {-2, -13}, {0, -6}, {2, -13}, {2, -3}},
                            {{-2, -3}, {-4, -9}, {-1, -7}, {1, -14}, {2, -3}},
                            {{-2, -3}, {-1, -14}, {1, -7}, {4, -9}, {2, -3}}};
  for (int row = 0; row < 3; row++) {
    glrecord::reset();
    srand(seedFor(row));
    drawShip(Point(0, 0), 0, true);
    std::vector<Primitive> p = glrecord::primitives();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[1].mode, GLenum(GL_LINE_STRIP));
    EXPECT_EQ(p[1].vertices, rows[row]) << "row " << row;
    EXPECT_EQ(p[1].colours, (std::vector<Colour>{RED, WHITE}));
  }
}

TEST_F(Sprites, ThrustFlameTurnsWithTheShip) {
  drawShip(Point(0, 0), 90, true);
  Vertices flame = glrecord::primitives().at(1).vertices;
  EXPECT_EQ(flame.front(), (Vertex{3, -2}));  // the turned notch points of the hull
  EXPECT_EQ(flame.back(), (Vertex{3, 1}));
}

TEST_F(Sprites, SmallRockEndsOneUnitAboveItsStart) {
  drawSmallRubblon(Point(0, 0), 0);
  Vertices v = glrecord::primitives().at(0).vertices;
  ASSERT_EQ(v.size(), 9u);
  EXPECT_EQ(v.front(), (Vertex{-5, 9}));
  EXPECT_EQ(v.back(), (Vertex{-5, 10}));
}

TEST_F(Sprites, MediumRockClosesOnItsFirstVertex) {
  drawMediumRubblon(Point(10, 10), 0);
  Vertices v = glrecord::primitives().at(0).vertices;
  ASSERT_EQ(v.size(), 11u);
  EXPECT_EQ(v.front(), (Vertex{12, 18}));
  EXPECT_EQ(v.back(), v.front());
}

TEST_F(Sprites, LargeRockTurnedNinety) {
  drawLargeRubblon(Point(0, 0), 90);
  EXPECT_EQ(glrecord::primitives().at(0).vertices,
            (Vertices{{-12, 0}, {-20, 8}, {-13, 16}, {-12, 10}, {0, 20}, {20, 0}, {9, -18},
                      {1, -20}, {-14, -20}, {-20, -9}, {-12, 0}}));
}

TEST_F(Sprites, RocksSetNoColour) {
  drawSmallRubblon(Point(), 30);
  drawMediumRubblon(Point(), 30);
  drawLargeRubblon(Point(), 30);
  EXPECT_TRUE(glrecord::colours().empty());
  EXPECT_EQ(glrecord::primitives().size(), 3u);
}

TEST_F(Sprites, ExplosionIsTwelveRedTrianglesAroundItsCenter) {
  drawExplosion(Point(5, 5), 10);
  std::vector<Primitive> p = glrecord::primitives();
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].mode, GLenum(GL_TRIANGLES));
  ASSERT_EQ(p[0].vertices.size(), 36u);
  for (size_t i = 0; i < 36; i += 3) {
    EXPECT_EQ(p[0].vertices[i], (Vertex{5, 5}));
    if (i > 0) {
      EXPECT_EQ(p[0].vertices[i + 1], p[0].vertices[i - 1]);  // fanned edge to edge
    }
  }
  EXPECT_EQ(p[0].vertices[1], (Vertex{15, 5}));
  EXPECT_NEAR(p[0].vertices[35].x, 15, 1e-4);
  EXPECT_NEAR(p[0].vertices[35].y, 5, 1e-4);
  EXPECT_EQ(p[0].colours, (std::vector<Colour>{RED}));
  EXPECT_EQ(glrecord::names().back(), "glColor3f");  // white again after the end
  EXPECT_EQ(glrecord::colours().back(), WHITE);
}

TEST(SpritesDeath, ExplosionOfRadiusOneIsRefused) {
  EXPECT_DEATH(drawExplosion(Point(), 1.0f), "radius > 1.0");
}

TEST_F(Sprites, ExplosionAcceptsRadiusOneAndAHalf) {
  drawExplosion(Point(), 1.5f);
  EXPECT_EQ(glrecord::vertices().size(), 36u);
}

TEST_F(Sprites, LanderStandsOnItsBasePoint) {
  drawLander(Point(0, 0));
  std::vector<Primitive> p = glrecord::primitives();
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].mode, GLenum(GL_LINE_STRIP));
  ASSERT_EQ(p[0].vertices.size(), 33u);
  EXPECT_EQ(p[0].vertices.front(), (Vertex{-6, 0}));
  EXPECT_EQ(p[0].vertices.back(), (Vertex{6, 0}));
  for (const Vertex& v : p[0].vertices) {
    EXPECT_TRUE(v.y >= 0 && v.y <= 16 && v.x >= -10 && v.x <= 10) << v;
  }
  EXPECT_TRUE(glrecord::colours().empty());
}

TEST_F(Sprites, LanderFollowsItsBasePoint) {
  drawLander(Point(0, 0));
  Vertices atOrigin = glrecord::vertices();
  glrecord::reset();
  drawLander(Point(30.5f, -20));
  EXPECT_EQ(glrecord::vertices(), shifted(atOrigin, 30.5f, -20));
}

TEST_F(Sprites, BottomFlameRowOne) {
  srand(seedFor(1));
  drawLanderFlames(Point(0, 0), true, false, false);
  Primitive loop = glrecord::primitives().at(0);
  EXPECT_EQ(loop.mode, GLenum(GL_LINE_LOOP));
  EXPECT_EQ(loop.vertices, (Vertices{{-2, 2}, {-3, -6}, {-1, -2}, {0, -15}, {2, 2}}));
  EXPECT_EQ(loop.colours, (std::vector<Colour>{RED, WHITE}));
}

TEST_F(Sprites, RightFlameRowTwoIsATriangle) {
  srand(seedFor(2));
  drawLanderFlames(Point(0, 0), false, false, true);
  EXPECT_EQ(glrecord::primitives().at(0).vertices,
            (Vertices{{6, 12}, {14, 11}, {14, 11}, {14, 11}, {6, 10}}));
}

TEST_F(Sprites, LeftFlameMirrorsTheRight) {
  srand(seedFor(0));
  drawLanderFlames(Point(0, 0), false, true, false);
  EXPECT_EQ(glrecord::primitives().at(0).vertices,
            (Vertices{{-6, 12}, {-10, 14}, {-8, 12}, {-12, 12}, {-6, 10}}));
}

TEST_F(Sprites, AllFlamesGoIntoOneLoopBottomRightLeftSharingTheRow) {
  srand(seedFor(0));
  drawLanderFlames(Point(100, 100), true, true, true);
  std::vector<Primitive> p = glrecord::primitives();
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].vertices,
            shifted({{-2, 2}, {-5, -6}, {0, -1}, {3, -10}, {2, 2},
                     {6, 12}, {10, 14}, {8, 12}, {12, 12}, {6, 10},
                     {-6, 12}, {-10, 14}, {-8, 12}, {-12, 12}, {-6, 10}},
                    100, 100));
}

TEST_F(Sprites, NoFlameStillDrawsOneRandomNumberAndAnEmptyLoop) {
  srand(5);
  drawLanderFlames(Point(), false, false, false);
  int after = rand();
  srand(5);
  rand();
  EXPECT_EQ(rand(), after);
  EXPECT_EQ(glrecord::names(),
            (std::vector<std::string>{"glBegin", "glColor3f", "glColor3f", "glEnd"}));
}

TEST_F(Sprites, GrendakIsADiscWithABlackDigit) {
  drawGrendak(Point(10, 20), 15, 3);
  std::vector<Primitive> p = glrecord::primitives();
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].mode, GLenum(GL_TRIANGLES));
  EXPECT_EQ(p[0].vertices.size(), 36u);
  EXPECT_TRUE(p[0].colours.empty());
  const std::vector<glrecord::Call>& c = glrecord::calls();
  const size_t after = c.size() - 4;
  EXPECT_EQ(c[after].name, "glColor3f");
  EXPECT_EQ(glrecord::colours(), (std::vector<Colour>{BLACK, WHITE}));
  EXPECT_EQ(c[after + 1].name, "glRasterPos2f");
  EXPECT_EQ(c[after + 1].args, (std::vector<double>{6, 17}));
  EXPECT_EQ(c[after + 2].font, GLUT_BITMAP_8_BY_13);
  EXPECT_EQ(glrecord::bitmapText(), "3");
}

TEST_F(Sprites, GrendakWithoutASingleDigitHitCountDrawsOnlyTheDisc) {
  for (int hits : {0, 10, -1}) {
    glrecord::reset();
    drawGrendak(Point(), 15, hits);
    EXPECT_TRUE(glrecord::colours().empty()) << hits;
    EXPECT_EQ(glrecord::bitmapText(), "") << hits;
  }
}

TEST(SpritesDeath, GrendakOfRadiusOneIsRefused) {
  EXPECT_DEATH(drawGrendak(Point(), 1.0f, 3), "radius > 1.0");
}

// The star's spin is one static for the whole program, so its calls are
// counted here in one test: the first call and the 18th.
TEST_F(Sprites, HolvaneStarSpinsFiveDegreesACall) {
  drawHolvane(Point(0, 0), 10);
  Primitive first = glrecord::primitives().at(0);
  EXPECT_EQ(first.mode, GLenum(GL_LINE_LOOP));
  EXPECT_EQ(first.vertices, (Vertices{{9, 0}, {-8, 5}, {3, -9}, {2, 9}, {-7, -6}}));
  EXPECT_EQ(first.colours, (std::vector<Colour>{RED, WHITE}));
  for (int call = 2; call < 18; call++) drawHolvane(Point(0, 0), 10);
  glrecord::reset();
  drawHolvane(Point(0, 0), 10);
  EXPECT_EQ(glrecord::primitives().at(0).vertices,
            (Vertices{{0, 10}, {-5, -8}, {9, 3}, {-9, 3}, {5, -8}}));
  // A full turn later the star is drawn the same way again.
  for (int call = 19; call < 90; call++) drawHolvane(Point(0, 0), 10);
  glrecord::reset();
  drawHolvane(Point(0, 0), 10);
  EXPECT_EQ(glrecord::primitives().at(0).vertices,
            (Vertices{{0, 10}, {-5, -8}, {9, 3}, {-9, 3}, {5, -8}}));
}

TEST_F(Sprites, RiflePointsUpAtRotationZeroAndLeftAtNinetyWithTruncatedOffsets) {
  drawRifle(Point(190, -190), 0);
  drawRifle(Point(0, 0), 90);
  std::vector<Primitive> p = glrecord::primitives();
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[0].mode, GLenum(GL_LINE_STRIP));
  EXPECT_EQ(p[0].vertices, shifted(Vertices{{-2, 6}, {-2, 30}, {2, 30}, {2, 6}, {6, 6}, {6, -6},
                                            {-6, -6}, {-6, 6}, {-2, 6}},
                                   190, -190));
  // cos 90 is a hair above 0, so -2 + 6 cos 90 truncates to -1: the barrel narrows by a unit.
  EXPECT_EQ(p[1].vertices, (Vertices{{-6, -1}, {-30, -1}, {-30, 2}, {-6, 2}, {-6, 6}, {6, 6},
                                     {6, -6}, {-6, -6}, {-6, -1}}));
  EXPECT_TRUE(glrecord::colours().empty());
}
