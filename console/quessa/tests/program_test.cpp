#include <gtest/gtest.h>

#include "run_program.h"

namespace {

const char* const HELP_FIRST_LINE = "Every prompt is one minute.  The following input is accepted:\n";

// Exactly one line, beginning "ERROR: ".
void expectOneErrorLine(const std::string& err) {
  EXPECT_EQ(err.rfind("ERROR: ", 0), 0u) << err;
  EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
}

TEST(QuessaProgram, RunsTheWorkedExampleAndEndsWithStatusZero) {
  ProgramResult r = runProgram(QUESSA_PATH, "math Ann 2\n!! physics Bob 1\nnone\nnone\nfinished\n");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out.rfind(HELP_FIRST_LINE, 0), 0u);
  EXPECT_NE(r.out.find("<2> \tEmergency for Bob for class physics. Time left: 1\n<3> <4> End of simulation\n"),
            std::string::npos)
      << r.out;
}

TEST(QuessaProgram, EndOfInputWithoutFinishedEndsCleanly) {
  ProgramResult r = runProgram(QUESSA_PATH, "math Ann 5\nnone\n");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_NE(r.out.find("Time left: 4\n<2> End of simulation\n"), std::string::npos) << r.out;
}

TEST(QuessaProgram, BadMinutesAndInputEndingInsideARequestExitWithAnError) {
  for (const char* input : {"math Ann two\nfinished\n", "none\n!! physics Bob\n", "math\n"}) {
    ProgramResult r = runProgram(QUESSA_PATH, input);
    EXPECT_EQ(r.exitStatus, 1) << input;
    EXPECT_FALSE(r.timedOut);
    expectOneErrorLine(r.err);
  }
}

}  // namespace
