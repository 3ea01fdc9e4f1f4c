// What the soak sees of a world between frames, and what may change from one
// frame to the next.
//
// A census lists the ship, every bullet (with the frames it has left) and
// every rock (with its size class). compare() explains the difference between
// two censuses a frame apart: bullets leave by age or by hitting a rock, new
// bullets are the ones the keys fired, rocks leave only by breaking and every
// rock that broke left its fragments behind (a big rock two medium rocks and a
// small one, a medium rock two small ones), and a big rock arrives only when
// the timer runs out.
#pragma once

#include <string>
#include <vector>

#include "game.h"

enum RockKind { BIG_ROCK, MEDIUM_ROCK, SMALL_ROCK, ROCK_KINDS };

// The one-shot keys the player pressed for a frame.
struct Keys {
  bool space = false;
  bool boom = false;
};

struct WorldCensus {
  // Reserves room for everything a run of `frames` frames can put in a world,
  // so that taking a census never allocates.
  explicit WorldCensus(long frames);
  // Lists what `game` holds now.
  void take(Game& game);

  const Ship* ship = nullptr;
  bool shipAlive = false;
  int booms = 0;
  int timer = 0;
  std::vector<const Bullet*> bullets;
  std::vector<int> framesLeft;  // of each bullet
  std::vector<const Rock*> rocks;
  std::vector<RockKind> kinds;  // of each rock
  int deadBullets = 0;          // listed, yet not alive
  int deadRocks = 0;
};

// What happened in one frame; `problem` is empty when the frame is explained.
struct FrameReport {
  std::string problem;
  long bulletsHit = 0;   // bullets that left the world by hitting a rock
  long rocksBroken = 0;  // including fragments that broke in the frame they appeared
  bool shipLost = false;
};

// Explains `after` as one frame of `before` with `keys` pressed.
FrameReport compare(const WorldCensus& before, const WorldCensus& after, const Keys& keys);
