#include "gallery.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "comlin.h"
#include "grendak.h"
#include "holvane.h"
#include "vexel.h"

namespace {

const Point SCORE_AT(-190, 190);  // top-left corner of the score's first digit
constexpr float CLOCK_RIGHT = 190.0f;  // where the seconds left end
constexpr float CLOCK_TOP = 190.0f;
constexpr float SUMMARY_LEFT = -80.0f;  // the lines shown after the round
constexpr float SUMMARY_TOP = 20.0f;
constexpr float SUMMARY_LINE = 20.0f;

// Degrees a frame the barrel turns once a key has been held `held` frames (0: not held).
int turnRate(int held) {
  if (held <= 0) return 0;
  return std::min(BARREL_TURN_SLOW + (held - 1) / BARREL_SPEED_UP, BARREL_TURN_FAST);
}

// How close a pellet and a bird come while both make this frame's move. Seen
// from the bird, the pellet's path is one segment: from their present offset
// along their relative velocity. Its closest point to the bird is found
// exactly, so no pellet is fast enough to skip over a bird.
float closestApproach(const Aviant& pellet, const Aviant& bird) {
  const Point p = pellet.getPosition(), b = bird.getPosition();
  const Velocity vp = pellet.getVelocity(), vb = bird.getVelocity();
  const float gapX = p.getX() - b.getX(), gapY = p.getY() - b.getY();
  const float dx = vp.getDx() - vb.getDx(), dy = vp.getDy() - vb.getDy();
  const float span = dx * dx + dy * dy;
  const float t = span > 0.0f ? std::clamp(-(gapX * dx + gapY * dy) / span, 0.0f, 1.0f) : 0.0f;
  return std::hypot(gapX + t * dx, gapY + t * dy);
}

// A bird worth shooting (a Comlin or a Grendak) counts as a miss when it gets away.
bool isQuarry(const Bird& bird) { return bird.getPoints() > 0; }

template <typename T>
void deleteAll(std::list<T*>& objects) {
  for (T* object : objects) delete object;
  objects.clear();
}

// Adds a new object to a list that owns its objects; nothing leaks if the list cannot grow.
template <typename T, typename Made>
void adopt(std::list<T*>& objects, std::unique_ptr<Made> object) {
  objects.push_back(object.get());
  object.release();
}

void drawSummary(int score, int hit, int missed) {
  const std::string lines[] = {
      "Final score: " + std::to_string(score),
      "Birds hit: " + std::to_string(hit) + "   missed: " + std::to_string(missed),
      "Press r for a new round"};
  float y = SUMMARY_TOP;
  for (const std::string& line : lines) {
    drawText(Point(SUMMARY_LEFT, y), line.c_str());
    y -= SUMMARY_LINE;
  }
}

}  // namespace

Gallery::Gallery() { newRound(); }

Gallery::~Gallery() { clearField(); }

void Gallery::clearField() {
  deleteAll(pellets);
  deleteAll(birds);
  puffs.clear();
}

void Gallery::newRound() {
  clearField();
  barrel = BARREL_START;
  score = birdsHit = birdsMissed = 0;
  framesLeft = ROUND_FRAMES;
  birdTimer = random(BIRD_INTERVAL_MIN, BIRD_INTERVAL_MAX + 1);
}

Point Gallery::getMuzzle() const {
  const Velocity reach = alongBarrel(barrel, float(RIFLE_LENGTH));
  return Point(RIFLE_AT.getX() + reach.getDx(), RIFLE_AT.getY() + reach.getDy());
}

void Gallery::advance() {
  if (isRoundOver()) return;
  shootBirds();
  for (Pellet* pellet : pellets) pellet->advance();
  for (Bird* bird : birds) bird->advance();
  removeDead();
  if (--birdTimer == 0) {
    launchBird();
    birdTimer = random(BIRD_INTERVAL_MIN, BIRD_INTERVAL_MAX + 1);
  }
  if (--framesLeft == 0) {
    clearField();  // the birds still flying leave uncounted
    playSound(ROUND_OVER_SOUND);
  }
}

