// Records the shooter's game kept in games/rocks/tests/rubblons.replay: the
// ship turns to the nearest rock and fires, lets off a volley, and at last
// flies into a rock. See docs/testing.md for when to record it again.
#include <GL/glut.h>

#include <cmath>
#include <set>

#include "game_probe.h"
#include "record_demo.h"

namespace {

constexpr unsigned SEED = 1;
constexpr long VOLLEY_AT = 20;       // the frame the volley goes off
constexpr long RAM_FROM = 900;       // from this frame on the ship flies at the rocks
constexpr long SHOW_FRAMES = 60;     // frames after the ship's end
constexpr long GIVE_UP = 3000;
constexpr long FIRE_EVERY = 6;       // frames between shots
constexpr int AIM_SLACK = SHIP_TURN_STEP / 2;
constexpr double DEGREES = 180.0 / 3.14159265358979323846;
const Point TOP_LEFT(-FIELD_EDGE, FIELD_EDGE);
const Point BOTTOM_RIGHT(FIELD_EDGE, -FIELD_EDGE);

struct RocksPilot {
  std::unique_ptr<Game> make() { return std::make_unique<Game>(TOP_LEFT, BOTTOM_RIGHT); }

  bool steer(Game& world, long frame, DemoKeys& keys) {
    Ship& ship = GameProbe::ship(world);
    rocksBefore = std::set<const Rock*>(GameProbe::rocks(world).begin(), GameProbe::rocks(world).end());
    boomsBefore = ship.getSonicBoom();
    const Rock* target = nearest(world);
    int turn = 0;
    if (target && ship.isAlive()) {
      const Point from = ship.getPosition(), to = target->getPosition();
      const int want = int(std::lround(std::atan2(-(to.getX() - from.getX()), to.getY() - from.getY()) * DEGREES));
      turn = ((want - ship.getRotation()) % 360 + 540) % 360 - 180;  // -180 to 179, left positive
    }
    keys.hold(GLUT_KEY_LEFT, turn > AIM_SLACK);
    keys.hold(GLUT_KEY_RIGHT, turn < -AIM_SLACK);
    keys.hold(GLUT_KEY_UP, frame >= RAM_FROM && std::abs(turn) <= AIM_SLACK);
    if (frame < RAM_FROM && target && frame % FIRE_EVERY == 0) keys.press(' ');
    if (frame == VOLLEY_AT) keys.press('b');
    if (!ship.isAlive() && !endAt) endAt = frame;
    return endAt ? frame < endAt + SHOW_FRAMES : frame < GIVE_UP;
  }

  static const Rock* nearest(Game& world) {
    const Point ship = GameProbe::ship(world).getPosition();
    const Rock* best = nullptr;
    float bestDistance = 0;
    for (const Rock* rock : GameProbe::rocks(world)) {
      const float dx = rock->getPosition().getX() - ship.getX(), dy = rock->getPosition().getY() - ship.getY();
      if (!best || dx * dx + dy * dy < bestDistance) best = rock, bestDistance = dx * dx + dy * dy;
    }
    return best;
  }

  // Rocks leave the field only by breaking.
  void watch(Game& world) {
    for (const Rock* rock : GameProbe::rocks(world)) rocksBefore.erase(rock);
    broken += int(rocksBefore.size());
    volleys += GameProbe::ship(world).getSonicBoom() < boomsBefore;
  }

  std::string judge() const {
    if (!volleys) return "a volley";
    if (!broken) return "rocks breaking";
    if (!endAt) return "the ship's end";
    return "";
  }

  std::set<const Rock*> rocksBefore;
  int boomsBefore = 0;
  int broken = 0;
  int volleys = 0;
  long endAt = 0;
};

}  // namespace

int main(int argc, char** argv) {
  RocksPilot pilot;
  return recordDemo(argc, argv, "rubblons", SEED, callBack, pilot);
}
