// The cost of one world step (move, collide, clean up) with a given number
// of big rocks spread over the field and 41 shots in flight: one shot and a
// sonic-boom volley, 20 frames after firing, ringing the ship.
//
//   build/bin/rocks_bench
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <memory>

#include "game_probe.h"

namespace {

constexpr unsigned SEED = 2026;
constexpr int FRAMES_IN_FLIGHT = 20;

// A world with `rockCount` big rocks and 41 bullets, the same every time.
std::unique_ptr<Game> makeWorld(int rockCount) {
  srand(SEED);
  auto game = std::make_unique<Game>(Point(-200, 200), Point(200, -200));
  GameProbe::empty(*game);
  auto& rocks = GameProbe::rocks(*game);
  for (int i = 0; i < rockCount; i++) rocks.push_back(new BigRock(game->getRandomPoint()));
  auto& bullets = GameProbe::bullets(*game);
  bullets.push_back(new Bullet(GameProbe::ship(*game)));
  game->sonicBoom();
  for (int frame = 0; frame < FRAMES_IN_FLIGHT; frame++)
    for (Bullet* bullet : bullets) bullet->advance();
  return game;
}

void worldStep(benchmark::State& state) {
  const int rockCount = int(state.range(0));
  for (auto _ : state) {
    auto game = makeWorld(rockCount);  // a fresh world every time, not timed
    const auto start = std::chrono::steady_clock::now();
    game->advance();
    const auto end = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
  }
  state.SetComplexityN(rockCount);
}

}  // namespace

BENCHMARK(worldStep)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->UseManualTime()
    ->Unit(benchmark::kNanosecond)
    ->Complexity();

BENCHMARK_MAIN();
