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

// The kit's other options: what each sets, and which go together.
TEST(Options, ReadTheKitsServicesAndRefuseWhatDoesNotGoTogether) {
  struct Service {
    std::vector<std::string> words;
    const char* error;  // a word of the reason, or null when accepted
    int scale;
    std::string shown;  // fullscreen, muted, fast, then the files: scores record replay verify
  };
  const Service cases[] = {
      {{"--scale", "1"}, nullptr, 1, "--- ///"},
      {{"--scale", "8", "--fullscreen", "--mute"}, nullptr, 8, "ff- ///"},
      {{"--scores", "s.txt", "--record", "r.txt"}, nullptr, 1, "--- s.txt/r.txt//"},
      {{"--replay", "r.txt", "--fast"}, nullptr, 1, "--f //r.txt/"},
      {{"--verify", "v.txt", "--mute"}, nullptr, 1, "-f- ///v.txt"},
      {{"--scale", "0"}, "scale", 0, ""},
      {{"--scale", "9"}, "scale", 0, ""},
      {{"--scale", "2.5"}, "scale", 0, ""},
      {{"--scale"}, "--scale", 0, ""},
      {{"--record"}, "--record", 0, ""},
      {{"--scores", ""}, "--scores", 0, ""},
      {{"--record", "a", "--replay", "b"}, "one at a time", 0, ""},
      {{"--replay", "a", "--seed", "3"}, "own seed", 0, ""},
      {{"--verify", "a", "--seed", "3"}, "own seed", 0, ""},
      {{"--fast"}, "--fast", 0, ""},
      {{"--record", "a", "--fast"}, "--fast", 0, ""},
  };
  for (const Service& c : cases) {
    Options options;
    std::string error;
    const bool accepted = parse(c.words, options, error);
    EXPECT_EQ(accepted, c.error == nullptr) << c.words[0] << " " << error;
    if (!accepted) {
      EXPECT_NE(error.find(c.error), std::string::npos) << error;
      continue;
    }
    auto flag = [](bool on) { return on ? 'f' : '-'; };
    const std::string shown = std::string{flag(options.fullscreen), flag(options.muted), flag(options.fast)} +
                              " " + options.scores + "/" + options.record + "/" + options.replay + "/" +
                              options.verify;
    EXPECT_EQ(options.scale, c.scale);
    EXPECT_EQ(shown, c.shown);
  }
}

TEST(OptionsDeathTest, AnUnknownArgumentEndsTheProgramWithItsUsage) {
  char name[] = "/somewhere/bin/gallery", word[] = "--quick";
  char* argv[] = {name, word, nullptr};
  EXPECT_EXIT(readOptions(2, argv), ::testing::ExitedWithCode(1),
              "^ERROR: unknown argument \"--quick\"\\. Usage: gallery \\[--seed N\\] \\[--scale N\\] .*\n$");
}
