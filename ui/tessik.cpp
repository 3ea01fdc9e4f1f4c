#include "tessik.h"

#include <GL/glu.h>
#include <GL/glut.h>

#include <cassert>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>

#include "picture.h"
#include "replay.h"
#include "sound.h"
#include "strokefont.h"
#include "view.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#include <emscripten/html5.h>
#else
#include <GL/freeglut_ext.h>

#include "screenshot.h"
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

// The shell's own keys, which no game sees.
constexpr unsigned char KEY_PAUSE = 'p';
constexpr unsigned char KEY_MUTE = 'm';  // mutes and unmutes
constexpr unsigned char KEY_ESCAPE = 27;  // quits
constexpr int KEY_FULL_SCREEN = GLUT_KEY_F11;
constexpr int KEY_SCREENSHOT = GLUT_KEY_F12;

// While paused the last frame stays on screen at this share of its light,
// with the message over it in stroke letters this many units high a unit.
constexpr float PAUSED_LIGHT = 0.35f;
constexpr float PAUSED_TEXT_SIZE = 2.0f;
const char* const PAUSED_MESSAGE = "Paused: p to go on";

// What the shell keeps beyond the design's statics: the world's size, the
// window's place before full screen, and the services' flags.
struct Window {
  float left = 0, bottom = 0;  // the world's lower-left corner
  float worldWidth = 0, worldHeight = 0;
  View view{};
  bool fullScreen = false;
  int x = 0, y = 0, width = 0, height = 0;  // the window's place before full screen
  bool screenshotWanted = false;
} window;

// Recording or playing back, at most one of the two a run. A recording is
// finished when the program exits (Esc, the window closed: both end in exit).
struct Replay {
  Recorder recorder;
  Player player;
  bool playing = false;  // --replay or --verify
  bool windowless = false;  // --verify
} replay;

void startReplay();
bool isGameKey(int key);
ReplayStep playFrame();

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

// The page lays the canvas over the whole browser window. Before each frame
// its pixels are made to match its size on the page times the device's pixel
// ratio, so that the picture stays sharp, and the view follows.
void followCanvas() {
  double cssWidth = 0, cssHeight = 0;
  emscripten_get_element_css_size("#canvas", &cssWidth, &cssHeight);
  const double ratio = emscripten_get_device_pixel_ratio();
  const int width = int(cssWidth * ratio + 0.5), height = int(cssHeight * ratio + 0.5);
  int now = 0, nowHeight = 0;
  emscripten_get_canvas_element_size("#canvas", &now, &nowHeight);
  if (width == now && height == nowHeight && window.view.width > 0) return;
  emscripten_set_canvas_element_size("#canvas", width, height);
  reshapeCallback(width, height);
}

// A tab that was hidden comes back paused.
EM_BOOL visibilityChanged(int, const EmscriptenVisibilityChangeEvent* event, void*) {
  if (event->hidden) Interface().setPaused(true);
  return EM_FALSE;
}

void registerServiceCallbacks() {
  emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, visibilityChanged);
}

void runFrames() {
  emscripten_set_main_loop(drawCallback, int(1.0 / Interface::timePeriod + 0.5), 1);
}

void waitForDeadline(Interface&) {}

// Paused, the browser's loop goes on calling: each call shows the paused frame.
void idleWhilePaused(bool) {}

// F11, F12 and Esc stay the browser's own.
bool isShellKey(unsigned char key) { return key == KEY_PAUSE || key == KEY_MUTE; }
bool isShellSpecialKey(int) { return false; }
void toggleFullScreen() {}
void takeScreenshot() {}

#else

unsigned int startingSeed(char** argv) { return static_cast<unsigned int>(reinterpret_cast<uintptr_t>(argv)); }

void ignoreKeyRepeat() { glutIgnoreKeyRepeat(1); }

void registerFrameCallbacks() {
  glutDisplayFunc(drawCallback);
  glutIdleFunc(drawCallback);
}

void followCanvas() {}

void registerServiceCallbacks() {
  glutReshapeFunc(reshapeCallback);
  glutWindowStatusFunc(windowStatusCallback);
}

void runFrames() { glutMainLoop(); }

// Paused, nothing needs drawing until the window is resized or uncovered:
// the idle callback goes, and GLUT's display callback shows the paused frame.
void idleWhilePaused(bool paused) { glutIdleFunc(paused ? nullptr : drawCallback); }

