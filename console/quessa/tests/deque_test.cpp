#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <new>
#include <random>
#include <string>
#include <utility>

#include "deque.h"

// Reads the ring's bookkeeping, which the deque shows to no one else.
template <typename T>
struct DequeAccess {
  static int32_t capacity(const Deque<T>& d) { return d.capacity; }
  static int32_t frontIndex(const Deque<T>& d) { return d.frontIndex; }
  static int32_t backIndex(const Deque<T>& d) { return d.backIndex; }
  static int32_t size(const Deque<T>& d) { return d.numItems; }
  static const T* buffer(const Deque<T>& d) { return d.buffer; }
};

namespace {

const std::string EMPTY_FRONT = "ERROR: unable to access data from an empty deque";
const std::string EMPTY_POP = "ERROR: unable to pop from the front of empty deque";
const std::string NO_BUFFER = "ERROR: Unable to allocate a new buffer for deque";

using Ints = DequeAccess<int>;

// The message a call throws, or "" when it throws nothing.
template <typename Call>
std::string messageOf(Call call) {
  try {
    call();
  } catch (const char* message) {
    return message;
  }
  return "";
}

// Pops everything, front first.
template <typename T>
std::deque<T> drain(Deque<T> d) {
  std::deque<T> out;
  while (!d.empty()) {
    out.push_back(d.front());
    d.pop_front();
  }
  return out;
}

void expectRing(const Deque<int>& d, int32_t capacity, int32_t front, int32_t back) {
  EXPECT_EQ(Ints::capacity(d), capacity);
  EXPECT_EQ(Ints::frontIndex(d), front);
  EXPECT_EQ(Ints::backIndex(d), back);
}

// Checks the ring invariants, and that the storage is the smallest power of two
// that held the largest number of elements seen (none before any insertion).
template <typename T>
void expectConsistent(const Deque<T>& d, size_t size, size_t peak) {
  using A = DequeAccess<T>;
  ASSERT_EQ(A::size(d), static_cast<int32_t>(size));
  size_t capacity = peak == 0 ? 0 : 1;  // no storage before the first insertion
  while (capacity < peak) capacity *= 2;
  ASSERT_EQ(A::capacity(d), static_cast<int32_t>(capacity));
  if (size == 0) {
    ASSERT_EQ(A::frontIndex(d), 0);
    ASSERT_EQ(A::backIndex(d), 0);
  } else {
    ASSERT_EQ(A::backIndex(d), (A::frontIndex(d) + A::size(d) - 1) % A::capacity(d));
  }
}

// Runs a seeded random mix of the four operations against std::deque.
template <typename T, typename Make>
void compareWithModel(unsigned seed, int steps, Make make) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> pick(0, 99);
  Deque<T> d;
  std::deque<T> model;
  size_t peak = 0;
  for (int step = 0; step < steps; ++step) {
    // Phases that mostly grow alternate with phases that mostly drain.
    int pushes = (step / 2000) % 2 == 0 ? 60 : 30;
    int what = pick(random);
    T value = make(random);
    if (what < pushes * 3 / 5) {
      d.push_back(value);
      model.push_back(value);
    } else if (what < pushes) {
      d.push_front(value);
      model.push_front(value);
    } else if (what < 95) {
      if (model.empty()) {
        ASSERT_EQ(messageOf([&] { d.pop_front(); }), EMPTY_POP);
      } else {
        d.pop_front();
        model.pop_front();
      }
    } else if (!model.empty()) {
      d.front() = value;  // writes through the reference
      model.front() = value;
    }
    peak = std::max(peak, model.size());
    ASSERT_EQ(d.empty(), model.empty());
    if (!model.empty()) {
      ASSERT_EQ(d.front(), model.front());
    }
    expectConsistent(d, model.size(), peak);
    if (step % 997 == 0) {
      ASSERT_EQ(drain(d), model) << "seed " << seed << " step " << step;
    }
  }
  ASSERT_EQ(drain(d), model);
}

