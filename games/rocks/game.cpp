#include "game.h"

#include <cfloat>
#include <cmath>

#include "vexel.h"

namespace {

constexpr int TIMER_RESET = 150;  // frames between big rocks: 5 seconds
constexpr int STARTING_ROCKS = 7;
constexpr float SAFE_DISTANCE = 50.0f;  // new rocks keep this far from the ship on some axis
constexpr int VOLLEY_FIRST = -20;       // a sonic boom fires indices -20 to 19
constexpr int VOLLEY_LAST = 19;
constexpr float MIN_STEP_BOUND = 0.1f;
constexpr float REACH_MARGIN = 1.0f;
const Point BOOM_COUNT_POSITION(180, 180);

// True when the two cannot come within `tooClose` of each other in this
// frame, whatever the sampling finds: within a frame their gap changes by at
// most |ddx| + |ddy| of their relative velocity. The extra unit covers
// rounding, so only pairs that are plainly far apart are skipped.
bool outOfReach(const Aviant& first, const Aviant& second, float tooClose) {
  const Point p1 = first.getPosition(), p2 = second.getPosition();
  const Velocity v1 = first.getVelocity(), v2 = second.getVelocity();
  const float gapX = p1.getX() - p2.getX(), gapY = p1.getY() - p2.getY();
  const float drift = std::fabs(v1.getDx() - v2.getDx()) + std::fabs(v1.getDy() - v2.getDy());
  const float reach = tooClose + drift + REACH_MARGIN;
  return gapX * gapX + gapY * gapY >= reach * reach;
}

// True when `value` lies strictly within SAFE_DISTANCE of the ship's `shipAt`.
bool nearShip(float value, float shipAt) {
  return value < shipAt + SAFE_DISTANCE && value > shipAt - SAFE_DISTANCE;
}

float largestComponent(const Velocity& v) {
  return std::fmax(std::fabs(v.getDx()), std::fabs(v.getDy()));
}

// Deletes every object in the list whose life is over and drops its entry.
template <typename T>
void deleteDead(std::list<T*>& objects) {
  for (auto it = objects.begin(); it != objects.end();) {
    if ((*it)->isAlive()) {
      ++it;
    } else {
      delete *it;
      it = objects.erase(it);
    }
  }
}

}  // namespace

Point Game::topLeft;
Point Game::bottomRight;

Game::Game(Point topLeft, Point bottomRight) : boomCountPosition(BOOM_COUNT_POSITION) {
  Game::topLeft = topLeft;
  Game::bottomRight = bottomRight;
  try {
    ship = new Ship();
    for (int i = 0; i < STARTING_ROCKS; i++) rocks.push_back(new BigRock(getRandomPoint()));
  } catch (...) {
    releaseAll();
    throw;
  }
  timer = TIMER_RESET;
}

Game::~Game() { releaseAll(); }

void Game::releaseAll() {
  for (Bullet* bullet : bullets) delete bullet;
  for (Rock* rock : rocks) delete rock;
  bullets.clear();
  rocks.clear();
  delete ship;
  ship = nullptr;
}

void Game::advance() {
  ship->advance();
  for (Bullet* bullet : bullets) bullet->advance();
  for (Rock* rock : rocks) rock->advance();
  checkForCollisions();
  cleanUpZombies();
  if (--timer == 0) {
    rocks.push_back(new BigRock(getRandomPoint()));
    timer = TIMER_RESET;
  }
}

void Game::handleInput(const Interface& ui) {
  loopSound(THRUST_SOUND, ship->isAlive() && ui.isUp() != 0);
  if (!ship->isAlive()) return;
  if (ui.isLeft() != 0) ship->turnLeft();
  if (ui.isRight() != 0) ship->turnRight();
  if (ui.isUp() != 0)
    ship->thrust();
  else
    ship->setBoost(false);
  if (ui.isSpace()) {
    bullets.push_back(new Bullet(*ship));
    playSound(SHOT_SOUND);
  }
  if (ui.isB()) sonicBoom();
}

void Game::draw(const Interface&) {
  if (ship->isAlive()) ship->draw();
  for (Bullet* bullet : bullets) bullet->draw();
  for (Rock* rock : rocks) rock->draw();
  drawNumber(boomCountPosition, ship->getSonicBoom());
}

Point Game::getRandomPoint() const {
  const Point shipAt = ship->getPosition();
  for (;;) {
    const int x = int(random(double(topLeft.getX()), double(bottomRight.getX())));
    const int y = int(random(double(bottomRight.getY()), double(topLeft.getY())));
    if (!nearShip(float(x), shipAt.getX()) || !nearShip(float(y), shipAt.getY()))
      return Point(float(x), float(y));
  }
}

void Game::sonicBoom() {
  if (ship->getSonicBoom() <= 0) return;
  for (int i = VOLLEY_FIRST; i <= VOLLEY_LAST; i++) bullets.push_back(new Bullet(*ship, i));
  ship->boom();
  playSound(VOLLEY_SOUND);
}

void Game::checkForCollisions() {
  // Fragments are appended behind the walk and so are visited by it.
  for (auto rockIt = rocks.begin(); rockIt != rocks.end(); ++rockIt) {
    Rock& rock = **rockIt;
    if (isCollision(*ship, rock)) {
      ship->kill();
      playSound(SHIP_LOST_SOUND);
      breakRock(rock);
    }
    for (Bullet* bullet : bullets) {
      if (isCollision(*bullet, rock)) {
        bullet->kill();
        breakRock(rock);
      }
    }
  }
}

void Game::breakRock(Rock& rock) {
  rock.kill();
  rock.breakApart(&rocks);
  playSound(rockBreakSound(rock.getSize()));
}

bool Game::isCollision(const Aviant& first, const Aviant& second) const {
  if (!first.isAlive() || !second.isAlive()) return false;
  const float tooClose = float(first.getSize() + second.getSize());
  if (outOfReach(first, second, tooClose)) return false;
  return getClosestDistance(first, second) < tooClose;
}

float Game::getClosestDistance(const Aviant& first, const Aviant& second) const {
  const Point p1 = first.getPosition(), p2 = second.getPosition();
  const Velocity v1 = first.getVelocity(), v2 = second.getVelocity();
  const float bound =
      std::fmax(std::fmax(largestComponent(v1), largestComponent(v2)), MIN_STEP_BOUND);
  // Where a coordinate stands after i of the bound's sub-steps.
  auto at = [bound](float coordinate, float speed, float i) {
    return coordinate + (speed * i) / bound;
  };
  float best = FLT_MAX;
  for (float i = 0; i <= bound; i++) {
    const float dx = at(p1.getX(), v1.getDx(), i) - at(p2.getX(), v2.getDx(), i);
    const float dy = at(p1.getY(), v1.getDy(), i) - at(p2.getY(), v2.getDy(), i);
    best = std::fmin(best, dx * dx + dy * dy);
  }
  return std::sqrt(best);
}

void Game::cleanUpZombies() {
  deleteDead(bullets);
  deleteDead(rocks);
}

void callBack(const Interface* ui, void* world) {
  Game* game = static_cast<Game*>(world);
  game->advance();
  game->handleInput(*ui);
  game->draw(*ui);
}
