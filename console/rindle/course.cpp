#include "course.h"

#include <cassert>
#include <iostream>

Course::Course(int size) {
  assert(size >= 0);
  setSize(size);
  students = new Student[size];
}

Course::Course(const Course& other) {
  size = other.size;
  students = new Student[size];
  setName(other.getName());
  for (int i = 0; i < size; i++) students[i] = other.students[i];
}

// Builds the new array completely before giving up the old one, so that a
// failed allocation or self-assignment leaves the course as it was.
Course& Course::operator=(const Course& other) {
  if (this == &other) return *this;
  Student* copied = new Student[other.size];
  for (int i = 0; i < other.size; i++) copied[i] = other.students[i];
  delete[] students;
  students = copied;
  size = other.size;
  setName(other.getName());
  return *this;
}

Course::~Course() {
  delete[] students;
  std::cout << "Cleaning up course " << name << std::endl;
}

void Course::setStudent(int index, const Student& student) {
  if (index < 0 || index >= size) return;
  students[index] = student;
}

Student Course::getStudent(int index) const {
  assert(index >= 0 && index < size);
  return students[index];
}

void Course::displayList() const {
  for (int i = 0; i < size; i++)
    std::cout << "\tid " << students[i].getId() << ": " << students[i].getName() << std::endl;
}
