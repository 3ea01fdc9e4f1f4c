// The recording file: written by the recorder, read back, played by the player.
#include "replay.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <utility>

namespace {

const std::string PROGRAM = "gallery";

std::string temporaryPath(const std::string& name) {
  return ::testing::TempDir() + "replay_test_" + name;
}

void writeFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The picture of frame n in these tests.
uint64_t sumOf(long frame) { return 0x9e3779b97f4a7c15ull * uint64_t(frame); }

std::string hex(uint64_t sum) {
  char digits[17];
  std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(sum));
  return digits;
}

// Records 75 frames: Left down before frame 1, up before frame 31, space before frame 61.
void recordGame(Recorder& recorder) {
  for (long frame = 1; frame <= 75; frame++) {
    if (frame == 1) recorder.key(100, true);
    if (frame == 31) recorder.key(100, false);
    if (frame == 61) recorder.key(' ', true);
    recorder.frameDrawn(sumOf(frame));
  }
}

Recording read(const std::string& path) {
  Recording recording;
  std::string error;
  EXPECT_TRUE(readRecording(path, PROGRAM, recording, error)) << error;
  return recording;
}

// Plays `recording` with the checksums `sum` gives; the step that ended it
// and every key change handed out, as "frame:code:down".
std::pair<ReplayStep, std::string> play(Player& player, uint64_t (*sum)(long)) {
  std::string keys;
  ReplayStep step = player.atStart();
  while (step == ReplayStep::GOING) {
    const long frame = player.getFrames() + 1;
    player.keysForNextFrame([&](int code, bool down) {
      keys += std::to_string(frame) + ":" + std::to_string(code) + ":" + (down ? "1 " : "0 ");
    });
    step = player.frameDrawn(sum(frame));
  }
  return {step, keys};
}

TEST(Replay, AFinishedRecordingIsReadBackWholeAndPlaysAsRecorded) {
  const std::string path = temporaryPath("finished");
  {
    Recorder recorder;
    std::string error;
    ASSERT_TRUE(recorder.open(path, PROGRAM, 4000000000u, error)) << error;
    recordGame(recorder);
  }  // finished as it goes out of scope, as at the program's exit
  EXPECT_EQ(readFile(path), "kit-replay 1 gallery\n4000000000\n1 down 100\n30 sum " + hex(sumOf(30)) +
                                "\n31 up 100\n60 sum " + hex(sumOf(60)) + "\n61 down 32\nend 75\n");

  const Recording recording = read(path);
  EXPECT_EQ(recording.seed, 4000000000u);
  EXPECT_TRUE(recording.complete);
  EXPECT_EQ(recording.frames, 75);
  ASSERT_EQ(recording.checks.size(), 2u);
  EXPECT_EQ(recording.checks[1].frame, 60);
  EXPECT_EQ(recording.checks[1].sum, sumOf(60));

  Player player(recording);
  const auto [step, keys] = play(player, sumOf);
  EXPECT_EQ(keys, "1:100:1 31:100:0 61:32:1 ");
  EXPECT_EQ(step, ReplayStep::AS_RECORDED);
  EXPECT_EQ(player.verdict(step), "Replay: 75 frames, as recorded");
}

TEST(Replay, APictureThatDiffersStopsThePlayAtItsCheckedFrame) {
  const std::string path = temporaryPath("differs");
  {
    Recorder recorder;
    std::string error;
    ASSERT_TRUE(recorder.open(path, PROGRAM, 1, error)) << error;
    recordGame(recorder);
  }
  Player player(read(path));
  // Frame 45 is drawn differently, but only frame 60's picture is kept.
  const auto step = play(player, [](long frame) { return frame >= 45 ? ~sumOf(frame) : sumOf(frame); }).first;
  EXPECT_EQ(step, ReplayStep::DIFFERS);
  EXPECT_EQ(player.verdict(step), "ERROR: the replay differs from the recording at frame 60");
}