TEST(DequeModel, IntsFollowStdDequeOverLongRandomSequences) {
  for (unsigned seed : {1u, 2u, 3u, 42u, 2024u}) {
    compareWithModel<int>(seed, 50000, [](std::mt19937& r) { return static_cast<int>(r()); });
  }
}

TEST(DequeModel, StringsFollowStdDequeOverLongRandomSequences) {
  for (unsigned seed : {7u, 8u, 99u}) {
    compareWithModel<std::string>(seed, 20000, [](std::mt19937& r) {
      return std::string(r() % 40, static_cast<char>('a' + r() % 26));  // short and heap-held
    });
  }
}

TEST(DequeEmpty, FrontAndPopThrowTheirMessagesAndChangeNothing) {
  Deque<int> d;
  EXPECT_TRUE(d.empty());
  EXPECT_EQ(messageOf([&] { d.front(); }), EMPTY_FRONT);
  EXPECT_EQ(messageOf([&] { d.pop_front(); }), EMPTY_POP);
  EXPECT_TRUE(d.empty());
  expectRing(d, 0, 0, 0);
  EXPECT_EQ(Ints::buffer(d), nullptr);
}

TEST(DequeGrowth, FirstInsertionAtEitherEndTakesOneSlot) {
  Deque<int> back, front;
  back.push_back(5);
  front.push_front(6);
  expectRing(back, 1, 0, 0);
  expectRing(front, 1, 0, 0);
  EXPECT_EQ(back.front(), 5);
  EXPECT_EQ(front.front(), 6);
}

TEST(DequeGrowth, PushFrontAfterGrowthWrapsToTheLastSlot) {
  Deque<int> d;
  d.push_back(1);  // a
  d.push_back(2);  // b: grows to 2
  expectRing(d, 2, 0, 1);
  d.push_front(3);  // c: grows to 4, then goes to slot 3
  expectRing(d, 4, 3, 1);
  EXPECT_EQ(drain(d), (std::deque<int>{3, 1, 2}));
}

// Capacity 4 with a, b, c, d in slots 2, 3, 0, 1.
Deque<int> wrappedFull() {
  Deque<int> d;
  for (int v : {0, 0, 1, 2}) d.push_back(v);
  d.pop_front();
  d.pop_front();
  d.push_back(3);  // the back index wraps from 3 to 0
  expectRing(d, 4, 2, 0);
  d.push_back(4);
  expectRing(d, 4, 2, 1);
  return d;
}

TEST(DequeGrowth, WrappedElementsAreUnwrappedThenPushBackTakesTheNextSlot) {
  Deque<int> d = wrappedFull();
  d.push_back(5);
  expectRing(d, 8, 0, 4);
  EXPECT_EQ(drain(d), (std::deque<int>{1, 2, 3, 4, 5}));
}

TEST(DequeGrowth, WrappedElementsAreUnwrappedThenPushFrontTakesTheLastSlot) {
  Deque<int> d = wrappedFull();
  d.push_front(9);
  expectRing(d, 8, 7, 3);
  EXPECT_EQ(drain(d), (std::deque<int>{9, 1, 2, 3, 4}));
}

TEST(DequePop, PoppingTheLastElementResetsTheIndicesAndKeepsTheStorage) {
  Deque<int> d;
  for (int v : {1, 2, 3}) d.push_back(v);
  for (int i = 0; i < 3; ++i) d.pop_front();
  expectRing(d, 4, 0, 0);
  d.push_front(7);
  expectRing(d, 4, 0, 0);
  EXPECT_EQ(d.front(), 7);
}

TEST(DequePop, APoppedElementStaysInItsSlotButIsNoLongerCounted) {
  Deque<int> d;
  d.push_back(1);
  d.push_back(2);
  d.pop_front();
  EXPECT_EQ(Ints::buffer(d)[0], 1);
  EXPECT_EQ(Ints::size(d), 1);
  EXPECT_EQ(d.front(), 2);
}

