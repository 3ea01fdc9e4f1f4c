#include <gtest/gtest.h>

#include <iomanip>
#include <iostream>
#include <sstream>
#include <string>

#include "circle.h"
#include "phone.h"
#include "smartphone.h"

// Gives standard input the test's text and collects standard output.
class Console : public ::testing::Test {
 protected:
  void SetUp() override {
    savedIn = std::cin.rdbuf(in.rdbuf());
    savedOut = std::cout.rdbuf(out.rdbuf());
  }
  void TearDown() override {
    std::cin.rdbuf(savedIn);
    std::cout.rdbuf(savedOut);
    std::cin.clear();
  }
  void type(const std::string& text) { in.str(text); }
  // What was written since the last call.
  std::string written() {
    std::string text = out.str();
    out.str("");
    return text;
  }

 private:
  std::istringstream in;
  std::ostringstream out;
  std::streambuf* savedIn = nullptr;
  std::streambuf* savedOut = nullptr;
};

using PhoneTest = Console;
using CircleTest = Console;

TEST_F(PhoneTest, ReadsThreePartsAndShowsThemZeroPadded) {
  type("208 55 12\n");
  Phone phone;
  phone.promptNumber();
  EXPECT_TRUE(std::cin.good());
  EXPECT_EQ(written(), "Area code: Prefix: Suffix: ");
  phone.display();
  EXPECT_EQ(written(), "(208)055-0012\n");
}

TEST_F(PhoneTest, DisplayLeavesTheStreamFillAsItWas) {
  type("1 2 3");
  Phone phone;
  phone.promptNumber();
  phone.display();
  written();
  std::cout << std::setw(3) << 7;
  EXPECT_EQ(written(), "  7");
}

TEST_F(PhoneTest, PartThatDoesNotFitItsDigitsStopsThePromptsAndFailsInput) {
  for (const char* input : {"1000 555 1234", "-1 555 1234", "208 555 10000"}) {
    type(input);
    std::cin.clear();
    written();
    Phone phone;
    phone.promptNumber();
    EXPECT_TRUE(std::cin.fail()) << input;
  }
  EXPECT_EQ(written(), "Area code: Prefix: Suffix: ");  // the last case got to the suffix
}

TEST_F(PhoneTest, UnreadablePartStopsThePrompts) {
  type("208 five 1234");
  Phone phone;
  phone.promptNumber();
  EXPECT_TRUE(std::cin.fail());
  EXPECT_EQ(written(), "Area code: Prefix: ");
}

TEST_F(PhoneTest, SmartPhoneReadsTheNumberThenTheAddressAndShowsBoth) {
  type("208 555 1234 me@example.org");
  SmartPhone phone;
  phone.prompt();
  EXPECT_FALSE(std::cin.fail());
  EXPECT_EQ(written(), "Area code: Prefix: Suffix: E-mail: ");
  phone.display();
  EXPECT_EQ(written(), "(208)555-1234\nme@example.org\n");
}

TEST_F(PhoneTest, SmartPhoneWithoutAnAddressFailsInput) {
  type("208 555 1234\n");
  SmartPhone phone;
  phone.prompt();
  EXPECT_TRUE(std::cin.fail());
}

TEST_F(PhoneTest, SmartPhoneWithABadNumberAsksNoAddress) {
  type("208 555 x me@example.org");
  SmartPhone phone;
  phone.prompt();
  EXPECT_TRUE(std::cin.fail());
  EXPECT_EQ(written(), "Area code: Prefix: Suffix: ");
}

TEST_F(CircleTest, ReadsCentreXThenYThenRadius) {
  type("3.5 -2 0.125\n");
  Circle circle;
  circle.promptForCircle();
  EXPECT_FALSE(std::cin.fail());
  EXPECT_EQ(written(), "Center x: Center y: Radius: ");
  EXPECT_EQ(circle.getX(), 3.5f);
  circle.display();
  EXPECT_EQ(written(), "center (3.5, -2), radius 0.125");
}

TEST_F(CircleTest, NegativeRadiusFailsInputAndLeavesTheCircleAlone) {
  type("4 5 -1");
  Circle circle;
  circle.promptForCircle();
  EXPECT_TRUE(std::cin.fail());
  written();
  circle.display();
  EXPECT_EQ(written(), "center (0, 0), radius 0");
}

TEST_F(CircleTest, UnreadableCoordinateStopsThePrompts) {
  type("4 north 1");
  Circle circle;
  circle.promptForCircle();
  EXPECT_TRUE(std::cin.fail());
  EXPECT_EQ(written(), "Center x: Center y: ");
  EXPECT_EQ(circle.getX(), 0.0f);
}
