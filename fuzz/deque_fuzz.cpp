// Differential fuzzer for Deque: the fuzzer's bytes are a sequence of
// operations, run on a Deque and on std::deque side by side. After every
// step the two must agree on emptiness and the front, the ring's bookkeeping
// must hold, and every so often a deep copy is drained and compared whole.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <deque>
#include <string>

#include "deque.h"
#include "fuzz_check.h"

template <typename U>
struct DequeAccess {
  static int32_t capacity(const Deque<U>& d) { return d.capacity; }
  static int32_t frontIndex(const Deque<U>& d) { return d.frontIndex; }
  static int32_t backIndex(const Deque<U>& d) { return d.backIndex; }
};

namespace {

constexpr int FULL_COMPARE_EVERY = 32;
constexpr size_t MAX_WORD = 24;

template <typename T>
T value(FuzzedDataProvider& data);

template <>
int value<int>(FuzzedDataProvider& data) {
  return data.ConsumeIntegral<int>();
}

template <>
std::string value<std::string>(FuzzedDataProvider& data) {
  return data.ConsumeRandomLengthString(MAX_WORD);
}

bool threw(const char* expected, void (*action)(void*), void* on) {
  try {
    action(on);
  } catch (const char* message) {
    return std::strcmp(message, expected) == 0;
  }
  return false;
}

template <typename T>
void checkBookkeeping(const Deque<T>& d, size_t held) {
  using A = DequeAccess<T>;
  const int32_t capacity = A::capacity(d), front = A::frontIndex(d), back = A::backIndex(d);
  fuzzCheck(held <= size_t(capacity), "no more elements than slots");
  fuzzCheck(capacity == 0 || (capacity & (capacity - 1)) == 0, "capacity is 0 or a power of two");
  if (held == 0) {
    fuzzCheck(front == 0 && back == 0, "an empty deque has both indices at 0");
  } else {
    fuzzCheck(back == (front + int32_t(held) - 1) % capacity, "back follows front by the count");
  }
}

// Drains a deep copy and compares it with the model, element by element.
template <typename T>
void compareWhole(const Deque<T>& d, const std::deque<T>& model) {
  Deque<T> copy(d);
  for (const T& expected : model) {
    fuzzCheck(!copy.empty(), "the copy holds every element");
    fuzzCheck(copy.front() == expected, "the copy holds the elements in order");
    copy.pop_front();
  }
  fuzzCheck(copy.empty(), "the copy holds nothing more");
}

template <typename T>
void run(FuzzedDataProvider& data) {
  Deque<T> d;
  std::deque<T> model;
  size_t largest = 0;
  for (int step = 1; data.remaining_bytes() > 0; step++) {
    switch (data.ConsumeIntegralInRange(0, 4)) {
      case 0: {
        T t = value<T>(data);
        d.push_back(t);
        model.push_back(t);
        break;
      }
      case 1: {
        T t = value<T>(data);
        d.push_front(t);
        model.push_front(t);
        break;
      }
      case 2:
        if (model.empty()) {
          fuzzCheck(threw("ERROR: unable to pop from the front of empty deque",
                          [](void* q) { static_cast<Deque<T>*>(q)->pop_front(); }, &d),
                    "popping an empty deque throws its message");
        } else {
          d.pop_front();
          model.pop_front();
        }
        break;
      case 3:
        if (model.empty()) {
          fuzzCheck(threw("ERROR: unable to access data from an empty deque",
                          [](void* q) { static_cast<Deque<T>*>(q)->front(); }, &d),
                    "the front of an empty deque throws its message");
        } else {
          T changed = value<T>(data);
          d.front() = changed;  // the front is writable in place
          model.front() = changed;
        }
        break;
      default: {
        Deque<T> assigned;
        assigned = d;
        d = std::move(assigned);  // a round trip through copy and move changes nothing
        break;
      }
    }
    largest = std::max(largest, model.size());
    fuzzCheck(d.empty() == model.empty(), "both agree on emptiness");
    if (!model.empty()) fuzzCheck(d.front() == model.front(), "both agree on the front");
    checkBookkeeping(d, model.size());
    fuzzCheck(size_t(DequeAccess<T>::capacity(d)) <= std::max<size_t>(1, 2 * largest),
              "storage stays within twice the most elements held");
    if (step % FULL_COMPARE_EVERY == 0) compareWhole(d, model);
  }
  compareWhole(d, model);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  if (data.ConsumeBool())
    run<int>(data);
  else
    run<std::string>(data);
  return 0;
}
