// Fuzzes the recording reader with the fuzzer's bytes as a recording of
// "gallery". Either it is read, and then it is in order (key changes by frame,
// checksums strictly by frame, every frame within the recording's length), or
// it is refused with one line beginning "ERROR: ". Then it is played with the
// recorded checksums: it must end as recorded or cut short at its length.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "fuzz_check.h"
#include "replay.h"

namespace {

// Longer recordings are read and checked, not played: a frame's play is a
// loop step here, and the fuzzer's time limit is per input.
constexpr long MOST_FRAMES_PLAYED = 100000;

// The reader takes a file: the input goes into one in the working folder (the build's).
const std::string& path() {
  static const std::string file = "replay_fuzz." + std::to_string(getpid()) + ".recording";
  return file;
}

void checkInOrder(const Recording& recording) {
  long last = 1;
  for (const KeyChange& key : recording.keys) {
    fuzzCheck(key.frame >= last && key.frame <= recording.frames, "key changes in frame order");
    last = key.frame;
  }
  last = 0;
  for (const FrameCheck& check : recording.checks) {
    fuzzCheck(check.frame > last && check.frame <= recording.frames, "checksums in frame order");
    last = check.frame;
  }
}

void play(const Recording& recording) {
  Player player(recording);
  size_t nextCheck = 0;
  ReplayStep step = player.atStart();
  while (step == ReplayStep::GOING) {
    player.keysForNextFrame([](int, bool) {});
    const long frame = player.getFrames() + 1;
    uint64_t sum = 0;
    if (nextCheck < recording.checks.size() && recording.checks[nextCheck].frame == frame)
      sum = recording.checks[nextCheck++].sum;
    step = player.frameDrawn(sum);
  }
  fuzzCheck(step == (recording.complete ? ReplayStep::AS_RECORDED : ReplayStep::CUT_SHORT),
            "the recorded checksums play as recorded, or cut short");
  fuzzCheck(player.getFrames() == recording.frames, "it plays to its length");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  if (std::FILE* file = std::fopen(path().c_str(), "wb")) {
    std::fwrite(bytes, 1, size, file);
    std::fclose(file);
  }
  Recording recording;
  std::string error;
  if (readRecording(path(), "gallery", recording, error)) {
    checkInOrder(recording);
    if (recording.frames <= MOST_FRAMES_PLAYED) play(recording);
  } else {
    fuzzCheck(error.rfind("ERROR: ", 0) == 0 && error.find('\n') == std::string::npos,
              "a refusal is one ERROR line");
  }
  return 0;
}
