#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "container.h"

namespace {

// Everything from begin() to end(), in order.
template <class T>
std::vector<T> contents(Container<T>& c) {
  std::vector<T> seen;
  for (ContainerIterator<T> it = c.begin(); it != c.end(); ++it) seen.push_back(*it);
  return seen;
}

// Runs f and returns the message it throws, or "" when it throws nothing.
template <class F>
std::string thrownMessage(F f) {
  try {
    f();
  } catch (const char* message) {
    return message;
  }
  return "";
}

// Too big for any allocation: asking for even a few makes new fail.
struct Huge {
  char bytes[size_t(1) << 40];
};

}  // namespace

TEST(Container, ZeroCapacityIsEmptyAndRefusesTheFirstInsert) {
  Container<int> c(0);
  EXPECT_EQ(c.size(), 0);
  EXPECT_TRUE(c.empty());
  EXPECT_FALSE(c.begin() != c.end());
  EXPECT_EQ(thrownMessage([&] { c.insert(7); }), "ERROR: Insufficient space");
  EXPECT_EQ(c.size(), 0);
  EXPECT_FALSE(c.begin() != c.end());
}

TEST(Container, FullContainerRefusesAnInsertAndKeepsItsElements) {
  Container<int> c(3);
  c.insert(4);
  c.insert(-5);
  c.insert(6);
  EXPECT_EQ(thrownMessage([&] { c.insert(8); }), "ERROR: Insufficient space");
  EXPECT_EQ(c.size(), 3);
  EXPECT_FALSE(c.empty());
  EXPECT_EQ(contents(c), (std::vector<int>{4, -5, 6}));
}

TEST(Container, FreshSlotsHoldZeroBeforeAnythingIsInserted) {
  Container<int> c(3);
  EXPECT_EQ(c.size(), 0);
  EXPECT_TRUE(c.empty());
  // end() of an empty container is slot 0; step over the unused slots by hand.
  ContainerIterator<int> it = c.begin();
  for (int slot = 0; slot < 3; ++slot, ++it) EXPECT_EQ(*it, 0) << "slot " << slot;
}

TEST(Container, IterationVisitsOnlyInsertedElementsInOrder) {
  Container<std::string> c(4);
  c.insert("first");
  c.insert("second");
  EXPECT_EQ(c.size(), 2);
  EXPECT_EQ(contents(c), (std::vector<std::string>{"first", "second"}));
}

TEST(Container, WritingThroughTheIteratorChangesTheElement) {
  Container<int> c(3);
  c.insert(1);
  c.insert(2);
  for (ContainerIterator<int> it = c.begin(); it != c.end(); ++it) *it *= 10;
  EXPECT_EQ(contents(c), (std::vector<int>{10, 20}));
}

TEST(Container, InsertStoresACopy) {
  Container<std::string> c(1);
  std::string word = "kept";
  c.insert(word);
  word = "changed";
  EXPECT_EQ(*c.begin(), "kept");
}

TEST(Container, FailedAllocationIsReportedAsAMessage) {
  EXPECT_EQ(thrownMessage([] { Container<Huge> c(INT_MAX); }),
            "ERROR: Unable to allocate buffer");
}

TEST(Container, CannotBeCopiedSoNoTwoShareAnArray) {
  EXPECT_FALSE(std::is_copy_constructible<Container<int>>::value);
  EXPECT_FALSE(std::is_copy_assignable<Container<int>>::value);
}

TEST(ContainerDeathTest, NegativeCapacityStopsOnTheAssertion) {
  EXPECT_DEATH(Container<int> c(-1), "container\\.h.*capacity >= 0");
}
