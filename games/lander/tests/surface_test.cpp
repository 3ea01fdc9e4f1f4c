// Every random ground crosses the field low, with one flat pad of the promised width.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "surface.h"

TEST(Surface, EveryRandomGroundCrossesTheFieldLowWithExactlyOneFlatPad) {
  for (unsigned seed = 1; seed <= 500; seed++) {
    SCOPED_TRACE(seed);
    srand(seed);
    const Surface ground = Surface::generate(-200, 200);
    const std::vector<Point>& c = ground.getCorners();
    EXPECT_TRUE(c.front().getX() == -200 && c.back().getX() == 200);
    int flat = 0;
    for (size_t i = 0; i < c.size(); i++) {
      EXPECT_TRUE(c[i].getY() >= GROUND_LOW && c[i].getY() <= GROUND_HIGH && c[i].getY() < -50);
      if (i == 0) continue;
      EXPECT_GT(c[i].getX(), c[i - 1].getX());
      if (c[i].getY() != c[i - 1].getY()) {
        EXPECT_GE(std::fabs(c[i].getY() - c[i - 1].getY()), MIN_RISE);
      } else {
        flat++;
        EXPECT_TRUE(c[i - 1].getX() == ground.getPadLeft() && c[i].getX() == ground.getPadRight());
      }
    }
    EXPECT_EQ(flat, 1);
    EXPECT_EQ(ground.getPadRight() - ground.getPadLeft(), PAD_WIDTH);
    EXPECT_TRUE(ground.getPadLeft() >= -180 && ground.getPadRight() <= 180);
  }
}
