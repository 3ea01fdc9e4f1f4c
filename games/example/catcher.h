// catcher: the kit's example game. A paddle along the bottom of the field
// catches falling dots; every dot caught scores a point. Left and Right move
// the paddle, r starts again.
#pragma once

#include <vector>

#include "point.h"
#include "sound.h"
#include "tessik.h"

const float FIELD_EDGE = 200;        // the field is -200..200 on both axes
const float PADDLE_Y = -180;         // height of the paddle's line
const float PADDLE_HALF_WIDTH = 30;  // a dot is caught within this of the paddle's middle
const int PADDLE_HEIGHT = 6;
const float PADDLE_SPEED = 6;        // units a frame while an arrow is held
const float DOT_SPEED = 3;           // units a dot falls each frame
const int DOT_RADIUS = 4;
const int DOT_INTERVAL = 45;         // frames between new dots: 1.5 seconds
const Effect CATCH_SOUND = Effect::sine(660, 0.15f).slideTo(1320);  // a rising blip (effect.h)
const Effect MISS_SOUND = Effect::square(150, 0.3f).slideTo(75).at(0.3f);  // a falling buzz

class Catcher {
 public:
  // Dots fall; a dot that reaches the paddle's line scores if the paddle is under it.
  void advance();
  // Left and Right move the paddle (never off the field), r starts again.
  void handleInput(const Interface& ui);
  // The paddle, the dots and the score.
  void draw() const;

  int getScore() const { return score; }
  float getPaddleX() const { return paddleX; }
  const std::vector<Point>& getDots() const { return dots; }

 private:
  float paddleX = 0;
  std::vector<Point> dots;
  int timer = DOT_INTERVAL;
  int score = 0;
};

// The frame callback handed to the shell; `world` is the Catcher.
void callBack(const Interface* ui, void* world);
