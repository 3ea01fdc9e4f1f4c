#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>

#include "quessa.h"

namespace {

const std::string HELP =
    "Every prompt is one minute.  The following input is accepted:\n"
    "\t<class> <name> <#minutes>    : a normal help request\n"
    "\t!! <class> <name> <#minutes> : an emergency help request\n"
    "\tnone                         : no new request this minute\n"
    "\tfinished                     : end simulation\n";
const std::string END = "End of simulation\n";

// Runs quessa() on the given input with the standard streams redirected; the
// output is what was written before it returned or threw.
struct Session {
  std::string out;
  std::string message;  // the message it threw, or ""

  explicit Session(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream written;
    std::streambuf* oldIn = std::cin.rdbuf(in.rdbuf());
    std::streambuf* oldOut = std::cout.rdbuf(written.rdbuf());
    try {
      quessa();
    } catch (const char* thrown) {
      message = thrown;
    }
    std::cin.rdbuf(oldIn);
    std::cout.rdbuf(oldOut);
    std::cin.clear();
    out = written.str();
  }
};

std::string serving(const std::string& name, const std::string& className, int left) {
  return "\tCurrently serving " + name + " for class " + className + ". Time left: " +
         std::to_string(left) + "\n";
}

std::string emergency(const std::string& name, const std::string& className, int left) {
  return "\tEmergency for " + name + " for class " + className + ". Time left: " +
         std::to_string(left) + "\n";
}

TEST(Quessa, FinishedFirstPrintsOnlyTheHelpTheFirstPromptAndTheClosingLine) {
  EXPECT_EQ(Session("finished\n").out, HELP + "<0> " + END);
}

TEST(Quessa, WorkedExampleRun) {
  Session run("math Ann 2\n!! physics Bob 1\nnone\nnone\nfinished\n");
  EXPECT_EQ(run.out, HELP + "<0> " + serving("Ann", "math", 2) + "<1> " + serving("Ann", "math", 1) +
                         "<2> " + emergency("Bob", "physics", 1) + "<3> <4> " + END);
}

TEST(Quessa, EmergenciesWaitForTheRequestInServiceAndTheNewestGoesFirst) {
  Session run("math Ann 3\n!! physics Bob 1\n!! chem Dee 1\nart Cy 1\nnone\nnone\nfinished\n");
  EXPECT_EQ(run.out, HELP + "<0> " + serving("Ann", "math", 3) + "<1> " + serving("Ann", "math", 2) +
                         "<2> " + serving("Ann", "math", 1) + "<3> " + emergency("Dee", "chem", 1) +
                         "<4> " + emergency("Bob", "physics", 1) + "<5> " + serving("Cy", "art", 1) +
                         "<6> " + END);
}

TEST(Quessa, SeveralRequestsOnOneLineAreTakenAtSuccessivePromptsOldestFirst) {
  Session run("math Ann 2 art Bob 1 law Cy 1 none none finished");
  EXPECT_EQ(run.out, HELP + "<0> " + serving("Ann", "math", 2) + "<1> " + serving("Ann", "math", 1) +
                         "<2> " + serving("Bob", "art", 1) + "<3> " + serving("Cy", "law", 1) +
                         "<4> <5> " + END);
}

TEST(Quessa, CommandsAreCaseSensitive) {
  Session run("Finished Ann 2\nNONE Bob 1\nnone\nfinished\n");
  EXPECT_EQ(run.out, HELP + "<0> " + serving("Ann", "Finished", 2) + "<1> " +
                         serving("Ann", "Finished", 1) + "<2> " + serving("Bob", "NONE", 1) + "<3> " +
                         END);
}

TEST(Quessa, AnEmergencyMarkerAloneIsCompletedByWordsOnLaterLines) {
  Session run("!!\nphysics\nBob\n1\nfinished\n");
  EXPECT_EQ(run.out, HELP + "<0> " + emergency("Bob", "physics", 1) + "<1> " + END);
}

TEST(Quessa, ARequestOfZeroOrFewerMinutesIsTakenButDisplaysNothing) {
  Session run("math Ann 0\nart Bob -3\nnone\nlaw Cy 1\nfinished\n");
  EXPECT_EQ(run.out, HELP + "<0> <1> <2> <3> " + serving("Cy", "law", 1) + "<4> " + END);
}

TEST(Quessa, NoneAtEveryPromptPrintsOnlyPrompts) {
  EXPECT_EQ(Session("none none none finished").out, HELP + "<0> <1> <2> <3> " + END);
}

TEST(QuessaInput, EndOfInputAtAPromptEndsTheRunLikeFinished) {
  Session run("math Ann 1\n");
  EXPECT_EQ(run.message, "");
  EXPECT_EQ(run.out, HELP + "<0> " + serving("Ann", "math", 1) + "<1> " + END);
  EXPECT_EQ(Session("").out, HELP + "<0> " + END);
}

TEST(QuessaInput, EndOfInputInsideARequestNamesTheMissingItem) {
  EXPECT_EQ(Session("!!").message, "ERROR: input ended where a class name was expected");
  EXPECT_EQ(Session("math").message, "ERROR: input ended where a student name was expected");
  EXPECT_EQ(Session("none !! math").message, "ERROR: input ended where a student name was expected");
  EXPECT_EQ(Session("math Ann").message, "ERROR: input ended where the number of minutes was expected");
}

TEST(QuessaInput, MinutesThatAreNotAWholeNumberAreAnError) {
  for (const char* minutes : {"two", "2x", "2.5", "-", "99999999999", "2147483648"}) {
    Session run(std::string("math Ann ") + minutes + " finished");
    EXPECT_EQ(run.message, "ERROR: expected the number of minutes as a whole number") << minutes;
    EXPECT_EQ(run.out, HELP + "<0> ") << minutes;
  }
  Session largest("math Ann 2147483647 finished");
  EXPECT_EQ(largest.out, HELP + "<0> " + serving("Ann", "math", 2147483647) + "<1> " + END);
}

}  // namespace
