// Course: a named course that owns an array of students, fixed in size when
// it is built. Copies and assignments copy the array, so no two courses share
// one. Destroying a course frees its array and announces
// "Cleaning up course <name>" on standard output.
#pragma once

#include <string>

#include "student.h"

class Course {
 public:
  explicit Course(int size);  // unnamed, room for size (>= 0) default students
  Course(const Course& other);
  Course& operator=(const Course& other);
  ~Course();

  std::string getName() const { return name; }
  void setName(std::string name) { this->name = name; }
  int getSize() const { return size; }
  void setSize(int size) { this->size = size; }  // the count only; the array stays

  void setStudent(int index, const Student& student);  // ignored outside 0 to size - 1
  Student getStudent(int index) const;                 // index must be 0 to size - 1
  void displayList() const;  // one line per student on standard output: id and name

 private:
  std::string name;
  int size;
  Student* students;
};
