// The cost of keeping a result: reading, merging and writing a full table
// under its lock (the file replaced whole, flushed to disk), side by side with
// plain rewrites of the same file. The files are made in a new folder under
// $TMPDIR (/tmp when unset): pass --benchmark_repetitions=N for medians.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "scores.h"

namespace {

// A new folder for the run, with a full table of SCORE_TABLE_SIZE results in it.
std::string fullTable() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/scores-bench-XXXXXX";
  if (!mkdtemp(pattern.data())) std::abort();
  const std::string path = pattern + "/gallery.scores";
  HighScores scores(path);
  for (unsigned i = 0; i < SCORE_TABLE_SIZE; i++) scores.add({int(100 + i), "2026-12-09 14:30", i});
  return path;
}

// A result that enters the table each time, so that every add writes it.
void readMergeWrite(benchmark::State& state) {
  const std::string path = fullTable();
  HighScores scores(path);
  int points = 1000;
  for (auto _ : state) benchmark::DoNotOptimize(scores.add({points++, "2026-12-09 14:30", 7}));
}

// The same text written over the file in place, flushed to disk when `flushed`.
void rewrite(benchmark::State& state, bool flushed) {
  const std::string path = fullTable();
  ScoreTable table;
  for (unsigned i = 0; i < SCORE_TABLE_SIZE; i++) table.add({int(100 + i), "2026-12-09 14:30", i});
  const std::string text = toText(table);
  for (auto _ : state) {
    const int fd = open(path.c_str(), O_WRONLY | O_TRUNC);
    if (write(fd, text.data(), text.size()) != ssize_t(text.size())) state.SkipWithError("write");
    if (flushed) fsync(fd);
    close(fd);
  }
}

void plainRewrite(benchmark::State& state) { rewrite(state, false); }
void plainRewriteFlushed(benchmark::State& state) { rewrite(state, true); }

}  // namespace

BENCHMARK(readMergeWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(plainRewrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(plainRewriteFlushed)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
