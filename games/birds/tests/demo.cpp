// Records the gallery's game kept in games/birds/tests/gallery.replay: a
// marksman aims ahead of the birds, the kinds not yet shot first, for a
// whole round, and the final score shows. See docs/testing.md for when to
// record it again.
#include <GL/glut.h>

#include <algorithm>
#include <cmath>
#include <list>
#include <map>

#include "comlin.h"
#include "gallery.h"
#include "grendak.h"
#include "holvane.h"
#include "record_demo.h"

// Gallery's friend, for the birds in the field.
struct GalleryProbe {
  static const std::list<Bird*>& birds(const Gallery& g) { return g.birds; }
};

namespace {

constexpr unsigned SEED = 2;
constexpr long SHOW_FRAMES = 60;  // the final score stays this long after the round
constexpr int AIM_SLACK = 1;      // degrees the barrel may be off before it turns
constexpr int FIRE_SLACK = 2;     // ... and may be off when it fires
constexpr long FIRE_EVERY = 4;    // frames between shots at most
constexpr int AIM_PASSES = 3;     // refinements of where bird and pellet meet
constexpr double DEGREES = 180.0 / 3.14159265358979323846;

enum Kind { COMLIN, GRENDAK, HOLVANE, KINDS };
const char* const KIND_NAMES[KINDS] = {"a Comlin hit", "a Grendak hit", "a Holvane hit"};

Kind kindOf(const Bird* bird) {
  if (dynamic_cast<const Grendak*>(bird)) return GRENDAK;
  if (dynamic_cast<const Holvane*>(bird)) return HOLVANE;
  return COMLIN;
}

struct GalleryPilot {
  std::unique_ptr<Gallery> make() { return std::make_unique<Gallery>(Interface::seed); }

  bool steer(const Gallery& world, long frame, DemoKeys& keys) {
    before.clear();
    for (const Bird* bird : GalleryProbe::birds(world)) before[bird] = kindOf(bird);
    hitBefore = world.getBirdsHit();
    const Bird* target = choose(world);
    const int want = target ? aimAt(world, *target) : world.getBarrel();
    keys.hold(GLUT_KEY_DOWN, world.getBarrel() < want - AIM_SLACK);
    keys.hold(GLUT_KEY_UP, world.getBarrel() > want + AIM_SLACK);
    if (target && std::abs(world.getBarrel() - want) <= FIRE_SLACK && frame - firedAt >= FIRE_EVERY) {
      keys.press(' ');
      firedAt = frame;
    }
    if (world.isRoundOver() && !overAt) overAt = frame;
    return !overAt || frame < overAt + SHOW_FRAMES;
  }

  // A live bird of a kind not shot yet if there is one, else any; the lowest first.
  const Bird* choose(const Gallery& world) const {
    const Bird* best = nullptr;
    for (const Bird* bird : GalleryProbe::birds(world)) {
      if (!bird->isAlive()) continue;
      const auto rank = [this](const Bird* b) { return std::make_pair(hit[kindOf(b)] > 0, b->getPosition().getY()); };
      if (!best || rank(bird) < rank(best)) best = bird;
    }
    return best;
  }

  // The barrel's angle that sends a pellet to where the bird will be.
  static int aimAt(const Gallery& world, const Bird& bird) {
    const Point muzzle = world.getMuzzle();
    float dx = 0, dy = 0, flight = 0;
    for (int pass = 0; pass < AIM_PASSES; pass++) {
      dx = bird.getPosition().getX() + bird.getVelocity().getDx() * flight - muzzle.getX();
      dy = bird.getPosition().getY() + bird.getVelocity().getDy() * flight - muzzle.getY();
      flight = std::sqrt(dx * dx + dy * dy) / PELLET_SPEED;
    }
    return std::clamp(int(std::lround(std::atan2(-dx, dy) * DEGREES)), BARREL_UP, BARREL_LEFT);
  }

  // A frame in which as many birds left the field as were shot: those were shot.
  void watch(const Gallery& world) {
    const int shot = world.getBirdsHit() - hitBefore;
    for (const Bird* bird : GalleryProbe::birds(world)) before.erase(bird);
    if (shot > 0 && int(before.size()) == shot)
      for (const auto& gone : before) hit[gone.second]++;
    roundsOver += world.isRoundOver() && !wasOver;
    wasOver = world.isRoundOver();
  }

  std::string judge() const {
    for (int kind = 0; kind < KINDS; kind++)
      if (!hit[kind]) return KIND_NAMES[kind];
    if (!roundsOver) return "a whole round";
    return "";
  }

  std::map<const Bird*, Kind> before;
  int hitBefore = 0;
  int hit[KINDS] = {};
  long firedAt = -FIRE_EVERY;
  long overAt = 0;
  int roundsOver = 0;
  bool wasOver = false;
};

}  // namespace

int main(int argc, char** argv) {
  GalleryPilot pilot;
  return recordDemo(argc, argv, "gallery", SEED, callBack, pilot);
}
