#include <gtest/gtest.h>

#include <string>

#include "run_program.h"

namespace {

ProgramResult runRindle(const std::string& input) { return runProgram(RINDLE_PATH, input); }

int countOf(const std::string& text, const std::string& piece) {
  int n = 0;
  for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) n++;
  return n;
}

}  // namespace

TEST(Rindle, TwoStudentRunWritesEveryRowInOrder) {
  ProgramResult r = runRindle("math\n2\n11 ann\n12 bob\n");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "Enter the course name: "
            "How many students are in the course: "
            "Enter student id #0: Enter student name #0: "
            "Enter student id #1: Enter student name #1: "
            "\tid 11: ann\n\tid 12: bob\n"
            "In change and display function...\n"
            "Added Brother Dorvik to the list. He should be here:\n"
            "\tid -1: Brother Dorvik\n\tid 12: bob\n"
            "Leaving function.\n"
            "Cleaning up course math\n"
            "Back in function. Brother Dorvik should not be in the list:\n"
            "\tid 11: ann\n\tid 12: bob\n"
            "Just added Brother Mekso to a copy of the course.\n"
            "He should be in this list:\n"
            "\tid -2: Brother Mekso\n\tid 12: bob\n"
            "But not in this original list:\n"
            "\tid 11: ann\n\tid 12: bob\n"
            "End of program.\n"
            "Cleaning up course math\n"
            "Cleaning up course math\n");
}

TEST(Rindle, NoStudentsMeansNoStudentPromptsAndThreeCleanUps) {
  ProgramResult r = runRindle("art 0\n");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "Enter the course name: How many students are in the course: "
            "In change and display function...\n"
            "Added Brother Dorvik to the list. He should be here:\n"
            "Leaving function.\n"
            "Cleaning up course art\n"
            "Back in function. Brother Dorvik should not be in the list:\n"
            "Just added Brother Mekso to a copy of the course.\n"
            "He should be in this list:\n"
            "But not in this original list:\n"
            "End of program.\n"
            "Cleaning up course art\n"
            "Cleaning up course art\n");
}

TEST(Rindle, NegativeOrOversizedCountIsRefused) {
  for (const char* count : {"-1", "10001", "99999999999"}) {
    ProgramResult r = runRindle(std::string("math ") + count + "\n");
    EXPECT_EQ(r.exitStatus, 1) << count;
    EXPECT_EQ(r.err,
              "ERROR: expected the number of students, a whole number from 0 to 10000\n")
        << count;
    EXPECT_EQ(countOf(r.out, "Cleaning up course"), 0) << count;
  }
}

TEST(Rindle, UnreadableCountIsRefused) {
  ProgramResult r = runRindle("math two\n");
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.out, "Enter the course name: How many students are in the course: ");
  EXPECT_EQ(r.err, "ERROR: expected the number of students, a whole number from 0 to 10000\n");
}

TEST(Rindle, UnreadableIdIsRefused) {
  ProgramResult r = runRindle("math 2\n11 ann\nbob 12\n");
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.err, "ERROR: expected student id #1, a whole number\n");
  EXPECT_EQ(r.out.find("Brother"), std::string::npos);
  // The half-read course is still cleaned up, once.
  EXPECT_EQ(countOf(r.out, "Cleaning up course math\n"), 1);
}

TEST(Rindle, EndOfInputAtEachPromptIsRefused) {
  const struct {
    const char* input;
    const char* error;
  } cases[] = {
      {"", "ERROR: input ended; expected the course name\n"},
      {"math", "ERROR: input ended; expected the number of students, a whole number from 0 to 10000\n"},
      {"math 1", "ERROR: input ended; expected student id #0, a whole number\n"},
      {"math 1 7", "ERROR: input ended; expected student name #0\n"},
      {"math 2 7 ann", "ERROR: input ended; expected student id #1, a whole number\n"},
  };
  for (const auto& c : cases) {
    ProgramResult r = runRindle(c.input);
    EXPECT_FALSE(r.timedOut) << c.input;
    EXPECT_EQ(r.exitStatus, 1) << c.input;
    EXPECT_EQ(r.err, c.error) << c.input;
  }
}
