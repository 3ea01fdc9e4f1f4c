// Deque<T>: a double-ended queue kept in one array used as a ring.
// Elements enter at either end and leave at the front. The array is made on
// the first insertion (one slot), doubles whenever an insertion finds it full
// and never shrinks. Failures throw a `const char *` message and leave the
// deque exactly as it was.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

template <typename T>
class Deque {
 public:
  Deque() = default;                         // empty, without storage
  ~Deque() { delete[] buffer; }              // frees the whole array
  Deque(const Deque& other);                 // deep copy: same slots, own array
  Deque& operator=(const Deque& other);      // deep copy; unchanged if it fails
  Deque(Deque&& other) noexcept;             // takes the other's array
  Deque& operator=(Deque&& other) noexcept;  // takes the other's array

  bool empty() const { return numItems == 0; }  // true when nothing is held
  void push_back(const T& t);                   // appends a copy of t
  void push_front(const T& t);                  // inserts a copy of t before the first
  T& front();                                   // the first element; throws when empty
  void pop_front();                             // removes the first; throws when empty
  void checkCapacity();                         // makes room for one more element
  void resetEmpty();                            // both indices to 0 when empty

 private:
  static constexpr const char* EMPTY_FRONT = "ERROR: unable to access data from an empty deque";
  static constexpr const char* EMPTY_POP = "ERROR: unable to pop from the front of empty deque";
  static constexpr const char* NO_BUFFER = "ERROR: Unable to allocate a new buffer for deque";
  static constexpr int32_t MAX_CAPACITY = INT32_MAX;

  // Capacity is always a power of two, so "mod capacity" is a mask.
  int32_t next(int32_t slot) const { return (slot + 1) & (capacity - 1); }
  int32_t previous(int32_t slot) const { return (slot - 1) & (capacity - 1); }
  [[gnu::noinline]] void grow();
  [[noreturn, gnu::noinline, gnu::cold]] static void fail(const char* message);
  static T* allocate(int32_t slots, int32_t held);
  static T* transfer(T* from, T* to, T* into);
  void swap(Deque& other) noexcept;

  template <typename U>
  friend struct DequeAccess;  // lets tests read the ring's bookkeeping

  T* buffer = nullptr;
  int32_t numItems = 0;
  int32_t capacity = 0;
  int32_t frontIndex = 0;
  int32_t backIndex = 0;
};

template <typename T>
Deque<T>::Deque(const Deque& other)
    : numItems(other.numItems), frontIndex(other.frontIndex), backIndex(other.backIndex) {
  if (other.capacity == 0) return;
  try {
    std::unique_ptr<T[]> copy(new T[other.capacity]);
    for (int32_t slot = 0; slot < other.capacity; ++slot) copy[slot] = other.buffer[slot];
    buffer = copy.release();
    capacity = other.capacity;
  } catch (const std::bad_alloc&) {
    throw NO_BUFFER;
  }
}

template <typename T>
Deque<T>& Deque<T>::operator=(const Deque& other) {
  if (this != &other) {
    Deque copy(other);
    swap(copy);
  }
  return *this;
}

template <typename T>
Deque<T>::Deque(Deque&& other) noexcept {
  swap(other);
}

template <typename T>
Deque<T>& Deque<T>::operator=(Deque&& other) noexcept {
  if (this != &other) {
    Deque taken(std::move(other));
    swap(taken);
  }
  return *this;
}

template <typename T>
void Deque<T>::swap(Deque& other) noexcept {
  std::swap(buffer, other.buffer);
  std::swap(numItems, other.numItems);
  std::swap(capacity, other.capacity);
  std::swap(frontIndex, other.frontIndex);
  std::swap(backIndex, other.backIndex);
}

template <typename T>
void Deque<T>::push_back(const T& t) {
  checkCapacity();
  int32_t slot = empty() ? backIndex : next(backIndex);
  buffer[slot] = t;  // if this throws, nothing has been counted or moved
  backIndex = slot;
  ++numItems;
}

template <typename T>
void Deque<T>::push_front(const T& t) {
  checkCapacity();
  int32_t slot = empty() ? frontIndex : previous(frontIndex);
  buffer[slot] = t;
  frontIndex = slot;
  ++numItems;
}

template <typename T>
T& Deque<T>::front() {
  if (empty()) fail(EMPTY_FRONT);
  return buffer[frontIndex];
}

template <typename T>
void Deque<T>::pop_front() {
  if (empty()) fail(EMPTY_POP);
  --numItems;
  frontIndex = next(frontIndex);
  resetEmpty();
}

template <typename T>
void Deque<T>::resetEmpty() {
  if (empty()) frontIndex = backIndex = 0;
}

// Full, or (0 == 0) without storage: only then is there work to do.
template <typename T>
void Deque<T>::checkCapacity() {
  if (numItems == capacity) grow();
}

template <typename T>
void Deque<T>::fail(const char* message) {
  throw message;
}

// Fresh slots must hold T(). Class types get that from value-initializing the
// whole array; other types are left uninitialized and assigned T() above the
// elements.
template <typename T>
T* Deque<T>::allocate(int32_t slots, int32_t held) {
  if constexpr (std::is_class<T>::value) {
    return new T[slots]();
  } else {
    T* array = new T[slots];
    std::fill(array + held, array + slots, T());
    return array;
  }
}

// Moves the elements of [from, to) into the slots at `into`, or copies them if
// a move could fail part-way and spoil the old array. Returns the slot after.
template <typename T>
T* Deque<T>::transfer(T* from, T* to, T* into) {
  if constexpr (std::is_nothrow_move_assignable<T>::value) {
    return std::move(from, to, into);
  } else {
    return std::copy(from, to, into);
  }
}

// Makes the first array of one slot, or doubles a full one with the elements
// unwrapped at its start. Nothing is changed until the new array is complete,
// and a std::bad_alloc becomes the deque's message.
template <typename T>
void Deque<T>::grow() {
  try {
    if (capacity > MAX_CAPACITY / 2) throw std::bad_alloc();
    int32_t larger = capacity == 0 ? 1 : 2 * capacity;
    std::unique_ptr<T[]> fresh(allocate(larger, numItems));
    // In queue order: the run from the front to the array's end, then the
    // wrapped run from slot 0.
    int32_t firstRun = std::min(numItems, capacity - frontIndex);
    T* rest = transfer(buffer + frontIndex, buffer + frontIndex + firstRun, fresh.get());
    transfer(buffer, buffer + (numItems - firstRun), rest);
    delete[] buffer;
    buffer = fresh.release();
    capacity = larger;
    frontIndex = 0;
    backIndex = numItems == 0 ? 0 : numItems - 1;
  } catch (const std::bad_alloc&) {
    throw NO_BUFFER;
  }
}
