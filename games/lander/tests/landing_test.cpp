// The landing world: engines and their charges, touchdown along the path, the
// walls, the status drawn, a new landing and replays.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "glrecord.h"
#include "soundrecord.h"
#include "landing.h"
#include "vexel.h"

struct LandingProbe {
  static Lander& craft(Landing& world) { return world.craft; }
  static void setSurface(Landing& world, const Surface& ground) { world.surface = ground; }
};

namespace {

using glrecord::Primitive;
using glrecord::Vertex;

// Rough ground with a sharp peak at x -50 and the pad from 0 to 50 at -100.
const Surface GROUND({{-200, -150}, {-60, -140}, {-50, -60}, {-40, -140}, {0, -100}, {50, -100},
                      {200, -160}},
                     4);
const Vertex BOTTOM_FLAME{-2, 2}, LEFT_FLAME{-6, 12}, RIGHT_FLAME{6, 12};  // first vertices

void setKeys(int up, int left, int right, bool r = false) {
  Interface::isUpPress = up;
  Interface::isLeftPress = left;
  Interface::isRightPress = right;
  Interface::isRPress = r;
}

std::vector<Vertex> placedAt(const Point& base, std::vector<Vertex> offsets) {
  for (Vertex& v : offsets) v = {base.getX() + v.x, base.getY() + v.y};
  return offsets;
}

class World : public ::testing::Test {
 protected:
  void SetUp() override {
    Interface::initialized = true;  // views of the shell must not open a window
    setKeys(0, 0, 0);
    glrecord::reset();
    LandingProbe::setSurface(world, GROUND);
  }
  void TearDown() override { setKeys(0, 0, 0); }

  Lander& craft() { return LandingProbe::craft(world); }
  // A craft in flight at `at`, moving so that it moves by `moving` in the next advance.
  void place(Point at, Velocity moving, int fuel = 500) {
    craft() = Lander();
    craft().setPoint(at);
    craft().setVelocity(Velocity(moving.getDx(), moving.getDy() + GRAVITY));
    craft().setFuel(fuel);
  }
  bool inFlight() { return craft().isAlive() && !craft().isLanded(); }
  bool onTheGround() {
    const float x = craft().getPoint().getX();
    return craft().getPoint().getY() == world.getSurface().heightUnder(x - 10, x + 10);
  }
  void frame() { callBack(&ui, &world); }

  Interface ui;
  Landing world;
};

}  // namespace

TEST_F(World, GravityAndEachEngineChangeTheVelocityAndChargeTheirCost) {
  const struct {
    int up, left, right, fuel;
    float pushX, pushY;
    int fuelAfter;
    std::vector<Vertex> flames;
  } cases[] = {
      {0, 0, 0, 500, 0, 0, 500, {}},
      {1, 0, 0, 500, 0, BOTTOM_THRUST, 497, {BOTTOM_FLAME}},
      {0, 4, 0, 500, -SIDE_THRUST, 0, 499, {RIGHT_FLAME}},  // Left fires the right side
      {0, 0, 2, 500, SIDE_THRUST, 0, 499, {LEFT_FLAME}},
      {1, 1, 1, 500, 0, BOTTOM_THRUST, 495, {BOTTOM_FLAME, LEFT_FLAME, RIGHT_FLAME}},
      {1, 0, 0, 6, 0, BOTTOM_THRUST, 3, {BOTTOM_FLAME}},
      {1, 0, 0, 3, 0, BOTTOM_THRUST, 0, {}},  // the firing that empties the engine shows no flame
      {1, 1, 0, 4, -SIDE_THRUST, BOTTOM_THRUST, 0, {}},
      {1, 0, 1, 2, SIDE_THRUST, 0, 1, {LEFT_FLAME}},  // too little for the bottom engine
      {1, 1, 1, 0, 0, 0, 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.up << c.left << c.right << " with fuel " << c.fuel);
    place(Point(20, 100), Velocity(0.1f, -0.2f), c.fuel);
    setKeys(c.up, c.left, c.right);
    glrecord::reset();
    frame();
    const Point at = craft().getPoint();
    EXPECT_FLOAT_EQ(at.getX(), 20.1f);  // moved by gravity before the engines fired
    EXPECT_FLOAT_EQ(at.getY(), 99.8f);
    EXPECT_FLOAT_EQ(craft().getVelocity().getDx(), 0.1f + c.pushX);
    EXPECT_FLOAT_EQ(craft().getVelocity().getDy(), -0.2f + c.pushY);
    EXPECT_EQ(craft().getFuel(), c.fuelAfter);
    std::vector<Vertex> flames;
    for (const Primitive& p : glrecord::primitives())
      if (p.mode == GL_LINE_LOOP) flames.push_back(p.vertices.at(0));
    EXPECT_EQ(flames, placedAt(at, c.flames));
  }
}

