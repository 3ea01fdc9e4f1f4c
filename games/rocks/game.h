// game: the rock-field shooter's world.
//
// Game owns the ship and every bullet and rock. Once a frame, callBack runs
// advance() (move everything, collide, remove the dead, bring in a new big
// rock every TIMER_RESET frames), then handleInput() (turn, thrust, fire,
// sonic boom) and draw() (every object, and the ship's sonic booms left).
// The step sounds its events (sound.h) as they happen.
#pragma once

#include <list>

#include "bullet.h"
#include "point.h"
#include "rock.h"
#include "ship.h"
#include "sound.h"
#include "tessik.h"

// The sounds (effect.h): a shot, the sonic-boom volley, the ship's end, the
// hum of thrust while Up is held, and a rock breaking, deeper the bigger it is.
const Effect SHOT_SOUND = Effect::square(1400, 0.1f).slideTo(500).at(0.3f);
const Effect VOLLEY_SOUND = Effect::noise(4000, 0.7f).slideTo(300).at(0.6f);
const Effect SHIP_LOST_SOUND = Effect::noise(600, 1.5f).slideTo(40).at(0.8f);
const Effect THRUST_SOUND = Effect::noise(180, 0.5f).looped().at(0.35f);
constexpr float ROCK_BREAK_PITCH = 16000;  // Hz a unit of a rock's size: a big rock breaks at 800 Hz
constexpr float ROCK_BREAK_SECONDS = 0.4f;
inline Effect rockBreakSound(int rockSize) {
  return Effect::noise(ROCK_BREAK_PITCH / float(rockSize), ROCK_BREAK_SECONDS).slideTo(100).at(0.6f);
}

class Game {
 public:
  // A world over the field topLeft..bottomRight: the ship in the middle and
  // seven big rocks, none of them close to it.
  Game(Point topLeft, Point bottomRight);
  // Deletes the ship and every bullet and rock still in the world.
  ~Game();
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // One frame: move, collide, clean up, count down to the next big rock.
  void advance();
  // Reads the keys and steers, fires and booms (nothing while the ship is dead).
  void handleInput(const Interface& ui);
  // Draws the live ship, the bullets, the rocks and the sonic-boom count.
  void draw(const Interface& ui);

  // A random whole-unit point in the field, off the square of half-side
  // SAFE_DISTANCE around the ship.
  Point getRandomPoint() const;
  // Fires a volley of 40 bullets around the ship, if it has a boom left.
  void sonicBoom();

  // Kills ship-rock and bullet-rock pairs that come too close this frame;
  // a rock that dies breaks apart, and its fragments are tested in the same walk.
  void checkForCollisions();
  // True when both are alive and their closest approach this frame is
  // strictly less than the sum of their sizes.
  bool isCollision(const Aviant& first, const Aviant& second) const;
  // The smallest distance between the two over sampled moments of one
  // frame's motion, from where they stand now.
  float getClosestDistance(const Aviant& first, const Aviant& second) const;
  // Removes and deletes every dead bullet and rock; the ship stays.
  void cleanUpZombies();

  // The field's corners, shared by every world.
  static Point topLeft;
  static Point bottomRight;

 private:
  friend struct GameProbe;  // lets the tests and the benchmark set up a world

  void releaseAll();
  // Kills the rock, adds its fragments to the field and sounds its breaking.
  void breakRock(Rock& rock);

  Point boomCountPosition;
  Ship* ship = nullptr;
  std::list<Bullet*> bullets;
  std::list<Rock*> rocks;
  int timer = 0;
};

// The frame callback handed to the shell; `world` is the Game.
void callBack(const Interface* ui, void* world);
