// Student: one entry of a course roster, an id number and a name.
#pragma once

#include <string>

class Student {
 public:
  void setId(int id) { this->id = id; }
  void setName(std::string name) { this->name = name; }
  int getId() const { return id; }
  std::string getName() const { return name; }

 private:
  int id = 0;  // 0 until setId; every student placed in a course has been given one
  std::string name;
};
