// rindle: reads a course and its students, then shows that copying a course,
// explicitly or by passing it by value, copies its students as well: a student
// placed into a copy never appears in the original. Each course announces its
// own clean-up. Input that cannot be read is refused with an error: whatever
// was built by then is cleaned up as usual and the program ends with status 1.
#include <cstdlib>
#include <iostream>
#include <string>

#include "course.h"

namespace {

const int MAX_STUDENTS = 10000;

// Thrown when the input is not what a prompt asked for; main reports it.
struct RefusedInput {
  std::string problem;
};

[[noreturn]] void refuse(const std::string& problem) { throw RefusedInput{problem}; }

// Reads the next word or number into value, or refuses the input, naming what was expected.
// The input has ended only when nothing but white space is left, so a number
// too big that runs up to the end of input is refused as a bad value.
template <class T>
void readOrRefuse(T& value, const std::string& expected) {
  if ((std::cin >> std::ws).eof()) refuse("input ended; expected " + expected);
  if (!(std::cin >> value)) refuse("expected " + expected);
}

int readStudentCount() {
  const std::string expected =
      "the number of students, a whole number from 0 to " + std::to_string(MAX_STUDENTS);
  int count;
  readOrRefuse(count, expected);
  if (count < 0 || count > MAX_STUDENTS) refuse("expected " + expected);
  return count;
}

}  // namespace

Course promptCourse() {
  std::string courseName;
  std::cout << "Enter the course name: ";
  readOrRefuse(courseName, "the course name");
  std::cout << "How many students are in the course: ";
  int count = readStudentCount();

  Course course(count);
  course.setName(courseName);
  for (int i = 0; i < count; i++) {
    const std::string number = "#" + std::to_string(i);
    int id;
    std::string name;
    std::cout << "Enter student id " << number << ": ";
    readOrRefuse(id, "student id " + number + ", a whole number");
    std::cout << "Enter student name " << number << ": ";
    readOrRefuse(name, "student name " + number);

    Student student;
    student.setId(id);
    student.setName(name);
    course.setStudent(i, student);
  }
  return course;
}

void changeAndDisplay(Course course) {
  std::cout << "In change and display function...\n";
  Student student;
  student.setId(-1);
  student.setName("Brother Dorvik");
  course.setStudent(0, student);
  std::cout << "Added Brother Dorvik to the list. He should be here:\n";
  course.displayList();
  std::cout << "Leaving function.\n";
}

int main() try {
  Course course = promptCourse();
  course.displayList();
  changeAndDisplay(course);
  std::cout << "Back in function. Brother Dorvik should not be in the list:\n";
  course.displayList();

  Course copy(course);
  Student student;
  student.setId(-2);
  student.setName("Brother Mekso");
  copy.setStudent(0, student);
  std::cout << "Just added Brother Mekso to a copy of the course.\n";
  std::cout << "He should be in this list:\n";
  copy.displayList();
  std::cout << "But not in this original list:\n";
  course.displayList();
  std::cout << "End of program.\n";
  return 0;
} catch (const RefusedInput& refused) {
  std::cerr << "ERROR: " << refused.problem << std::endl;
  return EXIT_FAILURE;
}
