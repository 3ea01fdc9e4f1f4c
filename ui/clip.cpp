#include "clip.h"

#include <GL/gl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "gif.h"
#include "headless.h"
#include "offscreen.h"
#include "screenshot.h"
#include "window.h"

namespace {

constexpr double MOST_CLIP_SECONDS = 60;  // a clip taken in the window ends by itself then
constexpr double TIME_SLACK = 1e-9;       // seconds: a frame's time, rounded
// Frames waiting for the encoder, in bytes: past this the frame loop waits
// for it (a replay is drawn faster than it is encoded).
constexpr size_t MOST_WAITING_BYTES = size_t(64) << 20;
constexpr size_t MOST_SPARE = 4;  // frames' storage kept for reuse
// The dot: its radius and its centre's distance from the corner, world units.
constexpr float MARK_RADIUS = 3, MARK_GAP = 7;
constexpr int MARK_SIDES = 12;
constexpr float MARK_RED = 1, MARK_GREEN = 0, MARK_BLUE = 0;
constexpr double TURN = 6.283185307179586;  // radians

// What is done with a clip's bytes once the last frame is encoded.
using Save = std::function<void(std::vector<unsigned char>&& gif, long frames)>;

// A frame for a clip's encoder or, with no pixels, the clip's end.
struct Job {
  std::shared_ptr<GifEncoder> gif;
  std::vector<unsigned char> pixels;  // RGB, rows from the bottom as GL reads them
  Save save;
};

// The encoder's own thread and the jobs waiting for it, done in order.
class Encoding {
 public:
  ~Encoding() { finish(); }

  // Storage for a frame's pixels: a frame's the thread is done with, if any.
  std::vector<unsigned char> storage() {
    std::lock_guard<std::mutex> hold(lock);
    if (spare.empty()) return {};
    std::vector<unsigned char> pixels = std::move(spare.back());
    spare.pop_back();
    return pixels;
  }

  // Hands a job to the thread, which the first one starts.
  void push(Job job) {
    std::unique_lock<std::mutex> hold(lock);
    room.wait(hold, [this] { return waiting < MOST_WAITING_BYTES; });
    waiting += job.pixels.size();
    jobs.push_back(std::move(job));
    hold.unlock();
    if (!thread.joinable()) thread = std::thread(&Encoding::work, this);
    ready.notify_one();
  }

  // Forgets the jobs not started yet.
  void drop() {
    std::lock_guard<std::mutex> hold(lock);
    jobs.clear();
    waiting = 0;
  }

  // Does every job handed over, then ends the thread.
  void finish() {
    if (!thread.joinable()) return;
    {
      std::lock_guard<std::mutex> hold(lock);
      finishing = true;
    }
    ready.notify_one();
    thread.join();
    finishing = false;
  }

 private:
  void work() {
    std::unique_lock<std::mutex> hold(lock);
    for (;;) {
      ready.wait(hold, [this] { return !jobs.empty() || finishing; });
      if (jobs.empty()) return;
      Job job = std::move(jobs.front());
      jobs.pop_front();
      waiting -= job.pixels.size();
      room.notify_one();
      hold.unlock();
      if (job.save)
        job.save(job.gif->finish(), job.gif->frames());
      else
        job.gif->addFrame(job.pixels.data(), true);
      hold.lock();
      if (spare.size() < MOST_SPARE && !job.pixels.empty()) spare.push_back(std::move(job.pixels));
    }
  }

  std::thread thread;
  std::mutex lock;
  std::condition_variable ready, room;
  std::deque<Job> jobs;
  size_t waiting = 0;  // bytes of pixels in `jobs`
  std::vector<std::vector<unsigned char>> spare;
  bool finishing = false;
};

// A clip's frames: their size and their rate.
struct Frames {
  std::shared_ptr<GifEncoder> gif;  // null while no clip is taken
  int width = 0, height = 0;
  double framesPerSecond = 0;
  long taken = 0;
};

// The clip taken in the window.
struct Live : Frames {
  std::string program;
  std::time_t started = 0;
};

// The clip made from a recording (--gif).
struct FromReplay : Frames {
  std::string out;
  double from = 0, to = 0;  // seconds
  long played = 0;
};

// Writes a clip's bytes, which are none when giflib failed, to an open file.
std::function<bool(std::FILE*)> writing(const std::vector<unsigned char>& gif) {
  return [&gif](std::FILE* out) { return !gif.empty() && std::fwrite(gif.data(), 1, gif.size(), out) == gif.size(); };
}

// Everything the clips keep. At the program's exit a clip being taken in the
// window is ended and saved, and the thread does all it was handed before it
// is joined; a --gif clip not saved by then (its recording differed) is
// dropped, and leaves no file.
struct Clips {
  Encoding encoding;
  Live live;
  FromReplay replay;

  ~Clips() {
    if (replay.gif) encoding.drop();
    if (live.gif) endLive();
    encoding.finish();
  }

