// The ground: one flat pad on every random surface, heights under a span, drawing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "glrecord.h"
#include "surface.h"

using glrecord::Colour;
using glrecord::Primitive;
using glrecord::Vertex;

TEST(Surface, EveryRandomGroundCrossesTheFieldLowWithExactlyOneFlatPad) {
  for (unsigned seed = 1; seed <= 500; seed++) {
    SCOPED_TRACE(seed);
    srand(seed);
    const Surface ground = Surface::generate(-200, 200);
    const std::vector<Point>& c = ground.getCorners();
    EXPECT_EQ(c.front().getX(), -200);
    EXPECT_EQ(c.back().getX(), 200);
    int flat = 0;
    for (size_t i = 0; i < c.size(); i++) {
      EXPECT_TRUE(c[i].getY() >= GROUND_LOW && c[i].getY() <= GROUND_HIGH && c[i].getY() < -50);
      if (i == 0) continue;
      EXPECT_GT(c[i].getX(), c[i - 1].getX());
      if (c[i].getY() != c[i - 1].getY()) {
        EXPECT_GE(std::fabs(c[i].getY() - c[i - 1].getY()), MIN_RISE);
        continue;
      }
      flat++;
      EXPECT_EQ(c[i - 1].getX(), ground.getPadLeft());
      EXPECT_EQ(c[i].getX(), ground.getPadRight());
    }
    EXPECT_EQ(flat, 1);
    EXPECT_EQ(ground.getPadRight() - ground.getPadLeft(), PAD_WIDTH);
    EXPECT_TRUE(ground.getPadLeft() >= -180 && ground.getPadRight() <= 180);
  }
}

TEST(Surface, HeightUnderASpanIsTheHighestGroundAnywhereInIt) {
  const Surface ground({{-200, -150}, {-60, -140}, {-50, -60}, {-40, -140}, {0, -100}, {50, -100},
                        {200, -160}},
                       4);
  const struct {
    float left, right, height;
  } cases[] = {{-55, -35, -60},     {-49, -31, -68},   {10, 30, -100},  {-5, 15, -100},
               {-300, -250, -150},  {250, 260, -160},  {45, 65, -100},  {-60, -60, -140},
               {125, 125, -130}};
  for (const auto& c : cases)
    EXPECT_FLOAT_EQ(ground.heightUnder(c.left, c.right), c.height) << c.left << ".." << c.right;
}

TEST(Surface, DrawsEachPieceOfGroundInWhiteAndThePadInGreen) {
  const Surface ground({{-200, -150}, {-20, -90}, {30, -90}, {200, -120}}, 1);
  glrecord::reset();
  ground.draw();
  const std::vector<Primitive> lines = glrecord::primitives();
  ASSERT_EQ(lines.size(), 3u);
  const Colour WHITE{1, 1, 1}, GREEN{0, 1, 0};
  const Colour expected[] = {WHITE, GREEN, WHITE};
  for (size_t i = 0; i < 3; i++) {
    const Point a = ground.getCorners()[i], b = ground.getCorners()[i + 1];
    EXPECT_EQ(lines[i].vertices, (std::vector<Vertex>{{a.getX(), a.getY()}, {b.getX(), b.getY()}}));
    EXPECT_EQ(lines[i].colours.at(0), expected[i]);
  }
}
