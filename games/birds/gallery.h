// gallery: the bird gallery's world.
//
// Gallery owns the rifle's barrel, the pellets in flight, the birds and the
// puffs where birds fell, with the score and the round's clock. Once a frame,
// callBack runs advance() (pellets hit birds, everything moves, birds that
// reached an edge leave, a new bird now and then, the clock runs down), then
// handleInput() (turn, fire, new round) and draw() (the field and the scores).
// The step sounds its events (sound.h) as they happen.
#pragma once

#include <list>

#include "bird.h"
#include "pellet.h"
#include "point.h"
#include "sound.h"
#include "tessik.h"

// The sounds (effect.h): a shot; a bird hit that flies on (a Grendak), a bird
// shot down, a Holvane shot (the penalty); a bird that got away; the round's end.
const Effect RIFLE_SOUND = Effect::noise(3000, 0.12f).slideTo(800).at(0.4f);
const Effect BIRD_HIT_SOUND = Effect::square(660, 0.08f).at(0.25f);
const Effect BIRD_DOWN_SOUND = Effect::square(500, 0.35f).slideTo(90).at(0.3f);
const Effect PENALTY_SOUND = Effect::square(110, 0.5f).slideTo(80).at(0.4f);
const Effect BIRD_AWAY_SOUND = Effect::sine(300, 0.3f).slideTo(600).at(0.3f);
const Effect ROUND_OVER_SOUND = Effect::sine(880, 1.0f).slideTo(220).rising(0.05f).at(0.5f);

// The game's numbers, at the shell's 30 frames a second. Barrel angles are
// whole degrees counter-clockwise from straight up.
constexpr int FRAMES_PER_SECOND = 30;
constexpr int BARREL_UP = 0;            // the highest the barrel goes
constexpr int BARREL_LEFT = 90;         // the lowest: straight left
constexpr int BARREL_START = 45;        // half-way, up and to the left
constexpr int BARREL_TURN_SLOW = 1;     // degrees a frame while a key is newly held
constexpr int BARREL_TURN_FAST = 3;     // the cap, degrees a frame
constexpr int BARREL_SPEED_UP = 5;      // frames of holding for each degree a frame more
constexpr int BIRD_INTERVAL_MIN = 30;   // frames between new birds: 1 to 2 seconds
constexpr int BIRD_INTERVAL_MAX = 60;
constexpr int COMLIN_ODDS = 70;         // percent of new birds; the rest are Holvanes
constexpr int GRENDAK_ODDS = 20;
constexpr int HOLVANE_ODDS = 100 - COMLIN_ODDS - GRENDAK_ODDS;
static_assert(HOLVANE_ODDS >= 0, "the odds of the three kinds add up to 100 percent");
constexpr int ROUND_FRAMES = 60 * FRAMES_PER_SECOND;  // a round: 60 seconds
constexpr int PUFF_FRAMES = 10;         // a puff shrinks away in a third of a second
constexpr float PUFF_RADIUS = 15.0f;    // its size in its first frame
const Point RIFLE_AT(190, -190);        // the rifle's pivot, in the lower-right corner

// A puff where a bird fell, with the frames it still shows.
struct Puff {
  Point at;
  int framesLeft;
};

class Gallery {
 public:
  // A round about to begin: an empty field, the barrel half-way, a full clock.
  Gallery();
  // Deletes every bird and pellet still in the world.
  ~Gallery();
  Gallery(const Gallery&) = delete;
  Gallery& operator=(const Gallery&) = delete;

  // One frame: hits, moves, removals, a new bird when its time comes, the clock.
  // Once the round is over, nothing.
  void advance();
  // r starts a new round at any time; during a round the arrows turn the
  // barrel and space fires.
  void handleInput(const Interface& ui);
  // The rifle, the pellets, the birds, the puffs, the score (top left) and the
  // seconds left (top right); after the round, the final score and the birds
  // hit and missed.
  void draw(const Interface& ui) const;
  // Clears the field and starts the clock, the score and the barrel afresh.
  void newRound();

  int getBarrel() const { return barrel; }
  int getScore() const { return score; }
  int getBirdsHit() const { return birdsHit; }
  int getBirdsMissed() const { return birdsMissed; }
  int getSecondsLeft() const { return (framesLeft + FRAMES_PER_SECOND - 1) / FRAMES_PER_SECOND; }
  bool isRoundOver() const { return framesLeft == 0; }
  // Where the barrel's end stands now: the pellets' start.
  Point getMuzzle() const;

 private:
  friend struct GalleryProbe;  // lets the tests set up exact situations

  void turnBarrel(const Interface& ui);
  void fire();
  void shootBirds();
  void hit(Bird& bird);
  void removeDead();
  void launchBird();
  void clearField();

  int barrel = BARREL_START;
  std::list<Pellet*> pellets;
  std::list<Bird*> birds;
  std::list<Puff> puffs;
  int score = 0;
  int birdsHit = 0;     // shot down, of any kind
  int birdsMissed = 0;  // Comlins and Grendaks that got away
  int framesLeft = 0;   // in the round
  int birdTimer = 0;    // frames until the next bird
};

// The frame callback handed to the shell; `world` is the Gallery.
void callBack(const Interface* ui, void* world);