  // Reads the kept picture into a frame of `frames`, and hands it to the thread.
  void take(Frames& frames, const View& windowView) {
    std::vector<unsigned char> pixels = encoding.storage();
    readPictureAt(frames.width, frames.height, getField(), windowView, pixels);
    encoding.push({frames.gif, std::move(pixels), nullptr});
    frames.taken++;
  }

  void endLive() {
    const std::string program = live.program;
    const std::time_t started = live.started;
    encoding.push({std::move(live.gif), {}, [program, started](std::vector<unsigned char>&& gif, long) {
                     saveNamedFile(program, started, "gif", "clip", writing(gif));
                   }});
  }
} clips;

Frames framesOf(int scale, double framesPerSecond) {
  const Field& field = getField();
  const int width = int(field.width) * scale, height = int(field.height) * scale;
  return {std::make_shared<GifEncoder>(width, height, framesPerSecond), width, height, framesPerSecond, 0};
}

// Whether frame `frame` (from 1), shown at (frame - 1) / framesPerSecond
// seconds, is from `from` on and before `to`.
bool isTaken(long frame, double from, double to, double framesPerSecond) {
  const double at = double(frame - 1) / framesPerSecond;
  return at >= from - TIME_SLACK && at < to - TIME_SLACK;
}

// Whether `path` can be written: a file that may be, or a new one in a folder that may be.
bool canWrite(const std::string& path) {
  struct stat status;
  if (stat(path.c_str(), &status) == 0) return S_ISREG(status.st_mode) && access(path.c_str(), W_OK) == 0;
  const size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  return access(folder.c_str(), W_OK | X_OK) == 0;
}


[[noreturn]] void failWith(const std::string& line) {
  std::fprintf(stderr, "ERROR: %s\n", line.c_str());
  std::exit(1);
}

}  // namespace

void toggleClip(const std::string& program, int scale, double framesPerSecond) {
  if (clips.live.gif) return clips.endLive();
  static_cast<Frames&>(clips.live) = framesOf(scale, framesPerSecond);
  clips.live.program = program;
  clips.live.started = std::time(nullptr);
}

void takeClipFrame() {
  Live& live = clips.live;
  if (!live.gif) return;
  clips.take(live, getView());
  if (live.taken >= std::lround(MOST_CLIP_SECONDS * live.framesPerSecond)) clips.endLive();
}

void drawClipMark(const Point& corner) {
  if (!clips.live.gif) return;
  const float x = corner.getX() - MARK_GAP, y = corner.getY() + MARK_GAP;
  glColor3f(MARK_RED, MARK_GREEN, MARK_BLUE);
  glBegin(GL_POLYGON);
  for (int side = 0; side < MARK_SIDES; side++) {
    const double angle = TURN * side / MARK_SIDES;
    glVertex2f(x + MARK_RADIUS * float(std::cos(angle)), y + MARK_RADIUS * float(std::sin(angle)));
  }
  glEnd();
}

void startReplayClip(const Options& options, const std::string& program, long recordedFrames,
                     double framesPerSecond) {
  if (options.gif.empty()) return;
  long frames = 0;
  for (long frame = 1; frame <= recordedFrames; frame++)
    frames += isTaken(frame, options.from, options.to, framesPerSecond);
  char from[32], end[32];
  std::snprintf(from, sizeof from, "%g", options.from);
  std::snprintf(end, sizeof end, "%g", double(recordedFrames) / framesPerSecond);
  if (frames == 0 && options.from >= double(recordedFrames) / framesPerSecond - TIME_SLACK)
    refuseOptions(program,
                  std::string("--from ") + from + " is at or past the recording's end, at " + end + " s");
  if (frames == 0) refuseOptions(program, "--from and --to take no frame of the recording");
  if (!canWrite(options.gif)) refuseOptions(program, "cannot write the clip " + options.gif);

  std::string error;
  if (!openHeadlessContext(getField(), error)) failWith(error);
  static_cast<Frames&>(clips.replay) = framesOf(options.scale, framesPerSecond);
  clips.replay.out = options.gif;
  clips.replay.from = options.from, clips.replay.to = options.to;
}

void takeReplayClipFrame() {
  FromReplay& replay = clips.replay;
  if (!replay.gif || !isTaken(++replay.played, replay.from, replay.to, replay.framesPerSecond)) return;
  clips.take(replay, fitView(replay.width, replay.height, getField().width, getField().height));
}

void saveReplayClip() {
  FromReplay& replay = clips.replay;
  if (!replay.gif) return;
  std::vector<unsigned char> bytes;
  long frames = 0;
  clips.encoding.push({std::move(replay.gif), {}, [&](std::vector<unsigned char>&& gif, long taken) {
                         bytes = std::move(gif);
                         frames = taken;
                       }});
  clips.encoding.finish();
  std::string error;
  if (!writeWholeFile(replay.out, true, writing(bytes), error))
    failWith("cannot write the clip " + replay.out);
  std::printf("Saved %s (%ld frames)\n", replay.out.c_str(), frames);
  std::exit(0);
}
