#include "tessik.h"

#include <GL/glu.h>
#include <GL/glut.h>

#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <initializer_list>

#include "sound.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

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
constexpr unsigned char KEY_MUTE = 'm';  // the shell's own: mutes and unmutes

Point lowerLeft;  // the world's lower-left corner, where the mute mark shows

// One frame period in ticks, truncated: 33,333 at 30 frames a second.
unsigned int periodTicks() { return static_cast<unsigned int>(int(TICKS_PER_SECOND * Interface::timePeriod)); }

// ---------------------------------------------------------------------------
// Where the browser build differs, in one place.
//
// Natively GLUT's loop owns the thread: drawCallback is its display and idle
// callback, and each frame sleeps out the rest of its period. A page must get
// the thread back between frames, so in the browser the browser's main loop
// calls drawCallback at the frame rate and nothing sleeps. Its GLUT would run
// an idle callback on its own timers beside that loop, and a display callback
// on top of it, so neither is registered. It has no switch for key repeat:
// repeated key-downs are dropped before its key handler sees them. And argv
// lies at the same address on every run there, so rand starts from a random
// seed instead.
// ---------------------------------------------------------------------------
#ifdef __EMSCRIPTEN__

unsigned int startingSeed(char**) { return static_cast<unsigned int>(emscripten_random() * 4294967295.0); }

void ignoreKeyRepeat() {
  EM_ASM({
    window.removeEventListener("keydown", GLUT.onKeydown, true);
    window.addEventListener("keydown", function(event) {
      if (!event.repeat) GLUT.onKeydown(event);
    }, true);
  });
}

void registerFrameCallbacks() {}

void runFrames() {
  emscripten_set_main_loop(drawCallback, int(1.0 / Interface::timePeriod + 0.5), 1);
}

void waitForDeadline(Interface&) {}

#else

unsigned int startingSeed(char** argv) { return static_cast<unsigned int>(reinterpret_cast<uintptr_t>(argv)); }

void ignoreKeyRepeat() { glutIgnoreKeyRepeat(1); }

void registerFrameCallbacks() {
  glutDisplayFunc(drawCallback);
  glutIdleFunc(drawCallback);
}

void runFrames() { glutMainLoop(); }

constexpr long TICKS_PER_MILLISECOND = 1000;

// The wait is rounded to the nearest millisecond: truncating it would show
// every frame up to a millisecond early and run the loop fast.
void waitForDeadline(Interface& ui) {
  if (unsigned int wait = ui.ticksToWait())
    sleep((wait + TICKS_PER_MILLISECOND / 2) / TICKS_PER_MILLISECOND);
}

#endif

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
  srand(seed);
  setMuted(options.muted);
  lowerLeft = Point(topLeft.getX(), bottomRight.getY());
  glutInit(&argc, argv);
  glutInitWindowSize(int(bottomRight.getX() - topLeft.getX()),
                     int(topLeft.getY() - bottomRight.getY()));
  glutInitWindowPosition(WINDOW_X, WINDOW_Y);
  glutInitDisplayMode(GLUT_DOUBLE);
  glutCreateWindow(title);
  ignoreKeyRepeat();
  glClearColor(0, 0, 0, 0);
  gluOrtho2D(int(topLeft.getX()), int(bottomRight.getX()), int(bottomRight.getY()),
             int(topLeft.getY()));

  registerFrameCallbacks();
  glutKeyboardFunc(keyboardCallback);
  glutSpecialFunc(keyDownCallback);
  glutSpecialUpFunc(keyUpCallback);

  initialized = true;
}

void Interface::run(CallBack callBack, void* p) {
  Interface::p = p;
  Interface::callBack = callBack;
  runFrames();
}

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

void Interface::keyEvent(int key, bool down) {
  switch (key) {
    case KEY_LEFT: isLeftPress = down; break;
    case KEY_UP: isUpPress = down; break;
    case KEY_RIGHT: isRightPress = down; break;
    case KEY_DOWN: isDownPress = down; break;
    case KEY_HOME:
    case KEY_SPACE: isSpacePress = down; break;
    case KEY_N: isNPress = down; break;
    case KEY_R: isRPress = down; break;
    case KEY_B: isBPress = down; break;
    default: break;
  }
}

void Interface::keyEvent() {
  for (int* held : {&isDownPress, &isUpPress, &isLeftPress, &isRightPress})
    if (*held) ++*held;
  isSpacePress = isNPress = isRPress = isBPress = false;
}

void drawCallback() {
  Interface ui;
  glClear(GL_COLOR_BUFFER_BIT);
  glColor3f(1, 1, 1);

  assert(ui.callBack != NULL);
  ui.callBack(&ui, ui.p);
  drawMuteMark(lowerLeft);

  waitForDeadline(ui);
  ui.setNextDrawTime();
  glutSwapBuffers();
  ui.keyEvent();
}

void keyDownCallback(int key, int, int) {
  Interface ui;
  ui.keyEvent(key, true);
}

void keyUpCallback(int key, int, int) {
  Interface ui;
  ui.keyEvent(key, false);
}

void keyboardCallback(unsigned char key, int, int) {
  Interface ui;
  if (key == KEY_MUTE) toggleMute();
  ui.keyEvent(static_cast<int>(key), true);
}
