#include "heap_ledger.h"

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <list>
#include <type_traits>
#include <vector>

#include "glrecord.h"
#include "picture.h"

#if defined(__SANITIZE_ADDRESS__)
#define SOAK_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SOAK_UNDER_ASAN 1
#endif
#endif

#ifdef SOAK_UNDER_ASAN
// The sanitizer runtime's own count of bytes handed out; declared here because
// the compiler does not always ship the runtime's headers.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
long heapInUse() { return long(__sanitizer_get_current_allocated_bytes()); }
#else
#include <malloc.h>
// Small blocks in use plus the large ones the allocator maps on their own.
long heapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return long(info.uordblks + info.hblkhd);
}
#endif

namespace {

constexpr int SAMPLES = 10000;  // objects made to measure one object's cost
// How far heap in use may stray from what the ledger explains. The sanitizer
// counts the bytes asked for, so its figure is exact. The plain allocator
// rounds the log's one large block to pages and counts small blocks it holds
// for reuse as in use: a few kilobytes. A leak of a few bytes a frame outgrows
// either within a few thousand frames.
#ifdef SOAK_UNDER_ASAN
constexpr long ALLOWANCE = 1024;
#else
constexpr long ALLOWANCE = 16 * 1024;
#endif

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

// The recorder's log, and the kept picture of the last frame: both keep
// their storage as large as the largest frame drawn.
long logBytes() {
  return long(glrecord::calls().capacity() * sizeof(glrecord::Call)) + pictureHeapBytes();
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
