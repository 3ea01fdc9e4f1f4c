// Differential fuzzer for Container: the fuzzer's bytes choose a capacity and
// a sequence of insertions and writes through the iterator, run on a
// Container and on a std::vector that refuses to grow past the capacity.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <vector>

#include "container.h"
#include "fuzz_check.h"

namespace {

constexpr int MAX_CAPACITY = 64;

void compare(Container<int>& c, const std::vector<int>& model) {
  fuzzCheck(c.size() == int(model.size()), "both hold as many elements");
  fuzzCheck(c.empty() == model.empty(), "both agree on emptiness");
  size_t i = 0;
  for (ContainerIterator<int> it = c.begin(); it != c.end(); ++it, ++i) {
    fuzzCheck(i < model.size(), "the walk stops after the last element");
    fuzzCheck(*it == model[i], "the walk visits the elements in order");
  }
  fuzzCheck(i == model.size(), "the walk visits every element");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  const int capacity = data.ConsumeIntegralInRange(0, MAX_CAPACITY);
  Container<int> c(capacity);
  std::vector<int> model;

  while (data.remaining_bytes() > 0) {
    if (data.ConsumeBool()) {
      const int v = data.ConsumeIntegral<int>();
      const bool full = int(model.size()) == capacity;
      try {
        c.insert(v);
        fuzzCheck(!full, "a full container refuses an insertion");
        model.push_back(v);
      } catch (const char* message) {
        fuzzCheck(full, "only a full container refuses an insertion");
        fuzzCheck(std::strcmp(message, "ERROR: Insufficient space") == 0, "with its message");
      }
    } else if (!model.empty()) {
      const size_t at = data.ConsumeIntegralInRange<size_t>(0, model.size() - 1);
      const int v = data.ConsumeIntegral<int>();
      ContainerIterator<int> it = c.begin();
      for (size_t i = 0; i < at; i++) ++it;
      *it = v;  // writing through the iterator changes the element
      model[at] = v;
    }
    compare(c, model);
  }
  return 0;
}
