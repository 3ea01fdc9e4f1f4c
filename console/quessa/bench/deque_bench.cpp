// Deque against std::deque on three access patterns, for ints and requests.
// Run: build/bin/quessa_bench
// Each result also reports slots_per_element: the storage held after the
// pattern divided by the most elements held at once (std::deque reports 0).
#include <benchmark/benchmark.h>

#include <deque>

#include "deque.h"
#include "quessa.h"

template <typename U>
struct DequeAccess {
  static double capacity(const Deque<U>& d) { return d.capacity; }
};

namespace {

template <typename T>
T sample(int i);

template <>
int sample<int>(int i) {
  return i;
}

template <>
Request sample<Request>(int i) {
  return Request{"math", "Ann", i, (i & 1) != 0};
}

template <typename T>
void reportStorage(benchmark::State& state, const Deque<T>& d, double peak) {
  state.counters["slots_per_element"] = DequeAccess<T>::capacity(d) / peak;
}

template <typename T>
void reportStorage(benchmark::State&, const std::deque<T>&, double) {}

// Fills with push_back, then empties with front and pop_front.
template <typename Q, typename T>
void fillThenDrain(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const T item = sample<T>(n);
  for (auto _ : state) {
    Q q;
    for (int i = 0; i < n; ++i) q.push_back(item);
    reportStorage(state, q, n);
    for (int i = 0; i < n; ++i) {
      benchmark::DoNotOptimize(q.front());
      q.pop_front();
    }
  }
  state.SetItemsProcessed(state.iterations() * n);
}

// Grows at both ends in turn, then empties from the front.
template <typename Q, typename T>
void alternateEnds(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const T item = sample<T>(n);
  for (auto _ : state) {
    Q q;
    for (int i = 0; i < n; ++i) {
      if (i & 1) q.push_front(item);
      else q.push_back(item);
    }
    reportStorage(state, q, n);
    for (int i = 0; i < n; ++i) {
      benchmark::DoNotOptimize(q.front());
      q.pop_front();
    }
  }
  state.SetItemsProcessed(state.iterations() * n);
}

// A short queue that stays short: each element in is followed by one out.
template <typename Q, typename T>
void steadyQueue(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const T item = sample<T>(n);
  for (auto _ : state) {
    Q q;
    q.push_back(item);
    for (int i = 0; i < n; ++i) {
      q.push_back(item);
      benchmark::DoNotOptimize(q.front());
      q.pop_front();
    }
    reportStorage(state, q, 2);
  }
  state.SetItemsProcessed(state.iterations() * n);
}

#define PATTERN(name, T)                                                                       \
  BENCHMARK_TEMPLATE(name, Deque<T>, T)->Arg(1000)->Arg(100000)->Arg(10000000)->Unit(benchmark::kMicrosecond); \
  BENCHMARK_TEMPLATE(name, std::deque<T>, T)->Arg(1000)->Arg(100000)->Arg(10000000)->Unit(benchmark::kMicrosecond)

PATTERN(fillThenDrain, int);
PATTERN(fillThenDrain, Request);
PATTERN(alternateEnds, int);
PATTERN(alternateEnds, Request);
PATTERN(steadyQueue, int);
PATTERN(steadyQueue, Request);

}  // namespace

BENCHMARK_MAIN();
