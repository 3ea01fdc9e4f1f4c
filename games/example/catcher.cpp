#include "catcher.h"

#include <algorithm>
#include <cmath>

#include "vexel.h"

void Catcher::advance() {
  for (Point& dot : dots) dot.addY(-DOT_SPEED);
  // A dot at the paddle's line is caught or lost; either way it leaves.
  auto landed = [this](const Point& dot) {
    if (dot.getY() > PADDLE_Y) return false;
    const bool caught = std::fabs(dot.getX() - paddleX) <= PADDLE_HALF_WIDTH;
    score += caught;
    playSound(caught ? CATCH_SOUND : MISS_SOUND);
    return true;
  };
  dots.erase(std::remove_if(dots.begin(), dots.end(), landed), dots.end());
  if (--timer == 0) {
    dots.push_back(Point(float(random(-190, 190)), FIELD_EDGE));
    timer = DOT_INTERVAL;
  }
}

void Catcher::handleInput(const Interface& ui) {
  if (ui.isR()) *this = Catcher();
  if (ui.isLeft()) paddleX -= PADDLE_SPEED;
  if (ui.isRight()) paddleX += PADDLE_SPEED;
  paddleX = std::clamp(paddleX, -FIELD_EDGE + PADDLE_HALF_WIDTH, FIELD_EDGE - PADDLE_HALF_WIDTH);
}

void Catcher::draw() const {
  drawRect(Point(paddleX, PADDLE_Y), int(2 * PADDLE_HALF_WIDTH), PADDLE_HEIGHT, 0);
  for (const Point& dot : dots) drawCircle(dot, DOT_RADIUS);
  drawNumber(Point(-190, 190), score);
}

void callBack(const Interface* ui, void* world) {
  Catcher* game = static_cast<Catcher*>(world);
  game->advance();
  game->handleInput(*ui);
  game->draw();
}
