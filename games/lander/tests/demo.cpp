// Records the lander's game kept in games/lander/tests/lander.replay: a pilot
// flies the craft down onto the pad, then r starts a new landing and the
// craft falls with its engines off and crashes. See docs/testing.md for when
// to record it again.
#include <GL/glut.h>

#include <algorithm>
#include <cmath>

#include "landing.h"
#include "record_demo.h"

namespace {

constexpr unsigned SEED = 3;
constexpr long SHOW_FRAMES = 45;        // frames each outcome stays on the field
constexpr long GIVE_UP = 3000;          // frames: the pilot failed
constexpr float OVER_PAD = PAD_WIDTH / 2 - CRAFT_HALF_WIDTH - 5;  // the feet well inside the pad
constexpr float SAFE_HEIGHT = GROUND_HIGH + 40.0f;  // off the pad, the craft keeps above this
constexpr float DRIFT_GAIN = 0.01f;     // sideways speed wanted for each unit off the pad's middle
constexpr float MOST_DRIFT = 0.5f;
constexpr float SLOWEST_DROP = 0.4f;    // downward speed wanted just above the pad
constexpr float DROP_GAIN = 0.01f;      // ... and more for each unit of height
constexpr float FASTEST_DROP = 2.0f;
constexpr float CLIMB = 0.2f;           // upward speed wanted below the safe height
constexpr float SPEED_SLACK = 0.02f;

struct LanderPilot {
  std::unique_ptr<Landing> make() { return std::make_unique<Landing>(Interface::seed); }

  bool steer(const Landing& world, long frame, DemoKeys& keys) {
    const Lander& craft = world.getCraft();
    const bool flying = craft.isAlive() && !craft.isLanded();
    keys.hold(GLUT_KEY_UP, false);
    keys.hold(GLUT_KEY_LEFT, false);
    keys.hold(GLUT_KEY_RIGHT, false);
    if (!landed) {
      if (flying) fly(world, keys);
      return frame < GIVE_UP;
    }
    if (frame == landedAt + SHOW_FRAMES) keys.press('r');
    return !crashed || frame < crashedAt + SHOW_FRAMES;
  }

  // Steers for the pad's middle, and down once over it.
  void fly(const Landing& world, DemoKeys& keys) {
    const Surface& ground = world.getSurface();
    const Point at = world.getCraft().getPoint();
    const Velocity speed = world.getCraft().getVelocity();
    const float offPad = (ground.getPadLeft() + ground.getPadRight()) / 2 - at.getX();
    const float drift = std::clamp(offPad * DRIFT_GAIN, -MOST_DRIFT, MOST_DRIFT);
    keys.hold(GLUT_KEY_RIGHT, speed.getDx() < drift - SPEED_SLACK);
    keys.hold(GLUT_KEY_LEFT, speed.getDx() > drift + SPEED_SLACK);
    const float height = at.getY() - ground.getPadHeight();
    float fall = -std::min(FASTEST_DROP, SLOWEST_DROP + height * DROP_GAIN);
    if (std::fabs(offPad) > OVER_PAD) fall = at.getY() > SAFE_HEIGHT ? -SLOWEST_DROP : CLIMB;
    keys.hold(GLUT_KEY_UP, speed.getDy() < fall);
  }

  void watch(const Landing& world) {
    frame++;
    const Lander& craft = world.getCraft();
    if (!landed && craft.isLanded()) landed = true, landedAt = frame;
    if (landed && !crashed && !craft.isAlive()) crashed = true, crashedAt = frame;
    if (!landed && !craft.isAlive()) lostFirst = true;
  }

  std::string judge() const {
    if (lostFirst || !landed) return "a landing on the pad";
    if (!crashed) return "a crash";
    return "";
  }

  long frame = 0;
  bool landed = false, crashed = false, lostFirst = false;
  long landedAt = 0, crashedAt = 0;
};

}  // namespace

int main(int argc, char** argv) {
  LanderPilot pilot;
  return recordDemo(argc, argv, "lander", SEED, callBack, pilot);
}
