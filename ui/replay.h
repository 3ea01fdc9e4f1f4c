/// @file
/// replay: a game kept as a small text file of its seed and keys, recorded
/// while it is played and played back frame for frame.
///
/// The file, one item a line:
///
/// ```
///   kit-replay 1 gallery      the format, its version and the program's name
///   3735928559                the seed rand() started from, in decimal
///   12 down 100               frame 12 saw key 100 go down (the shell's key codes)
///   40 up 100                 ... and frame 40 saw it come up
///   30 sum 0123456789abcdef   the checksum of frame 30's picture, every 30 frames
///   end 1800                  a complete recording, 1800 frames long
/// ```
///
/// Frames count from 1, the first frame the game draws. A key line's frame is
/// the first frame that sees the change; lines go in the order of their frames.
/// A recording with no end line was cut short (a crash, a kill): it is good up
/// to the last frame it names. Recordings are promised on the same build only:
/// a change to a game's play shows as a checksum that differs.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "options.h"

/// The name and the version written on a recording's first line.
///@{
extern const char* const REPLAY_FORMAT;
constexpr int REPLAY_VERSION = 1;
///@}
/// Frames between the checksums of a recording: one a second at 30 frames a second.
constexpr long REPLAY_CHECK_EVERY = 30;

/// A key going down or up, as the game saw it at the start of `frame`.
struct KeyChange {
  long frame;  ///< the frame that first sees it
  int code;    ///< the shell's code of the key
  bool down;   ///< down, or up
};

/// The checksum of the picture drawn in `frame`.
struct FrameCheck {
  long frame;    ///< the frame
  uint64_t sum;  ///< its picture's checksum (picture.h)
};

/// A recording as read from its file.
struct Recording {
  std::string program;             ///< the program that made it
  unsigned int seed = 0;           ///< the seed its game started from
  std::vector<KeyChange> keys;     ///< in the order they happened
  std::vector<FrameCheck> checks;  ///< in frame order
  bool complete = false;           ///< it has its end line
  long frames = 0;                 ///< the end line's count, or the last frame named
};

/// Reads the recording in `path`, made by `program`. False with a one-line
/// reason in `error` (beginning "ERROR: ") when the file is missing, empty,
/// garbled (a line cut in half included), another program's or of a later version.
bool readRecording(const std::string& path, const std::string& program, Recording& recording,
                   std::string& error);

/// Writes a recording while the game is played. Lines are kept until a
/// checksum line (once a second of play) or the end, then written whole in
/// one go, so a recording cut off by a kill ends at the end of a line.
class Recorder {
 public:
  Recorder() = default;
  ~Recorder() { finish(); }
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  /// Creates `path` and writes its first two lines. False with a one-line
  /// reason in `error` (beginning "ERROR: ") when it cannot.
  bool open(const std::string& path, const std::string& program, unsigned int seed,
            std::string& error);
  /// Whether a recording is being written.
  bool isOpen() const { return file != nullptr; }
  /// A key change, seen by the frame about to be drawn.
  void key(int code, bool down);
  /// Whether the next frame's checksum is kept (every 30th frame): other
  /// frames need not sum their picture up.
  bool checksNextFrame() const { return file && (frames + 1) % REPLAY_CHECK_EVERY == 0; }
  /// A frame drawn, with its picture's checksum (kept every 30 frames).
  void frameDrawn(uint64_t sum);
  /// Writes the end line and closes the file; later calls do nothing.
  void finish();

 private:
  void flush();

  std::FILE* file = nullptr;
  std::string pending;  // whole lines not yet written
  long frames = 0;      // frames drawn so far
};

/// What a frame played back found.
enum class ReplayStep { GOING, AS_RECORDED, CUT_SHORT, DIFFERS };

/// Plays a recording back: hands each frame its key changes and compares the
/// frames' checksums with the recorded ones.
class Player {
 public:
  Player() = default;
  /// Plays `recording` back from its first frame.
  explicit Player(Recording recording) : recording(std::move(recording)) {}

  /// The key changes the next frame sees, in order: calls use(code, down) for each.
  template <typename Use>
  void keysForNextFrame(Use use) {
    for (; nextKey < recording.keys.size() && recording.keys[nextKey].frame <= frames + 1; nextKey++)
      use(recording.keys[nextKey].code, recording.keys[nextKey].down);
  }
  /// A frame drawn with its picture's checksum: GOING while more frames
  /// follow; at the last frame, whether the recording was complete; DIFFERS at
  /// the first checksum that is not the recorded one.
  ReplayStep frameDrawn(uint64_t sum);
  /// Whether the next frame's checksum is compared with one recorded.
  bool checksNextFrame() const {
    return nextCheck < recording.checks.size() && recording.checks[nextCheck].frame == frames + 1;
  }
  /// Before the first frame: GOING, or the end at once for a recording of no frames.
  ReplayStep atStart() const { return recording.frames > 0 ? ReplayStep::GOING : ending(); }
  /// Frames played so far.
  long getFrames() const { return frames; }
  /// Frames the recording holds: its end line's count, or the last frame it names.
  long getLength() const { return recording.frames; }
  /// The line to print for a step that ends the replay: "Replay: N frames, as
  /// recorded", "..., cut short", or the ERROR line naming the frame that differs.
  std::string verdict(ReplayStep step) const;

 private:
  ReplayStep ending() const {
    return recording.complete ? ReplayStep::AS_RECORDED : ReplayStep::CUT_SHORT;
  }

  Recording recording;
  size_t nextKey = 0;
  size_t nextCheck = 0;
  long frames = 0;
};

// ---------------------------------------------------------------------------
// The run's own recording, as the shell drives it: at most one of recording
// (--record) and playing back (--replay, --verify) a run.
// ---------------------------------------------------------------------------

/// Reads --replay's or --verify's recording, whose seed replaces `seed`, or
/// creates --record's file. A file that cannot be read or written gets its
/// ERROR line on the error stream and exit status 1.
void startReplay(const Options& options, const std::string& program, unsigned int& seed);
/// Whether this run plays a recording back (--replay or --verify).
bool isReplaying();
/// Whether it plays it back with no window at all (--verify, or --replay with --gif).
bool isReplayWindowless();
/// Frames the recording played back holds (0 when none is).
long replayLength();
/// Whether a playback goes as fast as it can (--replay with --fast).
bool isReplayFast();
/// A key change the game sees, written to the recording if one is made.
void recordKey(int code, bool down);
/// Before a frame is drawn: a playback ends at once if its recording has no
/// frames; otherwise the frame's recorded key changes are handed to `use`.
void startReplayFrame(void (*use)(int code, bool down));
/// Whether the frame about to be drawn has its picture summed up: recorded or compared.
bool replayChecksNextFrame();
/// A frame drawn, with its picture's checksum (0 when not summed): GOING,
/// or the step that ends a playback.
ReplayStep replayFrameDrawn(uint64_t sum);
/// Ends a playback: prints its verdict and exits with status 0, or the ERROR
/// line and exit status 1 for a recording that differs.
[[noreturn]] void endReplay(ReplayStep step);
