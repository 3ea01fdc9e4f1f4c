#include "replay.h"

#include <cinttypes>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

const char* const REPLAY_FORMAT = "kit-replay";

namespace {

constexpr int SUM_DIGITS = 16;          // a 64-bit checksum in hexadecimal
constexpr unsigned long MAX_CODE = 511;  // key codes: characters and GLUT's special keys
constexpr unsigned long MAX_FRAME = 2000000000;

std::vector<std::string> words(const std::string& line) {
  std::istringstream in(line);
  return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// A decimal whole number of at most `most`, digits only.
bool wholeNumber(const std::string& word, unsigned long most, unsigned long& value) {
  if (word.empty() || word.size() > 10 || word.find_first_not_of("0123456789") != std::string::npos)
    return false;
  const unsigned long long number = std::stoull(word);
  value = static_cast<unsigned long>(number);
  return number <= most;
}

bool checksum(const std::string& word, uint64_t& sum) {
  if (word.size() != SUM_DIGITS || word.find_first_not_of("0123456789abcdef") != std::string::npos)
    return false;
  sum = std::stoull(word, nullptr, 16);
  return true;
}

// Reads the lines after the seed into `recording`; the number of the first
// line that is not a good one (counting from 1), or 0.
size_t readBody(const std::vector<std::string>& lines, Recording& recording) {
  long last = 0;  // the latest frame named; key lines of a frame come before its checksum
  for (size_t i = 2; i < lines.size(); i++) {
    const std::vector<std::string> w = words(lines[i]);
    unsigned long frame = 0, code = 0;
    if (w.size() == 2 && w[0] == "end" && i + 1 == lines.size()) {
      if (!wholeNumber(w[1], MAX_FRAME, frame) || long(frame) < last) return i + 1;
      recording.complete = true;
      last = long(frame);
      continue;
    }
    if (w.size() != 3 || !wholeNumber(w[0], MAX_FRAME, frame) || frame == 0 || long(frame) < last)
      return i + 1;
    uint64_t sum = 0;
    if ((w[1] == "down" || w[1] == "up") && wholeNumber(w[2], MAX_CODE, code)) {
      recording.keys.push_back({long(frame), int(code), w[1] == "down"});
    } else if (w[1] == "sum" && checksum(w[2], sum) &&
               (recording.checks.empty() || recording.checks.back().frame < long(frame))) {
      recording.checks.push_back({long(frame), sum});
    } else {
      return i + 1;
    }
    last = long(frame);
  }
  recording.frames = last;
  return 0;
}

}  // namespace

bool readRecording(const std::string& path, const std::string& program, Recording& recording,
                   std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "ERROR: cannot read the recording " + path;
    return false;
  }
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (text.empty()) {
    error = "ERROR: " + path + " is empty, not a recording";
    return false;
  }
  if (text.back() != '\n') {
    error = "ERROR: " + path + " ends inside a line: it was cut off or garbled";
    return false;
  }
  std::vector<std::string> lines;
  std::istringstream split(text);
  for (std::string line; std::getline(split, line);) lines.push_back(line);

  const std::vector<std::string> head = words(lines[0]);
  unsigned long version = 0, seed = 0;
  if (head.size() != 3 || head[0] != REPLAY_FORMAT || !wholeNumber(head[1], MAX_FRAME, version)) {
    error = "ERROR: " + path + " is not a recording";
    return false;
  }
  if (version > REPLAY_VERSION) {
    error = "ERROR: " + path + " is a recording of version " + head[1] + "; this program reads version " +
            std::to_string(REPLAY_VERSION);
    return false;
  }
  if (head[2] != program) {
    error = "ERROR: " + path + " is a recording of " + head[2] + ", not of " + program;
    return false;
  }
  Recording read;
  read.program = head[2];
  const std::vector<std::string> seedLine = lines.size() > 1 ? words(lines[1]) : std::vector<std::string>();
  size_t bad = seedLine.size() == 1 && wholeNumber(seedLine[0], 4294967295ul, seed) ? 0 : 2;
  if (!bad) bad = readBody(lines, read);
  if (bad) {
    error = "ERROR: " + path + ", line " + std::to_string(bad) + ": not a line of a recording";
    return false;
  }
  read.seed = static_cast<unsigned int>(seed);
  recording = std::move(read);
  return true;
}

