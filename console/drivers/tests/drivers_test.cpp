#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "run_program.h"

namespace {

const std::string USAGE_TAIL = " [filename]\n";
const std::string UNEXPECTED =
    "ERROR: Unexpected number of command line parameters\n\tUsage: ";

}  // namespace

TEST(Pello, WithoutAnArgumentPromptsAndTakesOneWord) {
  ProgramResult r = runProgram(PELLO_PATH, "my file.txt\n");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.out, "Filename? ");
  EXPECT_EQ(r.err, "");
}

TEST(Pello, WithoutAnArgumentAndWithoutInputEndsQuietly) {
  ProgramResult r = runProgram(PELLO_PATH, "");
  EXPECT_FALSE(r.timedOut);
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.out, "Filename? ");
}

TEST(Pello, WithOneArgumentWritesNothing) {
  ProgramResult r = runProgram(PELLO_PATH, {"pello", "notes.txt"}, "ignored\n");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
}

TEST(Pello, WithTwoArgumentsShowsUsageUnderTheInvokedName) {
  ProgramResult r = runProgram(PELLO_PATH, {"./pello", "a", "b"}, "");
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.out, UNEXPECTED + "./pello" + USAGE_TAIL);
  EXPECT_EQ(r.err, "");
}

TEST(Pello, WithAnEmptyArgumentVectorShowsUsageUnderItsOwnName) {
  ProgramResult r = runProgram(PELLO_PATH, {}, "");
  EXPECT_EQ(r.signal, 0);
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.out, UNEXPECTED + "pello" + USAGE_TAIL);
}

TEST(Dallik, ReadsBothPhonesAndShowsEachUnderTheSameHeading) {
  ProgramResult r = runProgram(DALLIK_PATH, "208 555 1234\n801 42 7 me@example.org\n");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "Phone:\nArea code: Prefix: Suffix: "
            "\nPhone info:\n(208)555-1234\n"
            "\nSmart phone:\nArea code: Prefix: Suffix: E-mail: "
            "\nPhone info:\n(801)042-0007\nme@example.org\n");
}

TEST(Dallik, BadPhoneNumberIsRefusedBeforeAnythingIsShown) {
  ProgramResult r = runProgram(DALLIK_PATH, "208 5555 1234\n");
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.out, "Phone:\nArea code: Prefix: ");
  EXPECT_EQ(r.err,
            "ERROR: expected a phone number: area code (0-999), prefix (0-999) and suffix "
            "(0-9999)\n");
}

TEST(Dallik, MissingAddressIsRefused) {
  ProgramResult r = runProgram(DALLIK_PATH, "208 555 1234\n801 555 0000\n");
  EXPECT_FALSE(r.timedOut);
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.out.find("\nPhone info:\n"), r.out.rfind("\nPhone info:\n"));  // shown once only
  EXPECT_EQ(r.err.rfind("ERROR: expected a phone number", 0), 0u) << r.err;
  EXPECT_NE(r.err.find("e-mail address"), std::string::npos) << r.err;
}

TEST(Fenso, ShowsTheCircleThenTwoNewlinesThenItsX) {
  ProgramResult r = runProgram(FENSO_PATH, "3.5 -1 2\n");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "Center x: Center y: Radius: "
            "Your circle is:\ncenter (3.5, -1), radius 2\n\n"
            "The x-coordinate of your circle is: 3.5\n");
}

TEST(Fenso, XIsWrittenInTheDefaultFloatFormat) {
  const struct {
    const char* x;
    const char* shown;
  } cases[] = {{"2", "2"}, {"0.125", "0.125"}, {"-7.25", "-7.25"}, {"1234567", "1.23457e+06"}};
  for (const auto& c : cases) {
    ProgramResult r = runProgram(FENSO_PATH, std::string(c.x) + " 0 1\n");
    const std::string line = std::string("The x-coordinate of your circle is: ") + c.shown + "\n";
    EXPECT_EQ(r.out.substr(r.out.size() - std::min(r.out.size(), line.size())), line) << c.x;
  }
}

TEST(Fenso, BadCircleIsRefused) {
  for (const char* input : {"1 2 -3\n", "1 up 3\n", "1 2"}) {
    ProgramResult r = runProgram(FENSO_PATH, input);
    EXPECT_FALSE(r.timedOut) << input;
    EXPECT_EQ(r.exitStatus, 1) << input;
    EXPECT_EQ(r.out.find("Your circle is"), std::string::npos) << input;
    EXPECT_EQ(r.err, "ERROR: expected the centre's x and y, then a radius of 0 or more\n")
        << input;
  }
}

TEST(Brevo, ShowsTheDefaultRobot) {
  ProgramResult r = runProgram(BREVO_PATH, "");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.out, "Robot details: position (5, 5), energy 100\n");
  EXPECT_EQ(r.err, "");
}
