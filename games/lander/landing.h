// landing: the lunar-landing game's world.
//
// Landing owns the craft and the ground under it. Once a frame, callBack runs
// advance() (gravity, motion, and touchdown judged along the frame's path),
// then handleInput() (the engines fire and are charged; r starts a new
// landing) and draw() (craft, flames, ground, fuel, speeds, the outcome).
// Speeds are in units per frame, at 30 frames a second. The step sounds its
// events (sound.h) as they happen, and each engine while its flame shows.
#pragma once

#include <optional>

#include "lander.h"
#include "sound.h"
#include "surface.h"
#include "tessik.h"

// The field is the square from -FIELD_EDGE to FIELD_EDGE on both axes.
constexpr int FIELD_EDGE = 200;

constexpr float GRAVITY = 0.02f;         // downward speed gained every frame
constexpr float BOTTOM_THRUST = 0.08f;   // upward speed a firing of the bottom engine gives
constexpr float SIDE_THRUST = 0.02f;     // sideways speed a firing of a side engine gives
constexpr float START_HEIGHT = 150.0f;   // the craft's base at the start
constexpr int START_EDGE_GAP = 50;       // the start keeps this far from either side
constexpr float START_DRIFT = 0.3f;      // sideways speed at the start, left or right
constexpr float MAX_LANDING_DROP = 1.0f;   // fastest downward speed that lands
constexpr float MAX_LANDING_DRIFT = 0.5f;  // fastest sideways speed that lands
constexpr float CRAFT_HALF_WIDTH = 10.0f;  // the feet reach this far either side of x
constexpr float CRAFT_HEIGHT = 16.0f;      // the cabin's top above the base
constexpr float SWEEP_STEP = 0.25f;        // longest piece of a frame's path tested for touchdown
constexpr float EXPLOSION_RADIUS = 15.0f;
constexpr int SPEED_SCALE = 10;  // speeds are shown in tenths of a unit per frame
constexpr int LOW_FUEL = Lander::FULL_TANK / 5;  // fuel below this sounds the warning

// The sounds (effect.h): each engine while it fires, the bottom one deeper; a
// warning as the fuel falls below LOW_FUEL; a landing; a crash.
const Effect BOTTOM_ENGINE_SOUND = Effect::noise(120, 0.5f).looped().at(0.45f);
const Effect LEFT_ENGINE_SOUND = Effect::noise(420, 0.5f).looped().at(0.2f);
const Effect RIGHT_ENGINE_SOUND = Effect::noise(440, 0.5f).looped().at(0.2f);
const Effect LOW_FUEL_SOUND = Effect::square(880, 0.6f).rising(0.3f).at(0.3f);
const Effect LANDED_SOUND = Effect::sine(523, 0.8f).slideTo(1046).at(0.4f);
const Effect CRASH_SOUND = Effect::noise(500, 1.5f).slideTo(30).at(0.8f);

class Landing {
 public:
  // A first landing: a new ground and the craft at the top.
  Landing();

  // One frame of flight: gravity pulls, the craft moves (stopped by the sides
  // and the top), and if its base meets the ground on the way it lands or
  // crashes there. A landed or crashed craft stays where it is.
  void advance();
  // Reads the keys: r starts a new landing; in flight, Up, Left and Right
  // fire the bottom engine, the one on the right side and the one on the left
  // side, each only while the craft allows it and each charged its cost.
  void handleInput(const Interface& ui);
  // Draws the craft (or its explosion), the flames of the engines that fired
  // this frame, the ground, the fuel and speeds, and "Landed" or "Crashed".
  // Not const: the craft's flame operations are not.
  void draw();

  // A new ground, and the craft back at the top with a full tank.
  void restart();

  const Lander& getCraft() const { return craft; }
  const Surface& getSurface() const { return surface; }

 private:
  friend struct LandingProbe;  // lets the tests set up exact situations

  // The engines that fired in this frame.
  struct Engines {
    bool bottom = false, left = false, right = false;
  };

  bool inFlight() const { return craft.isAlive() && !craft.isLanded(); }
  // Puts the craft at its random start, drifting left or right.
  void placeCraft();
  // Fires the bottom or a side engine if the craft allows it, charging its
  // cost; whether it fired.
  bool fire(bool bottom);
  // Fires the engines whose keys are held.
  void fireEngines(const Interface& ui);
  // The share (0 to 1) of the way from `from` to `to` at which the craft's
  // base first meets the ground, if it does.
  std::optional<float> touchdownAlong(const Point& from, const Point& to) const;
  // Whether a base at `base` is on or below the highest ground under its feet.
  bool onGround(const Point& base) const;
  // Stands the craft on the ground at `where` and judges landing or crash.
  void touchDown(Point where);
  // The fuel, the speeds and the outcome, as text and numbers.
  void drawStatus() const;

  Surface surface;
  Lander craft;
  Engines fired;
};

// The frame callback handed to the shell; `world` is the Landing.
void callBack(const Interface* ui, void* world);
