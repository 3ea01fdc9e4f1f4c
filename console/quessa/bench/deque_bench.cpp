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

template <typename Q>
void drain(Q& q, int n) {
  for (int i = 0; i < n; ++i) {
    benchmark::DoNotOptimize(q.front());
    q.pop_front();
  }
}

// Fills with push_back, then empties with front and pop_front.
template <typename Q, typename T>
void fillThenDrainOnce(benchmark::State& state, int n, const T& item) {
  Q q;
  for (int i = 0; i < n; ++i) q.push_back(item);
  reportStorage(state, q, n);
  drain(q, n);
}

// Grows at both ends in turn, then empties from the front.
template <typename Q, typename T>
void alternateEndsOnce(benchmark::State& state, int n, const T& item) {
  Q q;
  for (int i = 0; i < n; ++i) {
    if (i & 1) q.push_front(item);
    else q.push_back(item);
  }
  reportStorage(state, q, n);
  drain(q, n);
}

// A short queue that stays short: each element in is followed by one out.
template <typename Q, typename T>
void steadyQueueOnce(benchmark::State& state, int n, const T& item) {
  Q q;
  q.push_back(item);
  for (int i = 0; i < n; ++i) {
    q.push_back(item);
    benchmark::DoNotOptimize(q.front());
    q.pop_front();
  }
  reportStorage(state, q, 2);
}

// One untimed pass first, so that every contender starts from a heap that
// has already served the pattern once, whatever ran before it.
#define PATTERN_BENCHMARK(name)                                     \
  template <typename Q, typename T>                                \
  void name(benchmark::State& state) {                             \
    const int n = static_cast<int>(state.range(0));                \
    const T item = sample<T>(n);                                   \
    name##Once<Q>(state, n, item);                                 \
    for (auto _ : state) name##Once<Q>(state, n, item);            \
    state.SetItemsProcessed(state.iterations() * n);               \
  }

PATTERN_BENCHMARK(fillThenDrain)
PATTERN_BENCHMARK(alternateEnds)
PATTERN_BENCHMARK(steadyQueue)

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