TEST(Replay, ARecordingCutOffByAKillPlaysUpToItsLastWholeSecond) {
  const std::string path = temporaryPath("cut");
  Recorder recorder;
  std::string error;
  ASSERT_TRUE(recorder.open(path, PROGRAM, 1, error)) << error;
  recordGame(recorder);
  // Not finished: what a kill leaves on disk. It ends with a whole line.
  const std::string onDisk = readFile(path);
  EXPECT_EQ(onDisk.back(), '\n');
  EXPECT_EQ(onDisk.find("61 down"), std::string::npos);

  Player player(read(path));
  const ReplayStep step = play(player, sumOf).first;
  EXPECT_EQ(player.verdict(step), "Replay: 60 frames, cut short");
}

TEST(Replay, ARecordingOfNoFramesEndsBeforeTheFirst) {
  const std::string path = temporaryPath("none");
  writeFile(path, "kit-replay 1 gallery\n7\nend 0\n");
  EXPECT_EQ(Player(read(path)).atStart(), ReplayStep::AS_RECORDED);
}

TEST(Replay, ABadFileGetsOneErrorLineNamingWhatIsWrong) {
  const std::string head = "kit-replay 1 gallery\n7\n";
  const struct {
    const char* name;
    const char* text;  // null: no file at all
    const char* error;
  } cases[] = {
      {"missing", nullptr, "cannot read the recording"},
      {"empty", "", "is empty, not a recording"},
      {"binary", "\x7f" "ELF\x02\x01\n", "is not a recording"},
      {"cut inside a line", "kit-replay 1 gallery\n7\n3 down 10", "ends inside a line"},
      {"another program", "kit-replay 1 lander\n7\n", "is a recording of lander, not of gallery"},
      {"later version", "kit-replay 2 gallery\n7\n", "is a recording of version 2; this program reads version 1"},
      {"no seed", "kit-replay 1 gallery\n", "line 2: not a line"},
      {"seed beyond 32 bits", "kit-replay 1 gallery\n4294967296\n", "line 2: not a line"},
      {"negative frame", "kit-replay 1 gallery\n7\n-3 down 100\n", "line 3: not a line"},
      {"frame 0", "kit-replay 1 gallery\n7\n0 down 100\n", "line 3: not a line"},
      {"frames going back", "kit-replay 1 gallery\n7\n9 down 100\n8 up 100\n", "line 4: not a line"},
      {"unknown word", "kit-replay 1 gallery\n7\n9 held 100\n", "line 3: not a line"},
      {"short checksum", "kit-replay 1 gallery\n7\n30 sum 12ab\n", "line 3: not a line"},
      {"checksum twice", "kit-replay 1 gallery\n7\n30 sum 0000000000000001\n30 sum 0000000000000001\n",
       "line 4: not a line"},
      {"key after its frame's checksum", "kit-replay 1 gallery\n7\n30 sum 0000000000000001\n29 up 100\n",
       "line 4: not a line"},
      {"line after the end", "kit-replay 1 gallery\n7\nend 5\n6 up 100\n", "line 3: not a line"},
      {"end before the last frame", "kit-replay 1 gallery\n7\n9 up 100\nend 5\n", "line 4: not a line"},
  };
  for (const auto& bad : cases) {
    SCOPED_TRACE(bad.name);
    const std::string path = temporaryPath("bad");
    std::remove(path.c_str());
    if (bad.text) writeFile(path, bad.text);
    Recording recording;
    std::string error;
    EXPECT_FALSE(readRecording(path, PROGRAM, recording, error));
    EXPECT_EQ(error.rfind("ERROR: ", 0), 0u) << error;
    EXPECT_NE(error.find(bad.error), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
  }
  // And the same head, well formed, is read.
  writeFile(temporaryPath("good"), head + "end 0\n");
  read(temporaryPath("good"));
}

TEST(Replay, ARecordingThatCannotBeCreatedIsAnError) {
  Recorder recorder;
  std::string error;
  EXPECT_FALSE(recorder.open("/nonexistent-directory/game.replay", PROGRAM, 1, error));
  EXPECT_EQ(error, "ERROR: cannot write the recording /nonexistent-directory/game.replay");
  EXPECT_FALSE(recorder.isOpen());
}

}  // namespace
