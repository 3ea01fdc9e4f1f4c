#include "tessik.h"

#include <GL/glu.h>
#include <GL/glut.h>

#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <ctime>

#include "input.h"
#include "pause.h"
#include "picture.h"
#include "platform.h"
#include "replay.h"
#include "sound.h"
#include "window.h"

namespace {

constexpr double TICKS_PER_SECOND = 1e6;
constexpr int WINDOW_X = 10;
constexpr int WINDOW_Y = 10;

// Key codes: GLUT's arrows and Home arrive as special keys, the same numbers
// typed as characters (d e f g j) reach the same fields.
constexpr int KEY_LEFT = 100;   // GLUT_KEY_LEFT, or d
constexpr int KEY_UP = 101;     // GLUT_KEY_UP, or e
constexpr int KEY_RIGHT = 102;  // GLUT_KEY_RIGHT, or f
constexpr int KEY_DOWN = 103;   // GLUT_KEY_DOWN, or g
constexpr int KEY_HOME = 106;   // GLUT_KEY_HOME, or j: fires like space
constexpr int KEY_SPACE = ' ';
constexpr int KEY_N = 'n';
constexpr int KEY_R = 'r';
constexpr int KEY_B = 'b';


// The key table: each code and the field it sets, a hold count (to 1 or 0)
// or a one-shot flag. Space comes before Home, which sets the same flag.
struct KeyEntry {
  int code;
  int* count;
  bool* flag;
};
const KeyEntry KEY_TABLE[] = {
    {KEY_DOWN, &Interface::isDownPress, nullptr}, {KEY_UP, &Interface::isUpPress, nullptr},
    {KEY_LEFT, &Interface::isLeftPress, nullptr}, {KEY_RIGHT, &Interface::isRightPress, nullptr},
    {KEY_SPACE, nullptr, &Interface::isSpacePress}, {KEY_HOME, nullptr, &Interface::isSpacePress},
    {KEY_N, nullptr, &Interface::isNPress}, {KEY_R, nullptr, &Interface::isRPress},
    {KEY_B, nullptr, &Interface::isBPress}};
constexpr size_t KEYS = sizeof KEY_TABLE / sizeof KEY_TABLE[0];

// The sources that hold each key of the table, a bit for each source.
unsigned holders[KEYS] = {};

// The table's entry for `code`, or its size when the code is not a game key.
size_t keyIndex(int code) {
  size_t i = 0;
  while (i < KEYS && KEY_TABLE[i].code != code) i++;
  return i;
}

bool isSet(const KeyEntry& key) { return key.count ? *key.count != 0 : *key.flag; }

// One frame period in ticks, truncated: 33,333 at 30 frames a second.
unsigned int periodTicks() { return static_cast<unsigned int>(int(TICKS_PER_SECOND * Interface::timePeriod)); }

}  // namespace

int Interface::isDownPress = 0;
int Interface::isUpPress = 0;
int Interface::isLeftPress = 0;
int Interface::isRightPress = 0;
bool Interface::isSpacePress = false;
bool Interface::isNPress = false;
bool Interface::isRPress = false;
bool Interface::isBPress = false;
bool Interface::initialized = false;
unsigned int Interface::nextTick = 0;
double Interface::timePeriod = 1.0 / 30.0;
Interface::CallBack Interface::callBack = nullptr;
void* Interface::p = nullptr;
Interface::TickSource Interface::tickSource = monotonicTicks;
Options Interface::options;
std::string Interface::program;
unsigned int Interface::seed = 0;
bool Interface::paused = false;

unsigned int monotonicTicks() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  uint64_t micros = uint64_t(now.tv_sec) * 1000000u + uint64_t(now.tv_nsec) / 1000u;
  return static_cast<unsigned int>(micros);
}

void sleep(unsigned long milliseconds) {
  timespec span;
  span.tv_sec = static_cast<time_t>(milliseconds / 1000);
  span.tv_nsec = static_cast<long>(milliseconds % 1000) * 1000000L;
  while (nanosleep(&span, &span) == -1) {
  }
}

void Interface::initialize(int argc, char** argv, const char* title, Point topLeft,
                           Point bottomRight) {
  if (initialized) return;

  if (argc > 0) options = readOptions(argc, argv);  // an ERROR line and exit 1, before any window
  program = programName(argc, argv);
  seed = options.seeded ? options.seed : startingSeed(argv);
  startReplay(options, program, seed);  // an ERROR line and exit 1 for a bad recording, before any window
  srand(seed);
  setMuted(options.muted);
  if (isReplaying()) setSoundOutput(false);  // a replay makes no sound
  const int width = int(bottomRight.getX() - topLeft.getX());
  const int height = int(topLeft.getY() - bottomRight.getY());
  setField({float(int(topLeft.getX())), float(int(bottomRight.getY())), float(width), float(height)});
  if (isReplayWindowless()) {
    setPictureOutput(false);  // no window: the picture is summed, and drawn offscreen for --gif
    startReplayGif(options, program);  // an ERROR line and exit 1 for a clip that cannot be made
    initialized = true;
    return;
  }
  glutInit(&argc, argv);
  glutInitWindowSize(width * options.scale, height * options.scale);
  glutInitWindowPosition(WINDOW_X, WINDOW_Y);
  glutInitDisplayMode(GLUT_DOUBLE);
  glutCreateWindow(title);
  filterKeys();
  glClearColor(0, 0, 0, 0);
  gluOrtho2D(int(topLeft.getX()), int(bottomRight.getX()), int(bottomRight.getY()),
             int(topLeft.getY()));

  registerFrameCallbacks();
  glutKeyboardFunc(keyboardCallback);
  glutSpecialFunc(keyDownCallback);
  glutSpecialUpFunc(keyUpCallback);
  startInput();

  initialized = true;
}

