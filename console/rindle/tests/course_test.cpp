#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>

#include "course.h"

namespace {

// Collects what is written to standard output while it lives.
class CapturedOutput {
 public:
  CapturedOutput() : saved(std::cout.rdbuf(text.rdbuf())) {}
  ~CapturedOutput() { std::cout.rdbuf(saved); }
  std::string str() const { return text.str(); }

 private:
  std::ostringstream text;
  std::streambuf* saved;
};

Student makeStudent(int id, const std::string& name) {
  Student s;
  s.setId(id);
  s.setName(name);
  return s;
}

// A course named `name` holding students with ids 1, 2, ... named after them.
Course makeCourse(const std::string& name, int size) {
  Course c(size);
  c.setName(name);
  for (int i = 0; i < size; i++) c.setStudent(i, makeStudent(i + 1, "s" + std::to_string(i + 1)));
  return c;
}

}  // namespace

// Every course announces its own destruction; silence that here.
class CourseTest : public ::testing::Test {
 protected:
  CapturedOutput quiet;
};

TEST_F(CourseTest, CopyHasTheSameNameAndStudents) {
  Course original = makeCourse("math", 3);
  Course copy(original);
  EXPECT_EQ(copy.getName(), "math");
  ASSERT_EQ(copy.getSize(), 3);
  for (int i = 0; i < 3; i++) {
    EXPECT_EQ(copy.getStudent(i).getId(), i + 1);
    EXPECT_EQ(copy.getStudent(i).getName(), "s" + std::to_string(i + 1));
  }
}

TEST_F(CourseTest, ChangingACopyLeavesTheOriginalAlone) {
  Course original = makeCourse("math", 2);
  {
    Course copy(original);
    copy.setStudent(0, makeStudent(-2, "Brother Mekso"));
    EXPECT_EQ(copy.getStudent(0).getName(), "Brother Mekso");
  }
  EXPECT_EQ(original.getStudent(0).getId(), 1);
  EXPECT_EQ(original.getStudent(0).getName(), "s1");
}

TEST_F(CourseTest, ChangingTheOriginalLeavesACopyAlone) {
  Course original = makeCourse("math", 2);
  Course copy(original);
  original.setStudent(1, makeStudent(-1, "Brother Dorvik"));
  EXPECT_EQ(copy.getStudent(1).getName(), "s2");
}

TEST_F(CourseTest, AssignmentCopiesNameSizeAndStudents) {
  Course target = makeCourse("art", 1);
  Course source = makeCourse("math", 3);
  target = source;
  EXPECT_EQ(target.getName(), "math");
  ASSERT_EQ(target.getSize(), 3);
  EXPECT_EQ(target.getStudent(2).getName(), "s3");
}

TEST_F(CourseTest, AssignedCoursesStayIndependentEvenAfterTheSourceIsGone) {
  Course target = makeCourse("art", 1);
  {
    Course source = makeCourse("math", 2);
    target = source;
    source.setStudent(0, makeStudent(-1, "Brother Dorvik"));
    target.setStudent(1, makeStudent(-2, "Brother Mekso"));
    EXPECT_EQ(source.getStudent(1).getName(), "s2");
  }
  EXPECT_EQ(target.getStudent(0).getName(), "s1");
  EXPECT_EQ(target.getStudent(1).getName(), "Brother Mekso");
}

TEST_F(CourseTest, SelfAssignmentKeepsTheStudents) {
  Course course = makeCourse("math", 2);
  Course& same = course;
  course = same;
  EXPECT_EQ(course.getSize(), 2);
  EXPECT_EQ(course.getStudent(1).getName(), "s2");
}

TEST_F(CourseTest, SetStudentOutsideTheArrayIsIgnored) {
  Course empty(0);
  empty.setStudent(0, makeStudent(-1, "Brother Dorvik"));
  EXPECT_EQ(empty.getSize(), 0);

  Course two = makeCourse("math", 2);
  two.setStudent(2, makeStudent(-1, "x"));
  two.setStudent(-1, makeStudent(-1, "x"));
  EXPECT_EQ(two.getStudent(0).getName(), "s1");
  EXPECT_EQ(two.getStudent(1).getName(), "s2");
}

TEST(Course, DisplayListWritesOneLinePerStudentWithIdAndName) {
  CapturedOutput out;
  Course course = makeCourse("math", 2);
  course.setStudent(1, makeStudent(-1, "Brother Dorvik"));
  course.displayList();
  EXPECT_EQ(out.str(), "\tid 1: s1\n\tid -1: Brother Dorvik\n");
}

TEST(Course, DestructionAnnouncesTheCourseName) {
  CapturedOutput out;
  { Course course = makeCourse("math", 1); }
  EXPECT_EQ(out.str(), "Cleaning up course math\n");
}