bool isShellKey(unsigned char key) { return key == KEY_PAUSE || key == KEY_MUTE || key == KEY_ESCAPE; }
bool isShellSpecialKey(int key) { return key == KEY_FULL_SCREEN || key == KEY_SCREENSHOT; }

// Full screen covers the screen from its top-left corner; leaving it puts the
// window back where it was, as large as it was. The place is kept here and set
// explicitly, because without a window manager GLUT's own calls leave the
// window offset and forget where it stood.
void toggleFullScreen() {
  if (!window.fullScreen) {
    window.x = glutGet(GLUT_WINDOW_X), window.y = glutGet(GLUT_WINDOW_Y);
    window.width = glutGet(GLUT_WINDOW_WIDTH), window.height = glutGet(GLUT_WINDOW_HEIGHT);
    glutFullScreen();
    glutPositionWindow(0, 0);
    glutReshapeWindow(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
  } else {
    glutLeaveFullScreen();
    glutPositionWindow(window.x, window.y);
    glutReshapeWindow(window.width, window.height);
  }
  window.fullScreen = !window.fullScreen;
}

// The world's rectangle as shown, without the bars.
void takeScreenshot() {
  const View& v = window.view;
  saveScreenshot(Interface::program, v.x, v.y, v.width, v.height);
}

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
  startReplay();  // an ERROR line and exit 1 for a bad recording, before any window
  srand(seed);
  setMuted(options.muted);
  if (replay.playing) setSoundOutput(false);  // a replay makes no sound
  if (replay.windowless) {
    setPictureOutput(false);  // no window, no GL: the picture is only summed
    initialized = true;
    return;
  }
  glutInit(&argc, argv);
  window.left = float(int(topLeft.getX())), window.bottom = float(int(bottomRight.getY()));
  window.worldWidth = float(int(bottomRight.getX() - topLeft.getX()));
  window.worldHeight = float(int(topLeft.getY() - bottomRight.getY()));
  glutInitWindowSize(int(bottomRight.getX() - topLeft.getX()) * options.scale,
                     int(topLeft.getY() - bottomRight.getY()) * options.scale);
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
  if (replay.windowless) {
    for (;;) {
      playFrame();  // exits at the recording's end, or where it differs
      keyEvent();
    }
  }
  registerServiceCallbacks();
  if (options.fullscreen) toggleFullScreen();
  runFrames();
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
  if (replay.playing) return;
  const std::pair<int, bool> keys[] = {{KEY_DOWN, isDownPress}, {KEY_UP, isUpPress},
                                       {KEY_LEFT, isLeftPress}, {KEY_RIGHT, isRightPress},
                                       {KEY_SPACE, isSpacePress}, {KEY_N, isNPress},
                                       {KEY_R, isRPress}, {KEY_B, isBPress}};
  for (const auto& [code, held] : keys)
    if (held) keyEvent(code, false);
}

bool Interface::isReplaying() const { return replay.playing; }

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
  if (isGameKey(key)) replay.recorder.key(key, down);
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