// An element whose default constructor fails once its budget is spent, and
// which a move leaves visibly emptied.
struct Scarce {
  static int budget;
  int value = 0;
  Scarce() {
    if (budget-- <= 0) throw std::bad_alloc();
  }
  Scarce(int v) : value(v) {}
  Scarce(const Scarce&) = default;
  Scarce& operator=(const Scarce&) = default;
  Scarce& operator=(Scarce&& other) noexcept {
    value = std::exchange(other.value, -1);
    return *this;
  }
  bool operator==(const Scarce& other) const { return value == other.value; }
};
int Scarce::budget = 0;

TEST(DequeAllocation, AFailedFirstAllocationLeavesNoStorage) {
  Deque<Scarce> d;
  Scarce::budget = 0;
  EXPECT_EQ(messageOf([&] { d.push_back(Scarce(1)); }), NO_BUFFER);
  EXPECT_TRUE(d.empty());
  EXPECT_EQ(DequeAccess<Scarce>::capacity(d), 0);
  EXPECT_EQ(DequeAccess<Scarce>::buffer(d), nullptr);
  Scarce::budget = 1;
  d.push_front(Scarce(2));
  EXPECT_EQ(d.front().value, 2);
}

// Fails the growth at every construction it makes, until the budget suffices.
TEST(DequeAllocation, AFailedGrowthAtAnyPointLeavesTheDequeAsItWas) {
  using A = DequeAccess<Scarce>;
  for (int budget = 0;; ++budget) {
    Scarce::budget = 100;
    Deque<Scarce> d;
    for (int v : {0, 1, 2, 3}) d.push_back(Scarce(v));
    d.pop_front();
    d.push_back(Scarce(4));  // full, wrapped: 1, 2, 3, 4 in slots 1, 2, 3, 0
    const Scarce* before = A::buffer(d);
    Scarce::budget = budget;
    std::string message = messageOf([&] { d.push_front(Scarce(9)); });
    Scarce::budget = 100;
    if (message.empty()) {
      EXPECT_GE(budget, 8);  // the new array alone needs 8 elements
      EXPECT_EQ(drain(d), (std::deque<Scarce>{9, 1, 2, 3, 4}));
      break;
    }
    EXPECT_EQ(message, NO_BUFFER);
    EXPECT_EQ(A::buffer(d), before);
    EXPECT_EQ(A::capacity(d), 4);
    EXPECT_EQ(A::frontIndex(d), 1);
    EXPECT_EQ(A::backIndex(d), 0);
    EXPECT_EQ(drain(d), (std::deque<Scarce>{1, 2, 3, 4})) << budget;
  }
}

TEST(DequeCopy, CopiesAreDeepAndIndependent) {
  Deque<std::string> original;
  for (const char* s : {"x", "a", "b", "c"}) original.push_back(s);
  original.pop_front();
  Deque<std::string> copied(original);
  Deque<std::string> assigned;
  assigned.push_back("old");
  assigned = original;
  using A = DequeAccess<std::string>;
  EXPECT_NE(A::buffer(copied), A::buffer(original));
  EXPECT_NE(A::buffer(assigned), A::buffer(original));
  original.front() = "changed";
  original.push_front("new");
  EXPECT_EQ(drain(copied), (std::deque<std::string>{"a", "b", "c"}));
  EXPECT_EQ(drain(assigned), (std::deque<std::string>{"a", "b", "c"}));
  assigned = assigned;
  EXPECT_EQ(drain(assigned), (std::deque<std::string>{"a", "b", "c"}));
}

TEST(DequeCopy, AMoveTakesTheArrayAndLeavesTheSourceEmpty) {
  Deque<int> source;
  source.push_back(1);
  source.push_back(2);
  const int* array = Ints::buffer(source);
  Deque<int> moved(std::move(source));
  EXPECT_EQ(Ints::buffer(moved), array);
  EXPECT_TRUE(source.empty());
  source.push_back(3);  // a moved-from deque is usable again
  moved = std::move(source);
  EXPECT_EQ(drain(moved), (std::deque<int>{3}));
}

}  // namespace