// Each pellet meets the birds in the order they came; it is used up on the first it hits.
void Gallery::shootBirds() {
  for (Pellet* pellet : pellets) {
    for (Bird* bird : birds) {
      if (bird->isAlive() && closestApproach(*pellet, *bird) <= float(bird->getRadius())) {
        pellet->setAlive(false);
        hit(*bird);
        break;
      }
    }
  }
}

void Gallery::hit(Bird& bird) {
  bird.setHits(bird.getHits() - 1);
  if (bird.getHits() > 0) {
    playSound(BIRD_HIT_SOUND);
    return;
  }
  bird.setAlive(false);
  playSound(bird.getPoints() < 0 ? PENALTY_SOUND : BIRD_DOWN_SOUND);
  score += bird.getPoints();
  birdsHit++;
  puffs.push_back({bird.getPosition(), PUFF_FRAMES});
}

// Pellets and birds that died this frame go; a bird that died with hits left
// reached an edge. Puffs age by a frame.
void Gallery::removeDead() {
  pellets.remove_if([](Pellet* pellet) {
    if (pellet->isAlive()) return false;
    delete pellet;
    return true;
  });
  birds.remove_if([this](Bird* bird) {
    if (bird->isAlive()) return false;
    if (bird->getHits() > 0 && isQuarry(*bird)) {
      birdsMissed++;
      playSound(BIRD_AWAY_SOUND);
    }
    delete bird;
    return true;
  });
  for (Puff& puff : puffs) puff.framesLeft--;
  puffs.remove_if([](const Puff& puff) { return puff.framesLeft <= 0; });
}

// Mostly Comlins, some Grendaks, some Holvanes; each launches itself as it is made.
void Gallery::launchBird() {
  const int roll = random(0, 100);
  if (roll < COMLIN_ODDS)
    adopt(birds, std::make_unique<Comlin>());
  else if (roll < COMLIN_ODDS + GRENDAK_ODDS)
    adopt(birds, std::make_unique<Grendak>());
  else
    adopt(birds, std::make_unique<Holvane>());
}

void Gallery::handleInput(const Interface& ui) {
  if (ui.isR()) newRound();
  if (isRoundOver()) return;
  turnBarrel(ui);
  if (ui.isSpace()) fire();
}

// Left or Down lowers the barrel toward the left, Right or Up raises it; the
// longer a key is held, the faster it turns, up to BARREL_TURN_FAST.
void Gallery::turnBarrel(const Interface& ui) {
  const int lower = turnRate(std::max(ui.isLeft(), ui.isDown()));
  const int raise = turnRate(std::max(ui.isRight(), ui.isUp()));
  barrel = std::clamp(barrel + lower - raise, BARREL_UP, BARREL_LEFT);
}

void Gallery::fire() {
  adopt(pellets, std::make_unique<Pellet>(getMuzzle(), barrel));
  playSound(RIFLE_SOUND);
}

void Gallery::draw(const Interface&) const {
  drawRifle(RIFLE_AT, barrel);
  for (const Pellet* pellet : pellets) pellet->draw();
  for (const Bird* bird : birds) bird->draw();
  for (const Puff& puff : puffs)
    drawExplosion(puff.at, PUFF_RADIUS * float(puff.framesLeft) / float(PUFF_FRAMES));
  drawNumber(SCORE_AT, score);
  const int seconds = getSecondsLeft();
  const float clockWidth = DIGIT_PITCH * float(std::to_string(seconds).size() - 1) + DIGIT_WIDTH;
  drawNumber(Point(CLOCK_RIGHT - clockWidth, CLOCK_TOP), seconds);
  if (isRoundOver()) drawSummary(score, birdsHit, birdsMissed);
}

void callBack(const Interface* ui, void* world) {
  Gallery* gallery = static_cast<Gallery*>(world);
  gallery->advance();
  gallery->handleInput(*ui);
  gallery->draw(*ui);
}