TEST_F(World, EachFiringChargesTheCostAsItStandsThen) {
  const int bottom = Lander::consumeBottom, sides = Lander::consumeSides;
  Lander::consumeBottom = 7;
  Lander::consumeSides = 2;
  setKeys(1, 1, 0);
  world.handleInput(ui);
  EXPECT_EQ(craft().getFuel(), 491);
  Lander::consumeBottom = 40;
  world.handleInput(ui);
  EXPECT_EQ(craft().getFuel(), 449);
  Lander::consumeBottom = bottom;
  Lander::consumeSides = sides;
}

TEST_F(World, TouchdownLandsOnlyGentlyWithBothFeetOnThePadAndStaysThere) {
  const struct {
    float x, y, dx, dy;
    bool lands;
  } cases[] = {
      {25, -99.5f, 0, -0.5f, true},      {25, -99.2f, 0.45f, -0.95f, true},
      {11, -99.5f, -0.4f, -0.5f, true},  {25, -99.2f, 0, -1.05f, false},
      {25, -99.5f, 0.6f, -0.5f, false},  {25, -99.5f, -0.55f, -0.6f, false},
      {45, -99.5f, 0, -0.5f, false},     {5, -99.5f, 0, -0.5f, false},
      {-150, -145.4f, 0, -0.5f, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "at " << c.x << " moving " << c.dx << ", " << c.dy);
    place(Point(c.x, c.y), Velocity(c.dx, c.dy));
    soundrecord::reset();
    world.advance();
    EXPECT_EQ(soundrecord::played(), std::vector<Effect>{c.lands ? LANDED_SOUND : CRASH_SOUND});
    EXPECT_EQ(craft().isLanded(), c.lands);
    EXPECT_EQ(craft().isAlive(), c.lands);
    EXPECT_TRUE(onTheGround());
    const Point rest = craft().getPoint();
    setKeys(1, 1, 0);
    for (int i = 0; i < 5; i++) frame();
    setKeys(0, 0, 0);
    EXPECT_TRUE(craft().getPoint().getX() == rest.getX() && craft().getPoint().getY() == rest.getY());
    EXPECT_EQ(craft().getFuel(), 500);  // no engine fires any more
  }
}

