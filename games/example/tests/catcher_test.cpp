// Plays the example game through its frame callback, drawing into the
// recording GL stand-in, with a player who chases the lowest dot.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "catcher.h"
#include "glrecord.h"
#include "soundrecord.h"

namespace {

// Holds Left or Right toward the dot that will land first.
void chase(const Catcher& game) {
  Interface::isLeftPress = Interface::isRightPress = 0;
  if (game.getDots().empty()) return;
  const float target = game.getDots().front().getX();
  if (target < game.getPaddleX() - PADDLE_SPEED) Interface::isLeftPress = 1;
  if (target > game.getPaddleX() + PADDLE_SPEED) Interface::isRightPress = 1;
}

}  // namespace

TEST(Catcher, ADotLandingOverThePaddleScoresAndSoundsACatchAndOneBesideItAMiss) {
  Interface::initialized = true;  // no window
  Interface ui;
  srand(3);
  Catcher game;
  int caught = 0, lost = 0;
  for (int frame = 0; frame < 600; frame++) {
    chase(game);
    // The dot that lands this frame meets the paddle where it stood before the frame's input.
    std::vector<Effect> heard;
    if (!game.getDots().empty() && game.getDots().front().getY() - DOT_SPEED <= PADDLE_Y) {
      const bool over = std::fabs(game.getDots().front().getX() - game.getPaddleX()) <= PADDLE_HALF_WIDTH;
      caught += over;
      lost += !over;
      heard.push_back(over ? CATCH_SOUND : MISS_SOUND);
    }
    glrecord::reset();
    soundrecord::reset();
    callBack(&ui, &game);
    ASSERT_EQ(game.getScore(), caught) << "frame " << frame;
    ASSERT_EQ(soundrecord::played(), heard) << "frame " << frame;
  }
  EXPECT_GE(caught, 5);
  EXPECT_GE(lost, 1);  // the chase is too slow for some dots
}
