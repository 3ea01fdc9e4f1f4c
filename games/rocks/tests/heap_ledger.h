// Heap in use, and how much of it the live objects of a world account for.
//
// The ledger measures what one listed rock, one listed bullet and the ship
// cost on the heap (object and list entry), then compares heap in use with
// what the census of a world explains, plus the recording stand-in's log.
// Anything left over beyond a small allowance is memory the world lost track of.
#pragma once

#include <string>

#include "heap_in_use.h"
#include "world_census.h"

class HeapLedger {
 public:
  // Measures the objects' costs, then takes heap in use now as the baseline.
  HeapLedger();
  // Empty when heap in use is what `world`'s objects explain; the first
  // problem otherwise.
  std::string check(const WorldCensus& world);
  // Empty when, with no world left, heap in use is back at the baseline.
  std::string checkEmpty();
  // Prints the costs and the largest figures seen.
  void print() const;

 private:
  std::string compareWith(long explained);

  long rockBytes = 0;
  long bulletBytes = 0;
  long shipBytes = 0;
  long baseline = 0;
  long largestHeap = 0;
  long largestUnexplained = 0;
  long lastUnexplained = 0;
  int checks = 0;
};
