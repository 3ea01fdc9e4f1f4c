// A long run of the shooter's world with no window: seeded random keys, the
// shell's own frame callback, every frame drawn into the recording GL stand-in.
//
// After every frame it checks that the world lost nothing and invented
// nothing: the ship is the same ship, every bullet and rock still listed is
// alive, and every rock that left the list was broken by a bullet or the ship
// and left exactly its fragments behind. Every few thousand frames it checks
// that heap in use, less what the live objects account for, has not grown.
//
//   rocks_soak [frames] [seed] [frames after a loss]
//
// Without the third argument one world lasts the whole run, as in the
// program, and once its ship is lost the rocks pile up. With it, a fresh
// world starts that many frames after each ship is lost, so bullets keep
// flying all run long and every world's teardown (often with bullets still in
// flight) is checked too. Exit status 0 when every check held, 1 with the
// first failure.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "game_probe.h"
#include "glrecord.h"
#include "heap_ledger.h"
#include "soundrecord.h"
#include "world_census.h"

namespace {

constexpr long DEFAULT_FRAMES = 1000000;
constexpr unsigned DEFAULT_SEED = 7;
constexpr long HEAP_CHECK_EVERY = 5000;  // frames between heap checks
const Point TOP_LEFT(-200, 200);
const Point BOTTOM_RIGHT(200, -200);

// Odds, per frame, that the player changes an arrow key or presses a one-shot key.
constexpr double ARROW_TOGGLE_ODDS = 0.05;
constexpr double SPACE_ODDS = 0.15;
constexpr double BOOM_ODDS = 0.002;

// A clock that is always a whole second late, so the shell never sleeps.
unsigned int hurriedTicks() {
  static unsigned int now = 0;
  return now += 1000000;
}

// Presses and releases keys at random, the way GLUT would report them.
class RandomPlayer {
 public:
  explicit RandomPlayer(unsigned seed) : dice(seed) {}

  // Sets the shell's key state for the next frame and returns what was pressed.
  Keys press() {
    for (int* held : {&Interface::isLeftPress, &Interface::isRightPress, &Interface::isUpPress})
      if (chance(ARROW_TOGGLE_ODDS)) *held = *held ? 0 : 1;  // a key goes down as 1
    Keys keys;
    keys.space = Interface::isSpacePress = chance(SPACE_ODDS);
    keys.boom = Interface::isBPress = chance(BOOM_ODDS);
    return keys;
  }

 private:
  bool chance(double odds) { return std::bernoulli_distribution(odds)(dice); }
  std::mt19937 dice;
};

struct SoakOptions {
  long frames = DEFAULT_FRAMES;
  unsigned seed = DEFAULT_SEED;
  long framesAfterLoss = -1;  // no fresh worlds
};

bool parse(int argc, char** argv, SoakOptions& options) {
  char* end = nullptr;
  if (argc > 1 && ((options.frames = std::strtol(argv[1], &end, 10)) <= 0 || *end)) return false;
  if (argc > 2) options.seed = unsigned(std::strtoul(argv[2], &end, 10));
  if (argc > 3 && ((options.framesAfterLoss = std::strtol(argv[3], &end, 10)) < 0 || *end))
    return false;
  return argc <= 4;
}

struct Totals {
  long worlds = 0;
  long bulletHits = 0;
  long rocksBroken = 0;
  long shipsLost = 0;
  size_t mostRocks = 0;
  size_t mostBullets = 0;
};

// The run: worlds one after another, frame by frame, every frame checked.
class Soak {
 public:
  explicit Soak(const SoakOptions& options)
      : options(options), player(options.seed), before(options.frames), after(options.frames) {
    srand(options.seed);
  }

  // Plays every frame; the first problem found, or empty.
  std::string run(Interface& shell) {
    while (frame < options.frames) {
      Game game(TOP_LEFT, BOTTOM_RIGHT);
      totals.worlds++;
      shell.run(callBack, &game);  // the stand-in's loop returns at once
      const std::string problem = play(game);
      if (!problem.empty()) return problem;
    }
    glrecord::reset();
    return ledger.checkEmpty();
  }

  void print(double seconds) const {
    std::printf("soak: %ld frames in %ld world(s), %.1f s of processor time (%.1f us a frame)\n",
                frame, totals.worlds, seconds, seconds * 1e6 / double(frame));
    std::printf("soak: %ld rocks broken (%ld by bullets), %ld ship(s) lost; at most %zu rocks "
                "and %zu bullets at once\n",
                totals.rocksBroken, totals.bulletHits, totals.shipsLost, totals.mostRocks,
                totals.mostBullets);
    ledger.print();
  }

  long frame = 0;

 private:
  // Plays `game` until the run ends or, with fresh worlds, until its ship
  // has been lost for long enough.
  std::string play(Game& game) {
    before.take(game);
    for (long sinceLoss = 0; frame < options.frames; frame++) {
      if (!before.shipAlive && options.framesAfterLoss >= 0 && sinceLoss++ == options.framesAfterLoss)
        return "";
      std::string problem = playFrame(game);
      if (problem.empty() && ((frame + 1) % HEAP_CHECK_EVERY == 0 || frame + 1 == options.frames)) {
        glrecord::reset();
        problem = ledger.check(before);
      }
      if (!problem.empty()) return problem;
    }
    return "";
  }

  // One frame through the shell, then what changed.
  std::string playFrame(Game& game) {
    glrecord::reset();
    soundrecord::reset();
    const Keys keys = player.press();
    drawCallback();
    after.take(game);
    const FrameReport report = compare(before, after, keys);
    totals.bulletHits += report.bulletsHit;
    totals.rocksBroken += report.rocksBroken;
    totals.shipsLost += report.shipLost;
    totals.mostRocks = std::max(totals.mostRocks, after.rocks.size());
    totals.mostBullets = std::max(totals.mostBullets, after.bullets.size());
    std::swap(before, after);
    return report.problem;
  }

  const SoakOptions options;
  RandomPlayer player;
  WorldCensus before, after;
  HeapLedger ledger;  // the baseline: everything above, and no world yet
  Totals totals;
};

}  // namespace

int main(int argc, char** argv) {
  SoakOptions options;
  if (!parse(argc, argv, options)) {
    std::fprintf(stderr, "usage: rocks_soak [frames] [seed] [frames after a loss]\n");
    return 2;
  }
  std::printf("soak: %ld frames, seed %u, %s\n", options.frames, options.seed,
              options.framesAfterLoss < 0 ? "one world" : "fresh worlds");
  std::fflush(stdout);

  Interface shell(0, nullptr, "Rubblons", TOP_LEFT, BOTTOM_RIGHT);
  Interface::tickSource = hurriedTicks;
  Soak soak(options);
  const std::clock_t start = std::clock();
  const std::string problem = soak.run(shell);
  if (!problem.empty()) {
    std::fprintf(stderr, "FAILED in frame %ld: %s\n", soak.frame, problem.c_str());
    return 1;
  }
  soak.print(double(std::clock() - start) / CLOCKS_PER_SEC);
  return 0;
}
