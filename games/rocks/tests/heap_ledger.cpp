#include "heap_ledger.h"

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <list>
#include <type_traits>
#include <vector>

#include "glrecord.h"
#include "heap_in_use.h"
#include "picture.h"
#include "soundrecord.h"

namespace {

constexpr int SAMPLES = 10000;  // objects made to measure one object's cost
// How far heap in use may stray from what the ledger explains. The sanitizer
// counts the bytes asked for, so its figure is exact. The plain allocator
// rounds the log's one large block to pages and counts small blocks it holds
// for reuse as in use: a few kilobytes. A leak of a few bytes a frame outgrows
// either within a few thousand frames.
constexpr long EXACT_ALLOWANCE = 1024;
constexpr long ROUNDED_ALLOWANCE = 16 * 1024;
const long ALLOWANCE = heapCountIsExact() ? EXACT_ALLOWANCE : ROUNDED_ALLOWANCE;

// The heap cost of one object made by `make` and kept in `Kept` (a list like
// the world's, or a vector with room made beforehand: the object alone).
template <typename Kept, typename Make>
long costOfOne(Make make) {
  Kept kept;
  if constexpr (std::is_same_v<Kept, std::vector<typename Kept::value_type>>) kept.reserve(SAMPLES);
  const long start = heapInUse();
  for (int i = 0; i < SAMPLES; i++) kept.push_back(make());
  const long used = heapInUse() - start;
  for (auto* object : kept) delete object;
  return (used + SAMPLES / 2) / SAMPLES;
}

// The recorders' logs (the GL calls, the sounds started this frame and the
// loops on) and the kept picture of the last frame: all keep their storage as
// large as the largest frame drawn.
long logBytes() {
  return long(glrecord::calls().capacity() * sizeof(glrecord::Call) +
              (soundrecord::played().capacity() + soundrecord::loops().capacity()) * sizeof(Effect)) +
         pictureHeapBytes();
}

}  // namespace

HeapLedger::HeapLedger() {
  Ship launcher;
  rockBytes = costOfOne<std::list<Rock*>>([] { return new BigRock(Point(0, 0)); });
  bulletBytes = costOfOne<std::list<Bullet*>>([&launcher] { return new Bullet(launcher); });
  shipBytes = costOfOne<std::vector<Ship*>>([] { return new Ship(); });
  glrecord::reset();
  baseline = heapInUse() - logBytes();
}

std::string HeapLedger::compareWith(long explained) {
  const long heap = heapInUse();
  largestHeap = std::max(largestHeap, heap);
  lastUnexplained = heap - baseline - logBytes() - explained;
  if (std::labs(lastUnexplained) > std::labs(largestUnexplained)) largestUnexplained = lastUnexplained;
  checks++;
  if (std::labs(lastUnexplained) <= ALLOWANCE) return "";
  return "heap in use is " + std::to_string(heap) + " bytes, " + std::to_string(lastUnexplained) +
         " more than the baseline, the recorder's log and the live objects explain";
}

std::string HeapLedger::check(const WorldCensus& world) {
  return compareWith(shipBytes + rockBytes * long(world.rocks.size()) +
                     bulletBytes * long(world.bullets.size()));
}

std::string HeapLedger::checkEmpty() { return compareWith(0); }

void HeapLedger::print() const {
  std::printf("heap: a rock costs %ld bytes, a bullet %ld, the ship %ld; baseline %ld bytes\n",
              rockBytes, bulletBytes, shipBytes, baseline);
  std::printf("heap: %d checks, at most %ld bytes in use; unexplained at most %ld bytes, "
              "%ld at the end (allowance %ld)\n",
              checks, largestHeap, largestUnexplained, lastUnexplained, ALLOWANCE);
}