namespace {

// The shell's key table (keyEvent) knows the code.
bool isGameKey(int key) {
  for (int code : {KEY_LEFT, KEY_UP, KEY_RIGHT, KEY_DOWN, KEY_HOME, KEY_SPACE, KEY_N, KEY_R, KEY_B})
    if (key == code) return true;
  return false;
}

// The line on the error stream, and exit status 1.
[[noreturn]] void failWith(const std::string& line) {
  std::fprintf(stderr, "%s\n", line.c_str());
  std::exit(1);
}

// Reads --replay's or --verify's recording, whose seed replaces the shell's,
// or starts --record's file.
void startReplay() {
  const Options& options = Interface::options;
  std::string error;
  const std::string& playback = options.verify.empty() ? options.replay : options.verify;
  if (!playback.empty()) {
    Recording recording;
    if (!readRecording(playback, Interface::program, recording, error)) failWith(error);
    Interface::seed = recording.seed;
    replay.player = Player(std::move(recording));
    replay.playing = true;
    replay.windowless = !options.verify.empty();
  } else if (!options.record.empty() && !replay.recorder.open(options.record, Interface::program,
                                                              Interface::seed, error)) {
    failWith(error);
  }
}

// Whether the person's game keys reach the game: not while paused, and not
// while a recording plays back (its own keys do).
bool takesKeys() { return !Interface::paused && !replay.playing; }

// Ends a replay whose last frame was drawn: the verdict, and its exit status.
void endReplay(ReplayStep step) {
  const std::string verdict = replay.player.verdict(step);
  if (step == ReplayStep::DIFFERS) failWith(verdict);
  std::printf("%s\n", verdict.c_str());
  std::exit(0);
}

// The game's frame, with no GL of its own: its keys when played back, its
// picture, and the picture's checksum recorded or compared.
ReplayStep playFrame() {
  Interface ui;
  if (replay.playing && replay.player.getFrames() == 0 && replay.player.atStart() != ReplayStep::GOING)
    endReplay(replay.player.atStart());  // a recording of no frames
  startPicture();
  if (replay.playing) replay.player.keysForNextFrame([&ui](int code, bool down) { ui.keyEvent(code, down); });
  pictureColour(1, 1, 1);
  assert(ui.callBack != NULL);
  ui.callBack(&ui, ui.p);
  const bool checked = replay.recorder.checksNextFrame() || replay.player.checksNextFrame();
  const uint64_t sum = checked ? pictureChecksum() : 0;
  replay.recorder.frameDrawn(sum);
  if (!replay.playing) return ReplayStep::GOING;
  const ReplayStep step = replay.player.frameDrawn(sum);
  if (step != ReplayStep::GOING && replay.windowless) endReplay(step);
  return step;
}

// The screenshot F12 asked for, if it did, of the picture drawn so far.
void takeWantedScreenshot() {
  if (!window.screenshotWanted) return;
  takeScreenshot();
  window.screenshotWanted = false;
}

// The last frame again, dimmed, with the message over it; a screenshot asked
// for meanwhile is taken of the frame at full light first.
void drawPaused() {
  if (window.screenshotWanted) {
    glClear(GL_COLOR_BUFFER_BIT);
    redrawPicture(1.0f);
    takeWantedScreenshot();
  }
  glClear(GL_COLOR_BUFFER_BIT);
  redrawPicture(PAUSED_LIGHT);
  glColor3f(1, 1, 1);
  const float width = float(std::strlen(PAUSED_MESSAGE)) * STROKE_PITCH * PAUSED_TEXT_SIZE;
  const float left = window.left + (window.worldWidth - width) / 2;
  const float middle = window.bottom + window.worldHeight / 2;
  drawStrokeText(Point(left, middle), PAUSED_MESSAGE, PAUSED_TEXT_SIZE);
  glutSwapBuffers();
}

}  // namespace

void drawCallback() {
  Interface ui;
  followCanvas();
  if (ui.paused) return drawPaused();
  glClear(GL_COLOR_BUFFER_BIT);
  const ReplayStep step = playFrame();
  drawMuteMark(Point(window.left, window.bottom));
  takeWantedScreenshot();

  if (!(replay.playing && Interface::options.fast)) waitForDeadline(ui);
  ui.setNextDrawTime();
  glutSwapBuffers();
  if (step != ReplayStep::GOING) endReplay(step);
  ui.keyEvent();
}

void reshapeCallback(int width, int height) {
  window.view = fitView(width, height, window.worldWidth, window.worldHeight);
  applyView(window.view);
  glutPostRedisplay();
}

// A window that is minimised or hidden pauses, and stays paused until p.
void windowStatusCallback(int state) {
  if (state == GLUT_HIDDEN || state == GLUT_FULLY_COVERED) Interface().setPaused(true);
}

void keyDownCallback(int key, int, int) {
  Interface ui;
  if (isShellSpecialKey(key)) {
    if (key == KEY_FULL_SCREEN) toggleFullScreen();
    if (key == KEY_SCREENSHOT) window.screenshotWanted = true, glutPostRedisplay();
  } else if (takesKeys()) {
    ui.keyEvent(key, true);
  }
}

void keyUpCallback(int key, int, int) {
  Interface ui;
  if (takesKeys()) ui.keyEvent(key, false);
}

void keyboardCallback(unsigned char key, int, int) {
  Interface ui;
  if (isShellKey(key)) {
    if (key == KEY_PAUSE) ui.setPaused(!ui.paused);
    if (key == KEY_MUTE) toggleMute();
    if (key == KEY_ESCAPE) std::exit(0);
  } else if (takesKeys()) {
    ui.keyEvent(static_cast<int>(key), true);
  }
}
