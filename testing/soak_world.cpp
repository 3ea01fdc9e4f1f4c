#include "soak_world.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "glrecord.h"
#include "heap_in_use.h"
#include "picture.h"
#include "soundrecord.h"

namespace {

constexpr long DEFAULT_FRAMES = 1000000;
constexpr unsigned DEFAULT_SEED = 7;
constexpr long HEAP_CHECK_EVERY = 5000;  // frames between readings of the heap
constexpr long WARM_UP_SHARE = 10;       // the first tenth of the run sets the ceiling
// How far above the warm-up's highest the heap may go: more objects at once
// than ever before, now and then. A leak of a byte a frame outgrows it
// within a tenth of the run.
constexpr long ALLOWANCE = 16 * 1024;
// How far from the start the heap may be once the world is gone: the
// picture and the stand-in's log keep the room they grew to.
constexpr long TEARDOWN_ALLOWANCE = 64 * 1024;

// A clock that is always a whole second late, so the shell never sleeps.
unsigned int hurriedTicks() {
  static unsigned int now = 0;
  return now += 1000000;
}

class RandomPlayer {
 public:
  RandomPlayer(const SoakPlan& plan, unsigned seed) : plan(plan), held(plan.keys.size()), dice(seed) {}

  // Presses and releases keys through the shell's key entry, as GLUT would.
  void play() {
    Interface ui;
    for (size_t i = 0; i < plan.keys.size(); i++) {
      const SoakKey& key = plan.keys[i];
      if (!std::bernoulli_distribution(key.odds)(dice)) continue;
      if (key.held) held[i] = !held[i];
      ui.keyEvent(key.code, key.held ? bool(held[i]) : true);
    }
  }

 private:
  const SoakPlan& plan;
  std::vector<char> held;
  std::mt19937 dice;
};

bool parse(int argc, char** argv, long& frames, unsigned& seed) {
  char* end = nullptr;
  if (argc > 1 && ((frames = std::strtol(argv[1], &end, 10)) <= 0 || *end)) return false;
  if (argc > 2) seed = unsigned(std::strtoul(argv[2], &end, 10));
  return argc <= 4;
}

// The shell as the program starts it, recording into `file` if one is given.
void startShell(const char* program, unsigned seed, const char* file) {
  std::string seedText = std::to_string(seed);
  std::vector<char*> line = {const_cast<char*>(program), const_cast<char*>("--seed"), seedText.data()};
  if (file) line.insert(line.end(), {const_cast<char*>("--record"), const_cast<char*>(file)});
  line.push_back(nullptr);
  Interface shell(int(line.size()) - 1, line.data(), program, Point(-200, 200), Point(200, -200));
}

std::string kilobytes(long bytes) { return std::to_string(bytes / 1024) + " KiB"; }

}  // namespace

int soakMain(int argc, char** argv, const SoakPlan& plan, Interface::CallBack callBack,
             void* (*make)(), void (*unmake)(void*)) {
  long frames = DEFAULT_FRAMES;
  unsigned seed = DEFAULT_SEED;
  if (!parse(argc, argv, frames, seed)) {
    std::fprintf(stderr, "usage: %s_soak [frames] [seed] [FILE]\n", plan.program);
    return 2;
  }
  startShell(plan.program, seed, argc > 3 ? argv[3] : nullptr);  // seeds rand()
  Interface::tickSource = hurriedTicks;
  setPictureOutput(false);  // the picture is kept and summed, as --verify does
  RandomPlayer player(plan, seed);
  Interface shell;

  const long before = heapInUse();
  void* world = make();
  shell.run(callBack, world);  // the stand-in's loop returns at once
  // At least ten readings, so that the first tenth has one.
  const long every = std::max(1L, std::min(HEAP_CHECK_EVERY, frames / WARM_UP_SHARE));
  long ceiling = 0, highest = 0;
  const std::clock_t start = std::clock();
  for (long frame = 1; frame <= frames; frame++) {
    glrecord::reset();
    soundrecord::reset();  // the stand-ins keep only this frame's calls and sounds
    player.play();
    drawCallback();
    if (frame % every && frame != frames) continue;
    const long heap = heapInUse();
    highest = std::max(highest, heap);
    if (frame <= frames / WARM_UP_SHARE) {
      ceiling = highest;
    } else if (plan.heapFlat && heap > ceiling + ALLOWANCE) {
      std::fprintf(stderr, "FAILED in frame %ld: heap in use is %s, the first tenth of the run "
                   "never passed %s\n", frame, kilobytes(heap).c_str(), kilobytes(ceiling).c_str());
      return 1;
    }
  }
  const double seconds = double(std::clock() - start) / CLOCKS_PER_SEC;
  unmake(world);
  glrecord::reset();
  soundrecord::reset();
  const long after = heapInUse();
  std::printf("%s soak: %ld frames, seed %u, %.1f s of processor time; heap at most %ld bytes "
              "(first tenth %ld), %ld bytes from the start once the world is gone\n",
              plan.program, frames, seed, seconds, highest, ceiling, after - before);
  if (std::labs(after - before) > TEARDOWN_ALLOWANCE) {
    std::fprintf(stderr, "FAILED: the world left %ld bytes behind\n", after - before);
    return 1;
  }
  return 0;
}
