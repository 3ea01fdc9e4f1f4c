#include "landing.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "vexel.h"

namespace {

// Halvings that pin down the moment of touchdown inside the sub-step that
// found it: a 2^-24 share of at most SWEEP_STEP.
constexpr int TOUCHDOWN_HALVINGS = 24;
// Where the craft's base may go: its feet stay inside the sides, its cabin below the top.
constexpr float SIDE_LIMIT = FIELD_EDGE - CRAFT_HALF_WIDTH;
constexpr float CEILING = FIELD_EDGE - CRAFT_HEIGHT;

// The status at the top left: a label on each line, its number further right.
constexpr float STATUS_LEFT = -195.0f;
constexpr float STATUS_NUMBERS = -85.0f;
constexpr float STATUS_TOP = 190.0f;
constexpr float STATUS_LINE = 15.0f;   // from one line's top to the next
const Point OUTCOME_AT(-22, 80);
const Point SCORE_LABEL_AT(-32, 60);
const Point SCORE_AT(4, 70);
const Point HINT_AT(-48, 40);

Point along(const Point& from, const Point& to, float share) {
  return Point(from.getX() + (to.getX() - from.getX()) * share,
               from.getY() + (to.getY() - from.getY()) * share);
}

// A side stops the craft's sideways motion and the top its rise, so that it
// never leaves the field.
void keepInField(Point& to, Velocity& velocity) {
  if (std::fabs(to.getX()) > SIDE_LIMIT) {
    to.setX(std::copysign(SIDE_LIMIT, to.getX()));
    velocity.setDx(0.0f);
  }
  if (to.getY() > CEILING) {
    to.setY(CEILING);
    velocity.setDy(0.0f);
  }
}

// A speed as the whole number the player reads.
int shown(float speed) { return int(std::lround(speed * SPEED_SCALE)); }

}  // namespace

Landing::Landing() : surface(Surface::generate(-FIELD_EDGE, FIELD_EDGE)) { placeCraft(); }

void Landing::restart() {
  surface = Surface::generate(-FIELD_EDGE, FIELD_EDGE);
  craft = Lander();
  fired = Engines();
  placeCraft();
}

void Landing::placeCraft() {
  const int x = random(-FIELD_EDGE + START_EDGE_GAP, FIELD_EDGE - START_EDGE_GAP + 1);
  craft.setPoint(Point(float(x), START_HEIGHT));
  craft.setVelocity(Velocity(random(0, 2) == 0 ? -START_DRIFT : START_DRIFT, 0.0f));
}

void Landing::advance() {
  if (!inFlight()) return;
  Velocity velocity = craft.getVelocity();
  velocity.setDy(velocity.getDy() - GRAVITY);
  const Point from = craft.getPoint();
  Point to(from.getX() + velocity.getDx(), from.getY() + velocity.getDy());
  keepInField(to, velocity);
  craft.setVelocity(velocity);
  const std::optional<float> touchdown = touchdownAlong(from, to);
  if (touchdown)
    touchDown(along(from, to, *touchdown));
  else
    craft.setPoint(to);
}

// The path is tested in sub-steps no longer than SWEEP_STEP, and the first
// sub-step that ends on the ground is halved down to the moment of touchdown.
// The base's height limit (the highest ground under the feet) is at least as
// wide as the craft around every peak, so no peak slips between two tests.
std::optional<float> Landing::touchdownAlong(const Point& from, const Point& to) const {
  const float length = std::hypot(to.getX() - from.getX(), to.getY() - from.getY());
  const int steps = std::max(1, int(std::ceil(length / SWEEP_STEP)));
  float clear = 0.0f;  // the craft is above the ground here
  for (int i = 1; i <= steps; i++) {
    float hit = float(i) / float(steps);
    if (!onGround(along(from, to, hit))) {
      clear = hit;
      continue;
    }
    for (int halving = 0; halving < TOUCHDOWN_HALVINGS; halving++) {
      const float middle = (clear + hit) / 2.0f;
      (onGround(along(from, to, middle)) ? hit : clear) = middle;
    }
    return hit;
  }
  return std::nullopt;
}

bool Landing::onGround(const Point& base) const {
  const float x = base.getX();
  return base.getY() <= surface.heightUnder(x - CRAFT_HALF_WIDTH, x + CRAFT_HALF_WIDTH);
}