// Each engine is heard exactly while its flame shows: from its first firing,
// not in the firing that spends the last of the fuel, never once its key is
// let go. The warning sounds once, as the fuel falls below a fifth.
TEST_F(World, EachEngineSoundsWhileItsFlameShowsAndTheWarningAsTheFuelFallsBelowAFifth) {
  const struct {
    const char* engine;
    int up, left, right, cost;
    Effect sound;
    Vertex flame;
  } engines[] = {{"bottom", 1, 0, 0, Lander::consumeBottom, BOTTOM_ENGINE_SOUND, BOTTOM_FLAME},
                 {"left side", 0, 0, 1, Lander::consumeSides, LEFT_ENGINE_SOUND, LEFT_FLAME},
                 {"right side", 0, 1, 0, Lander::consumeSides, RIGHT_ENGINE_SOUND, RIGHT_FLAME}};
  for (const auto& e : engines) {
    for (const int fuel : {LOW_FUEL + 2, 2 * e.cost + 1}) {
      SCOPED_TRACE(testing::Message() << e.engine << " engine from fuel " << fuel);
      soundrecord::clear();
      place(Point(0, 150), Velocity(), fuel);
      setKeys(e.up, e.left, e.right);
      int warnings = 0, flames = 0, quietFirings = 0;
      for (int frameNo = 0; frameNo < 6; frameNo++) {
        if (frameNo == 4) setKeys(0, 0, 0);
        const int before = craft().getFuel();
        glrecord::reset();
        soundrecord::reset();
        frame();
        std::vector<Vertex> drawn;
        for (const Primitive& p : glrecord::primitives())
          if (p.mode == GL_LINE_LOOP) drawn.push_back(p.vertices.at(0));
        const bool flame = drawn == placedAt(craft().getPoint(), {e.flame});
        flames += flame;
        quietFirings += !flame && craft().getFuel() < before;
        EXPECT_EQ(soundrecord::looping(e.sound), flame) << "frame " << frameNo;
        EXPECT_EQ(soundrecord::loops().size(), flame ? 1u : 0u) << "frame " << frameNo;
        warnings += soundrecord::timesPlayed(LOW_FUEL_SOUND);
        const bool crossed = fuel >= LOW_FUEL && craft().getFuel() < LOW_FUEL;
        EXPECT_EQ(warnings, crossed ? 1 : 0) << "frame " << frameNo;
      }
      EXPECT_GE(flames, 1);
      EXPECT_EQ(quietFirings, fuel < LOW_FUEL ? 1 : 0) << "the firing that empties the tank";
    }
  }
}

TEST_F(World, AFastFlightStopsOnTheFirstGroundInItsPathAndNeverPassesAPeak) {
  const struct {
    Point from;
    Velocity moving;
    Vertex stop;
  } cases[] = {{Point(-45, 150), Velocity(0, -500), {-45, -60}},     // down onto the tip
               {Point(-150, -90), Velocity(300, 0), {-63.75f, -90}},  // into its side
               {Point(-95, 49), Velocity(90, -180), {-40.5f, -60}}};  // through its corner
  for (const auto& c : cases) {
    place(c.from, c.moving);
    world.advance();
    EXPECT_NEAR(craft().getPoint().getX(), c.stop.x, 0.01f);
    EXPECT_NEAR(craft().getPoint().getY(), c.stop.y, 0.01f);
    EXPECT_TRUE(onTheGround());
    EXPECT_FALSE(craft().isAlive());
  }
  glrecord::reset();
  world.draw();
  const Primitive explosion = glrecord::primitives().at(0);
  EXPECT_EQ(explosion.mode, GLenum(GL_TRIANGLES));
  EXPECT_EQ(explosion.vertices[0], (Vertex{craft().getPoint().getX(), craft().getPoint().getY()}));
  EXPECT_NE(glrecord::bitmapText().find("Crashed"), std::string::npos);
}

TEST_F(World, AFreeFallEndsOnTheGroundAndCrashesWithinThreeToEightSeconds) {
  for (unsigned seed = 1; seed <= 40; seed++) {
    srand(seed);
    world.restart();
    int frames = 0;
    for (; inFlight() && frames < 1000; frames++) {
      frame();
      const float x = craft().getPoint().getX();
      ASSERT_GE(craft().getPoint().getY(), world.getSurface().heightUnder(x - 10, x + 10));
    }
    EXPECT_FALSE(craft().isAlive()) << "seed " << seed;
    EXPECT_TRUE(frames >= 90 && frames <= 240) << frames << " frames, seed " << seed;
    EXPECT_TRUE(onTheGround()) << "seed " << seed;
  }
}