bool Recorder::open(const std::string& path, const std::string& program, unsigned int seed,
                    std::string& error) {
  finish();
  file = std::fopen(path.c_str(), "w");
  if (!file) {
    error = "ERROR: cannot write the recording " + path;
    return false;
  }
  // Unbuffered: each flush below is one write of whole lines.
  std::setvbuf(file, nullptr, _IONBF, 0);
  frames = 0;
  pending = std::string(REPLAY_FORMAT) + " " + std::to_string(REPLAY_VERSION) + " " + program + "\n" +
            std::to_string(seed) + "\n";
  flush();
  return true;
}

void Recorder::key(int code, bool down) {
  if (!file) return;
  pending += std::to_string(frames + 1) + (down ? " down " : " up ") + std::to_string(code) + "\n";
}

void Recorder::frameDrawn(uint64_t sum) {
  if (!file) return;
  if (++frames % REPLAY_CHECK_EVERY) return;
  char line[64];
  std::snprintf(line, sizeof line, "%ld sum %016" PRIx64 "\n", frames, sum);
  pending += line;
  flush();
}

void Recorder::finish() {
  if (!file) return;
  pending += "end " + std::to_string(frames) + "\n";
  flush();
  std::fclose(file);
  file = nullptr;
}

void Recorder::flush() {
  std::fwrite(pending.data(), 1, pending.size(), file);
  pending.clear();
}

ReplayStep Player::frameDrawn(uint64_t sum) {
  frames++;
  for (; nextCheck < recording.checks.size() && recording.checks[nextCheck].frame <= frames; nextCheck++)
    if (recording.checks[nextCheck].frame == frames && recording.checks[nextCheck].sum != sum)
      return ReplayStep::DIFFERS;
  return frames >= recording.frames ? ending() : ReplayStep::GOING;
}

std::string Player::verdict(ReplayStep step) const {
  const std::string played = "Replay: " + std::to_string(frames) + " frames, ";
  switch (step) {
    case ReplayStep::AS_RECORDED: return played + "as recorded";
    case ReplayStep::CUT_SHORT: return played + "cut short";
    case ReplayStep::DIFFERS:
      return "ERROR: the replay differs from the recording at frame " + std::to_string(frames);
    case ReplayStep::GOING: break;
  }
  return "";
}

namespace {

// The run's recording or playback. A recording is finished when the program
// exits (Esc and a closed window both end in exit), by the destructor.
struct Run {
  Recorder recorder;
  Player player;
  bool playing = false;     // --replay or --verify
  bool windowless = false;  // --verify, or --gif
  bool fast = false;        // --fast
} run;

[[noreturn]] void failWith(const std::string& line) {
  std::fprintf(stderr, "%s\n", line.c_str());
  std::exit(1);
}

}  // namespace

void startReplay(const Options& options, const std::string& program, unsigned int& seed) {
  std::string error;
  const std::string& playback = options.verify.empty() ? options.replay : options.verify;
  if (!playback.empty()) {
    Recording recording;
    if (!readRecording(playback, program, recording, error)) failWith(error);
    seed = recording.seed;
    run.player = Player(std::move(recording));
    run.playing = true;
    run.windowless = !options.verify.empty() || !options.gif.empty();
    run.fast = options.fast;
  } else if (!options.record.empty() && !run.recorder.open(options.record, program, seed, error)) {
    failWith(error);
  }
}

bool isReplaying() { return run.playing; }
bool isReplayWindowless() { return run.windowless; }
bool isReplayFast() { return run.fast; }
long replayLength() { return run.playing ? run.player.getLength() : 0; }

void recordKey(int code, bool down) { run.recorder.key(code, down); }

void startReplayFrame(void (*use)(int code, bool down)) {
  if (!run.playing) return;
  if (run.player.getFrames() == 0 && run.player.atStart() != ReplayStep::GOING)
    endReplay(run.player.atStart());  // a recording of no frames
  run.player.keysForNextFrame(use);
}

bool replayChecksNextFrame() { return run.recorder.checksNextFrame() || run.player.checksNextFrame(); }

ReplayStep replayFrameDrawn(uint64_t sum) {
  run.recorder.frameDrawn(sum);
  return run.playing ? run.player.frameDrawn(sum) : ReplayStep::GOING;
}

void endReplay(ReplayStep step) {
  const std::string verdict = run.player.verdict(step);
  if (step == ReplayStep::DIFFERS) failWith(verdict);
  std::printf("%s\n", verdict.c_str());
  std::exit(0);
}