namespace {
ReplayStep playFrame();
}  // namespace

void Interface::run(CallBack callBack, void* p) {
  Interface::p = p;
  Interface::callBack = callBack;
  if (isReplayWindowless()) {
    for (;;) {
      const ReplayStep step = playFrame();
      replayGifFrame(step);  // with --gif: the frame kept; a good end saves the clip and exits
      if (step != ReplayStep::GOING) endReplay(step);
      keyEvent();
    }
  }
  registerServiceCallbacks();
  if (options.fullscreen) toggleFullScreen();
  runFrames(1.0 / timePeriod);
}

void Interface::setPaused(bool on) {
  if (paused == on) return;
  paused = on;
  if (paused) clearKeys();
  nextTick = tickSource();  // going on, the next frame is drawn at once: no catch-up
  idleWhilePaused(paused);
  glutPostRedisplay();
}

// Through keyEvent, so that a recording sees the keys let go. Played back,
// the keys are the recording's: they were let go there too if they were.
void Interface::clearKeys() {
  if (isReplaying()) return;
  for (size_t i = 0; i < KEYS; i++) {
    holders[i] = 0;
    if (isSet(KEY_TABLE[i])) keyEvent(KEY_TABLE[i].code, false);
  }
}

bool Interface::takesKeys() const { return !paused && !isReplaying(); }

bool Interface::isReplaying() const { return ::isReplaying(); }

// The deadline is compared in 32-bit tick space so that the clock's wrap
// never turns into a long wait: only a deadline at most one period ahead is
// waited for; one that has passed (or lies impossibly far ahead) is not.
unsigned int Interface::ticksToWait() {
  unsigned int ahead = nextTick - tickSource();
  return ahead <= periodTicks() ? ahead : 0;
}

bool Interface::isTimeToDraw() { return ticksToWait() == 0; }

void Interface::setNextDrawTime() { nextTick = tickSource() + periodTicks(); }

void Interface::setFramesPerSecond(double rate) {
  assert(rate > 0.0);
  if (rate <= 0.0) return;
  timePeriod = 1.0 / rate;
}

// The game sees a change only when the first source takes a key or the last
// one lets it go; that change is what a recording keeps.
void Interface::keyEvent(int key, bool down, KeySource source) {
  const size_t i = keyIndex(key);
  if (i == KEYS) return;
  const unsigned own = 1u << static_cast<unsigned>(source);
  const unsigned others = holders[i] & ~own;
  holders[i] = down ? holders[i] | own : others;
  if (others) return;
  recordKey(key, down);
  if (KEY_TABLE[i].count)
    *KEY_TABLE[i].count = down;
  else
    *KEY_TABLE[i].flag = down;
}

void Interface::keyEvent() {
  for (int* held : {&isDownPress, &isUpPress, &isLeftPress, &isRightPress})
    if (*held) ++*held;
  isSpacePress = isNPress = isRPress = isBPress = false;
}

namespace {

void feedKey(int code, bool down) { Interface().keyEvent(code, down); }

// The game's frame, with no GL of its own: its keys when played back, its
// picture, and the picture's checksum recorded or compared. A playback's
// end is left to the caller.
ReplayStep playFrame() {
  Interface ui;
  startReplayFrame(feedKey);
  startPicture();
  pictureColour(1, 1, 1);
  assert(ui.callBack != NULL);
  ui.callBack(&ui, ui.p);
  return replayFrameDrawn(replayChecksNextFrame() ? pictureChecksum() : 0);
}

// The last frame again, dimmed, with the message over it; a screenshot asked
// for meanwhile is taken of the frame at full light first.
void drawPaused() {
  if (isScreenshotWanted()) {
    glClear(GL_COLOR_BUFFER_BIT);
    redrawPicture(1.0f);
    takeScreenshot(Interface::program);
  }
  drawPausedFrame(getField());
  clipWindowFrame(true);
  glutSwapBuffers();
}

}  // namespace

void drawCallback() {
  Interface ui;
  followCanvas();
  pollInput();
  if (ui.paused) return drawPaused();
  glClear(GL_COLOR_BUFFER_BIT);
  const ReplayStep step = playFrame();
  drawMuteMark(Point(getField().left, getField().bottom));
  takeScreenshot(ui.program);
  clipWindowFrame(false);

  if (!isReplayFast()) waitForDeadline(ui.ticksToWait());
  ui.setNextDrawTime();
  glutSwapBuffers();
  if (step != ReplayStep::GOING) endReplay(step);
  ui.keyEvent();
}

void reshapeCallback(int width, int height) { fitWindow(width, height); }

// A window that is minimised or hidden pauses, and stays paused until p.
void windowStatusCallback(int state) {
  if (state == GLUT_HIDDEN || state == GLUT_FULLY_COVERED) Interface().setPaused(true);
}

void keyDownCallback(int key, int, int) {
  Interface ui;
  if (isShellSpecialKey(key))
    shellSpecialKey(key);
  else if (ui.takesKeys())
    ui.keyEvent(key, true);
}

void keyUpCallback(int key, int, int) {
  Interface ui;
  if (ui.takesKeys()) ui.keyEvent(key, false);
}

void keyboardCallback(unsigned char key, int, int) {
  Interface ui;
  if (isShellKey(key))
    shellKey(key);
  else if (ui.takesKeys())
    ui.keyEvent(static_cast<int>(key), true);
}
