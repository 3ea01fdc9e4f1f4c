// High scores: the table's order, the file's cases, two writers at once, and
// writers killed while they save.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "scores.h"
#include "scoretable.h"

namespace {

const std::string WHEN = "2026-12-09 14:30";
const std::string HEADER = "arcade-kit scores 1\n";

Score result(int points, unsigned seed = 7) { return {points, WHEN, seed}; }

std::vector<int> pointsOf(const ScoreTable& table) {
  std::vector<int> points;
  for (const Score& s : table.entries()) points.push_back(s.points);
  return points;
}

bool exists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

std::string contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// A fresh folder under the temporary folder for each test.
class ScoresFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/scores-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
    path = folder + "/gallery.scores";
  }
  void TearDown() override { std::system(("rm -rf " + folder).c_str()); }

  // The table kept at `where` (the test's file unless said), read strictly.
  ScoreTable kept(std::size_t limit = SCORE_TABLE_SIZE) { return kept(path, limit); }
  static ScoreTable kept(const std::string& where, std::size_t limit = SCORE_TABLE_SIZE) {
    ScoreTable table(limit);
    EXPECT_EQ(fromText(contents(where), table), ScoreTextFault::NONE);
    return table;
  }

  std::string folder, path;
};

}  // namespace

TEST(ScoreTableOrder, HigherFirstEarlierAboveEqualsAndNoMoreThanTheLimit) {
  struct Step {
    int points;
    int rank;
    std::vector<int> after;
  } steps[] = {
      {5, 0, {5}},     {9, 0, {9, 5}},       {5, 2, {9, 5, 5}},  // an equal goes below the earlier
      {-3, -1, {9, 5, 5}},                                       // below a full table: not kept
      {7, 1, {9, 7, 5}},                                         // the last drops out
      {9, 1, {9, 9, 7}},
  };
  ScoreTable table(3);
  unsigned seed = 0;
  for (const Step& step : steps) {
    EXPECT_EQ(table.add(result(step.points, ++seed)), step.rank) << step.points;
    EXPECT_EQ(pointsOf(table), step.after) << step.points;
  }
  EXPECT_EQ(table.entries()[0].seed, 2u);  // of the two 9s, the first
  EXPECT_EQ(ScoreTable().limit(), 10u);
}