TEST_F(World, TheSidesAndTheTopStopTheCraft) {
  const struct {
    Point from;
    Velocity moving, after;
    Vertex stop;
  } cases[] = {{Point(185, 0), Velocity(9, 0), Velocity(0, 0), {190, 0}},
               {Point(-188, 0), Velocity(-3, 0), Velocity(0, 0), {-190, 0}},
               {Point(0, 180), Velocity(1, 10), Velocity(1, 0), {1, 184}}};
  for (const auto& c : cases) {
    place(c.from, c.moving);
    world.advance();
    EXPECT_EQ(craft().getPoint().getX(), c.stop.x);
    EXPECT_EQ(craft().getPoint().getY(), c.stop.y);
    EXPECT_EQ(craft().getVelocity().getDx(), c.after.getDx());
    EXPECT_EQ(craft().getVelocity().getDy(), c.after.getDy());
  }
}

TEST_F(World, StatusShowsFuelAndSpeedsInTenthsAtTheTopLeftThenTheOutcome) {
  place(Point(20, 100), Velocity(-0.2f, -0.8f - GRAVITY), 497);
  world.draw();
  EXPECT_EQ(glrecord::bitmapText(), "FuelDown (0.1/frame)Side (0.1/frame)");
  std::vector<double> labelHeights;
  for (const glrecord::Call& call : glrecord::calls())
    if (call.name == "glRasterPos2f") {
      EXPECT_LT(call.args[0], -150);  // at the left, one line below the other from the top
      labelHeights.push_back(call.args[1]);
    }
  ASSERT_EQ(labelHeights.size(), 3u);
  EXPECT_TRUE(labelHeights[0] > 150 && labelHeights[1] < labelHeights[0] && labelHeights[2] < labelHeights[1]);

  place(Point(25, -99.7f), Velocity(0, -0.4f), 321);
  world.advance();
  glrecord::reset();
  world.draw();
  EXPECT_NE(glrecord::bitmapText().find("LandedScore"), std::string::npos);
}

TEST_F(World, RStartsANewLandingAtTheTopWithAFullTankOnNewGround) {
  for (int state = 0; state < 3; state++) {
    place(Point(-30, 20), Velocity(1, -2), 17);
    craft().setAlive(state != 1);
    craft().setLanded(state == 2);
    const std::vector<Point> before = world.getSurface().getCorners();
    setKeys(1, 0, 0, true);  // Up held too: nothing fires in that frame
    frame();
    const Point start = craft().getPoint();
    EXPECT_TRUE(inFlight());
    EXPECT_EQ(craft().getFuel(), 500);
    EXPECT_EQ(start.getY(), START_HEIGHT);
    EXPECT_TRUE(std::fabs(start.getX()) <= 150 && start.getX() == std::trunc(start.getX()));
    EXPECT_EQ(std::fabs(craft().getVelocity().getDx()), START_DRIFT);
    EXPECT_EQ(craft().getVelocity().getDy(), 0);
    const std::vector<Point>& after = world.getSurface().getCorners();
    EXPECT_FALSE(std::equal(before.begin(), before.end(), after.begin(), after.end(),
                            [](Point p, Point q) { return p.getX() == q.getX() && p.getY() == q.getY(); }));
  }
}

TEST_F(World, TheSameSeedAndKeysPlayTheSameGame) {
  auto play = [this](unsigned seed) {
    srand(seed);
    world.restart();
    glrecord::reset();
    for (int i = 0; i < 400; i++) {
      setKeys(i % 50 < 20, i % 70 < 9, i % 90 < 6, i == 250);
      frame();
    }
    return glrecord::calls();
  };
  auto same = [](const glrecord::Call& a, const glrecord::Call& b) {
    return a.name == b.name && a.args == b.args;
  };
  const auto first = play(9), again = play(9), other = play(10);
  EXPECT_TRUE(std::equal(first.begin(), first.end(), again.begin(), again.end(), same));
  EXPECT_FALSE(std::equal(first.begin(), first.end(), other.begin(), other.end(), same));
}
