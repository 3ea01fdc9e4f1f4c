// Container: a fixed-capacity container of T, filled from the front by insert
// and walked from begin() to end() with a pointer-like ContainerIterator.
// It never grows. Failures are thrown as a const char* beginning "ERROR: ".
// A container owns its array and cannot be copied or assigned, so no two
// containers ever share one.
#pragma once

#include <cassert>
#include <new>

template <class T>
class ContainerIterator {
 public:
  ContainerIterator(T* p) : p(p) {}

  bool operator!=(const ContainerIterator& rhs) const { return p != rhs.p; }
  ContainerIterator& operator++() {  // prefix: the next slot
    ++p;
    return *this;
  }
  T& operator*() { return *p; }  // the element itself, writable

 private:
  T* p;
};

template <class T>
class Container {
 public:
  explicit Container(int capacity);  // empty, room for capacity (>= 0) elements
  ~Container();
  Container(const Container&) = delete;
  Container& operator=(const Container&) = delete;

  void insert(const T& t);  // a copy of t behind the last element; throws when full

  int size() const { return numItems; }
  bool empty() const { return numItems == 0; }
  ContainerIterator<T> begin() { return ContainerIterator<T>(buffer); }
  ContainerIterator<T> end() { return ContainerIterator<T>(buffer + numItems); }

 private:
  T* buffer;     // capacity slots, null when the capacity is 0
  int numItems;  // elements inserted so far, in slots 0 to numItems - 1
  int capacity;  // slots in buffer
};

template <class T>
Container<T>::Container(int capacity) {
  assert(capacity >= 0);
  numItems = 0;
  this->capacity = 0;
  buffer = nullptr;
  if (capacity == 0) return;

  try {
    buffer = new T[capacity];
  } catch (const std::bad_alloc&) {
    throw "ERROR: Unable to allocate buffer";
  }
  this->capacity = capacity;
  for (int i = 0; i < capacity; i++) buffer[i] = T();
}

template <class T>
Container<T>::~Container() {
  if (capacity != 0 && buffer != nullptr) delete[] buffer;
}

template <class T>
void Container<T>::insert(const T& t) {
  if (capacity == 0 || numItems == capacity) throw "ERROR: Insufficient space";
  buffer[numItems] = t;
  numItems++;
}