TEST_F(ScoresFile, EachKindOfFileIsReadKeptOrSetAsideAsItShouldBe) {
  const std::string TWO = HEADER + "12 2026-01-02 03:04 99\n4 2026-01-02 03:05 4294967295\n";
  struct Case {
    const char* name;
    const char* before;    // the file's text, or null for none
    const char* asideAs;   // the name it is moved aside with, or ""
    bool saving;           // false: a recording played back
    int rank;              // of the result of 4 points
    std::vector<int> shown;
    std::vector<int> keptAfter;  // empty: the file as it was before
  } cases[] = {
      {"missing", nullptr, "", true, 0, {4}, {4}},
      {"empty", "", "", true, 0, {4}, {4}},
      {"round trip, behind an equal", TWO.c_str(), "", true, 2, {12, 4, 4}, {12, 4, 4}},
      {"garbled header", "arcade-kit scorez 1\n5 2026-01-02 03:04 9\n", "garbled", true, 0, {4}, {4}},
      {"garbled, its name taken", "the second\n", "garbled.1", true, 0, {4}, {4}},  // beside the first
      {"binary", "\x7f" "ELF\x01\x02", "garbled", true, 0, {4}, {4}},
      {"no month 13", "arcade-kit scores 1\n5 2026-13-02 03:04 9\n", "garbled", true, 0, {4}, {4}},
      {"a seed past 32 bits", "arcade-kit scores 1\n5 2026-01-02 03:04 4294967296\n", "garbled", true, 0, {4}, {4}},
      {"an extra word", "arcade-kit scores 1\n5 2026-01-02 03:04 9 x\n", "garbled", true, 0, {4}, {4}},
      {"truncated line", "arcade-kit scores 1\n5 2026-01-02 03", "truncated", true, 0, {4}, {4}},
      {"truncated header", "arcade-kit sc", "truncated", true, 0, {4}, {4}},
      {"later version", "arcade-kit scores 2\nwhatever comes\n", "newer", true, 0, {4}, {4}},
      {"played back", TWO.c_str(), "", false, 2, {12, 4, 4}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::system(("rm -rf " + folder + "/*").c_str());
    if (c.before) write(path, c.before);
    const bool taken = std::string(c.asideAs) == "garbled.1";
    if (taken) write(path + ".garbled", "the first\n");
    testing::internal::CaptureStderr();
    const Standing standing = HighScores(path, c.saving).add(result(4));
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(standing.rank, c.rank);
    EXPECT_EQ(pointsOf(standing.table), c.shown);
    EXPECT_EQ(standing.saved, c.saving);
    if (c.keptAfter.empty()) {
      EXPECT_EQ(contents(path), c.before);
    } else {
      EXPECT_EQ(pointsOf(kept()), c.keptAfter);
    }
    const std::string aside = path + "." + c.asideAs;
    if (*c.asideAs) {
      EXPECT_EQ(contents(aside), c.before);  // byte for byte
      EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
      EXPECT_NE(errors.find(aside), std::string::npos) << errors;
    } else {
      EXPECT_EQ(errors, "");
    }
    EXPECT_FALSE(exists(path + ".new"));
    if (taken) {
      EXPECT_EQ(contents(path + ".garbled"), "the first\n");  // never written over
    }
  }
}

TEST_F(ScoresFile, WhereNothingCanBeWrittenTheResultIsShownUnsavedWithOneLine) {
  write(folder + "/plain", "a file where the folder should be\n");
  mkdir((folder + "/taken").c_str(), 0755);
  // A folder that cannot be made, and a folder where the file should be (it cannot be moved aside).
  const std::string cases[] = {folder + "/plain/gallery.scores", folder + "/taken"};
  for (const std::string& where : cases) {
    SCOPED_TRACE(where);
    testing::internal::CaptureStderr();
    const Standing standing = HighScores(where).add(result(4));
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(standing.saved);
    EXPECT_EQ(standing.rank, 0);
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
  }
  EXPECT_EQ(contents(folder + "/plain"), "a file where the folder should be\n");
  EXPECT_TRUE(exists(folder + "/taken"));  // left where it was
}

TEST_F(ScoresFile, TheUsualPlaceIsUnderTheDataFolderAndIsMadeWhenMissing) {
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
  setenv("XDG_DATA_HOME", folder.c_str(), 1);
  const std::string usual = scoresPath("lander", "");
  EXPECT_EQ(usual, folder + "/arcade-kit/lander.scores");
  EXPECT_EQ(scoresPath("lander", "mine.scores"), "mine.scores");
  EXPECT_EQ(HighScores(usual).add(result(4)).rank, 0);
  EXPECT_TRUE(exists(usual));
  Interface::initialized = true;  // views of the shell must not open a window
  Interface::program = "lander";
  EXPECT_EQ(highScoresOf(Interface()).getPath(), usual);
  Interface::options.replay = "game.rec";  // a recording played back keeps nothing
  EXPECT_FALSE(highScoresOf(Interface()).add(result(5)).saved);
  EXPECT_EQ(pointsOf(kept(usual)), std::vector<int>{4});
  Interface::options = Options();
  setenv("XDG_DATA_HOME", "", 1);
  setenv("HOME", "/home/someone", 1);
  EXPECT_EQ(scoresPath("gallery", ""), "/home/someone/.local/share/arcade-kit/gallery.scores");
  setenv("HOME", home.c_str(), 1);
  unsetenv("XDG_DATA_HOME");
}

TEST_F(ScoresFile, TwoProcessesAddingAtOnceBothKeepEveryResult) {
  constexpr int EACH = 100;
  std::vector<pid_t> writers;
  for (int first : {0, 1000}) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      HighScores scores(path, true, 2 * EACH);
      for (int i = 0; i < EACH; i++) scores.add(result(first + i));
      _exit(0);
    }
    writers.push_back(pid);
  }
  for (pid_t pid : writers) {
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  std::vector<int> points = pointsOf(kept(2 * EACH));
  std::sort(points.begin(), points.end());
  std::vector<int> expected;
  for (int first : {0, 1000})
    for (int i = 0; i < EACH; i++) expected.push_back(first + i);
  EXPECT_EQ(points, expected);
}

// A writer adds 0, 1, 2, ... to a table that keeps them all, until it is
// killed at a random moment. After each kill the table must read whole, hold
// 0 to n-1 for some n (the old table or the new), and never shrink.
TEST_F(ScoresFile, AWriterKilledAtAnyMomentLeavesTheOldTableOrTheNewWhole) {
  const int kills = std::getenv("SCORES_KILLS") ? std::atoi(std::getenv("SCORES_KILLS")) : 200;
  constexpr std::size_t ROOM = 1 << 20;
  std::mt19937 moments(1);
  std::uniform_int_distribution<int> delay(0, 20000);  // microseconds
  std::size_t before = 0;
  int caughtWriting = 0;  // kills that left a new file half made beside the table
  for (int k = 0; k < kills; k++) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      HighScores scores(path, true, ROOM);
      for (int next = int(before);; next++) scores.add(result(next));
    }
    usleep(useconds_t(delay(moments)));
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    caughtWriting += unlink((path + ".new").c_str()) == 0;  // gone, so no kill counts it twice
    if (!exists(path)) continue;  // killed before the first save
    const ScoreTable table = kept(ROOM);
    const std::vector<int> points = pointsOf(table);
    ASSERT_GE(points.size(), before) << "kill " << k;
    for (std::size_t i = 0; i < points.size(); i++) ASSERT_EQ(points[i], int(points.size() - 1 - i));
    before = points.size();
  }
  EXPECT_FALSE(exists(path + ".garbled") || exists(path + ".truncated"));
  std::printf("%d kills survived, %d of them in the middle of writing; %zu results kept\n", kills,
              caughtWriting, before);
}
