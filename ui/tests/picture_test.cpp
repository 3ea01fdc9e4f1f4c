// The kept picture: what it sums up, and what it sends to GL. Its dimmed
// redraw is checked with the shell's pause (window_services_test.cpp).
#include <gtest/gtest.h>

#include "glrecord.h"
#include "picture.h"
#include "vexel.h"

namespace {

// A frame with a shape, a colour and a line of text.
uint64_t drawFrame(const char* text = "Score") {
  startPicture();
  drawLine(Point(-10, 0), Point(10, 5), 0, 1, 0);
  drawText(Point(0, 0), text);
  return pictureChecksum();
}

class Picture : public ::testing::Test {
 protected:
  void TearDown() override {
    setPictureOutput(true);
    setPixelScale(1);
    setPictureCounted(true);
  }
};

}  // namespace

TEST_F(Picture, ChecksumFollowsEveryVertexColourAndTextButNotTheWindowsScale) {
  const uint64_t plain = drawFrame();
  EXPECT_EQ(drawFrame(), plain);
  setPixelScale(3);
  EXPECT_EQ(drawFrame(), plain);  // stroke letters on screen, the same text summed
  EXPECT_NE(drawFrame("Scare"), plain);
  startPicture();
  drawLine(Point(-10, 0), Point(10, 5), 0, 1, 0.5f);
  drawText(Point(0, 0), "Score");
  EXPECT_NE(pictureChecksum(), plain);
}

TEST_F(Picture, UncountedDrawingShowsButLeavesTheChecksumAlone) {
  const uint64_t plain = drawFrame();
  glrecord::reset();
  setPictureCounted(false);
  drawText(Point(0, -20), "1. 120 points");
  setPictureCounted(true);
  EXPECT_EQ(pictureChecksum(), plain);
  EXPECT_EQ(glrecord::bitmapText(), "1. 120 points");
}

TEST_F(Picture, WithOutputOffNothingReachesGlYetTheSumIsTheSame) {
  const uint64_t plain = drawFrame();
  setPictureOutput(false);
  glrecord::reset();
  EXPECT_EQ(drawFrame(), plain);
  EXPECT_TRUE(glrecord::calls().empty());
}
