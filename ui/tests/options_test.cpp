#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options.h"

namespace {

struct Case {
  std::vector<std::string> words;  // after the program's name
  bool accepted;
  bool seeded;
  unsigned int seed;
};

bool parse(std::vector<std::string> words, Options& options, std::string& error) {
  words.insert(words.begin(), "game");
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  return parseOptions(int(words.size()), argv.data(), options, error);
}

}  // namespace

TEST(Options, AcceptSeedsAndGlutOptionsAndRefuseEverythingElse) {
  const Case cases[] = {
      {{}, true, false, 0},
      {{"--seed", "5"}, true, true, 5},
      {{"--seed", "0"}, true, true, 0},
      {{"--seed", "4294967295"}, true, true, 4294967295u},
      {{"-geometry", "400x400+0+0", "--seed", "7", "-sync"}, true, true, 7},
      {{"-display", ":3", "-iconic", "-direct", "-indirect", "-gldebug"}, true, false, 0},
      {{"--seed", "4294967296"}, false, false, 0},
      {{"--seed", "99999999999999999999999"}, false, false, 0},
      {{"--seed", "-1"}, false, false, 0},
      {{"--seed", "+1"}, false, false, 0},
      {{"--seed", "12x"}, false, false, 0},
      {{"--seed", ""}, false, false, 0},
      {{"--seed"}, false, false, 0},
      {{"-display"}, false, false, 0},
      {{"--seed=5"}, false, false, 0},
      {{"seed"}, false, false, 0},
      {{"--help"}, false, false, 0},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (const std::string& word : c.words) shown += "[" + word + "] ";
    Options options;
    std::string error;
    EXPECT_EQ(parse(c.words, options, error), c.accepted) << shown;
    EXPECT_EQ(error.empty(), c.accepted) << shown << error;
    if (c.accepted) {
      EXPECT_EQ(options.seeded, c.seeded) << shown;
      EXPECT_EQ(options.seed, c.seed) << shown;
    }
  }
}

TEST(OptionsDeathTest, AnUnknownArgumentEndsTheProgramWithItsUsage) {
  char name[] = "/somewhere/bin/gallery", word[] = "--fast";
  char* argv[] = {name, word, nullptr};
  EXPECT_EXIT(readOptions(2, argv), ::testing::ExitedWithCode(1),
              "^ERROR: unknown argument \"--fast\"\\. Usage: gallery \\[--seed N\\]\n$");
}