void Landing::touchDown(Point where) {
  const float left = where.getX() - CRAFT_HALF_WIDTH, right = where.getX() + CRAFT_HALF_WIDTH;
  where.setY(surface.heightUnder(left, right));  // standing on the highest ground under the feet
  craft.setPoint(where);
  const Velocity velocity = craft.getVelocity();
  const bool onPad = left >= surface.getPadLeft() && right <= surface.getPadRight();
  const bool gentle = -velocity.getDy() <= MAX_LANDING_DROP &&
                      std::fabs(velocity.getDx()) <= MAX_LANDING_DRIFT;
  if (onPad && gentle) {
    craft.setLanded(true);
    playSound(LANDED_SOUND);
  } else {
    craft.setAlive(false);
    playSound(CRASH_SOUND);
  }
}

void Landing::handleInput(const Interface& ui) {
  fired = Engines();
  if (ui.isR())
    restart();
  else if (inFlight())
    fireEngines(ui);
  // An engine sounds while its flame shows: not in the firing that spends the last of the fuel.
  loopSound(BOTTOM_ENGINE_SOUND, fired.bottom && craft.canThrust(true));
  loopSound(LEFT_ENGINE_SOUND, fired.left && craft.canThrust(false));
  loopSound(RIGHT_ENGINE_SOUND, fired.right && craft.canThrust(false));
}

void Landing::fireEngines(const Interface& ui) {
  Velocity velocity = craft.getVelocity();
  if (ui.isUp() != 0 && fire(true)) {
    velocity.setDy(velocity.getDy() + BOTTOM_THRUST);
    fired.bottom = true;
  }
  if (ui.isLeft() != 0 && fire(false)) {  // the engine on the right side pushes left
    velocity.setDx(velocity.getDx() - SIDE_THRUST);
    fired.right = true;
  }
  if (ui.isRight() != 0 && fire(false)) {  // the engine on the left side pushes right
    velocity.setDx(velocity.getDx() + SIDE_THRUST);
    fired.left = true;
  }
  craft.setVelocity(velocity);
}

bool Landing::fire(bool bottom) {
  if (!craft.canThrust(bottom)) return false;
  const int before = craft.getFuel();
  craft.consumeFuel(bottom ? Lander::consumeBottom : Lander::consumeSides);
  if (before >= LOW_FUEL && craft.getFuel() < LOW_FUEL) playSound(LOW_FUEL_SOUND);
  return true;
}

void Landing::draw() {
  if (craft.isAlive()) {
    craft.draw();
    // The craft shows an engine's flame only while the fuel left would fire
    // it again, so the firing that spends its last fuel shows none: the
    // flame going out is the sign that the engine is dry.
    if (fired.bottom) craft.applyThrustBottom();
    if (fired.left) craft.applyThrustLeft();
    if (fired.right) craft.applyThrustRight();
  } else {
    drawExplosion(craft.getPoint(), EXPLOSION_RADIUS);
  }
  surface.draw();
  drawStatus();
}

void Landing::drawStatus() const {
  const Velocity velocity = craft.getVelocity();
  const struct {
    const char* label;
    int value;
  } lines[] = {{"Fuel", craft.getFuel()},
               {"Down (0.1/frame)", shown(-velocity.getDy())},
               {"Side (0.1/frame)", shown(velocity.getDx())}};
  float top = STATUS_TOP;
  for (const auto& line : lines) {
    drawText(Point(STATUS_LEFT, top - DIGIT_HEIGHT), line.label);  // on the digits' bottom line
    drawNumber(Point(STATUS_NUMBERS, top), line.value);
    top -= STATUS_LINE;
  }
  if (craft.isLanded()) {
    drawText(OUTCOME_AT, "Landed");
    drawText(SCORE_LABEL_AT, "Score");
    drawNumber(SCORE_AT, craft.getFuel());
  } else if (!craft.isAlive()) {
    drawText(OUTCOME_AT, "Crashed");
  }
  if (!inFlight()) drawText(HINT_AT, "r: a new landing");
}

void callBack(const Interface* ui, void* world) {
  Landing* landing = static_cast<Landing*>(world);
  landing->advance();
  landing->handleInput(*ui);
  landing->draw();
}
