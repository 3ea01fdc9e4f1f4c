// Records the example's game kept in games/example/tests/catcher.replay: the
// paddle chases the dots for 20 seconds (catches), then stands still for 20
// (misses). See docs/testing.md for when to record it again.
#include <GL/glut.h>

#include <algorithm>

#include "catcher.h"
#include "record_demo.h"

namespace {

constexpr unsigned SEED = 5;
constexpr long CHASE_UNTIL = 600;  // frames of chasing, then as many standing still
constexpr long LAST_FRAME = 1200;
constexpr float CLOSE_ENOUGH = 4;  // the paddle stops this near the dot's x

struct CatcherPilot {
  std::unique_ptr<Catcher> make() { return std::make_unique<Catcher>(); }

  bool steer(const Catcher& world, long frame, DemoKeys& keys) {
    scoreBefore = world.getScore();
    dotsBefore = world.getDots().size();
    chasing = frame <= CHASE_UNTIL;
    float target = world.getPaddleX();
    const auto& dots = world.getDots();
    auto lowest = std::min_element(dots.begin(), dots.end(),
                                   [](const Point& a, const Point& b) { return a.getY() < b.getY(); });
    if (chasing && lowest != dots.end()) target = lowest->getX();
    keys.hold(GLUT_KEY_LEFT, world.getPaddleX() > target + CLOSE_ENOUGH);
    keys.hold(GLUT_KEY_RIGHT, world.getPaddleX() < target - CLOSE_ENOUGH);
    return frame <= LAST_FRAME;
  }

  void watch(const Catcher& world) {
    const bool caught = world.getScore() > scoreBefore;
    catches += caught;
    misses += !chasing && !caught && world.getDots().size() < dotsBefore;
  }

  std::string judge() const {
    if (catches == 0) return "a catch";
    if (misses == 0) return "a miss";
    return "";
  }

  int scoreBefore = 0;
  size_t dotsBefore = 0;
  bool chasing = true;
  int catches = 0;
  int misses = 0;
};

}  // namespace

int main(int argc, char** argv) {
  CatcherPilot pilot;
  return recordDemo(argc, argv, "catcher", SEED, callBack, pilot);
}
