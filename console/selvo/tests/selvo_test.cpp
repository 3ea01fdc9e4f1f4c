#include <gtest/gtest.h>

#include <string>

#include "run_program.h"

namespace {

ProgramResult runSelvo(const std::string& input) { return runProgram(SELVO_PATH, input); }

const std::string PROMPTS = "Please enter 10 values:\n> > > > > > > > > > ";

}  // namespace

TEST(Selvo, ReportsTenValuesByteForByte) {
  ProgramResult r = runSelvo("1 2 3 4 5 6 7 8 9 10\n");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.out, PROMPTS +
                       "\tsize:   10\n"
                       "\tempty?: No\n"
                       "\t1\n\t2\n\t3\n\t4\n\t5\n\t6\n\t7\n\t8\n\t9\n\t10\n");
  EXPECT_EQ(r.err, "");
}

TEST(Selvo, ValuesMaySpanLinesAndKeepTheirSignsAndOrder) {
  ProgramResult r = runSelvo("-3\n0\t2147483647\n\n-2147483648 5 5 5\n5 5 5");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.out, PROMPTS +
                       "\tsize:   10\n"
                       "\tempty?: No\n"
                       "\t-3\n\t0\n\t2147483647\n\t-2147483648\n"
                       "\t5\n\t5\n\t5\n\t5\n\t5\n\t5\n");
}

TEST(Selvo, AWordInsteadOfAnIntegerIsRefused) {
  ProgramResult r = runSelvo("1 2 three 4 5 6 7 8 9 10\n");
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.out, "Please enter 10 values:\n> > > ");
  EXPECT_EQ(r.err, "ERROR: expected an integer for value 3 of 10\n");
}

TEST(Selvo, AnIntegerTooLargeForAnIntIsRefused) {
  ProgramResult r = runSelvo("99999999999 1 2 3 4 5 6 7 8 9\n");
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.err, "ERROR: expected an integer for value 1 of 10\n");
}

TEST(Selvo, InputEndingEarlyIsRefusedWithoutInventingValues) {
  ProgramResult r = runSelvo("1 2 3 4 5 6 7 8 9");
  EXPECT_FALSE(r.timedOut);
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.out, PROMPTS);
  EXPECT_EQ(r.err, "ERROR: input ended after 9 of 10 values; expected an integer for value 10\n");

  ProgramResult none = runSelvo("");
  EXPECT_EQ(none.exitStatus, 1);
  EXPECT_EQ(none.err.rfind("ERROR: input ended after 0 of 10 values", 0), 0u) << none.err;
}
