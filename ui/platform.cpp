#include "platform.h"

#include <GL/glut.h>

#include <cstdint>
#include <cstdlib>

#include "input.h"
#include "sound.h"
#include "tessik.h"
#include "window.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#include <emscripten/html5.h>
#else
#include "clip.h"
#include "screenshot.h"
#endif

namespace {

// The shell's own keys that every platform leaves to it.
constexpr unsigned char KEY_PAUSE = 'p';
constexpr unsigned char KEY_MUTE = 'm';
constexpr unsigned char KEY_ESCAPE = 27;  // natively only

}  // namespace

void shellKey(unsigned char key) {
  Interface ui;
  if (key == KEY_PAUSE) ui.setPaused(!ui.isPaused());
  if (key == KEY_MUTE) toggleMute();
  if (key == KEY_ESCAPE) std::exit(0);
}

#ifdef __EMSCRIPTEN__

unsigned int startingSeed(char**) { return static_cast<unsigned int>(emscripten_random() * 4294967295.0); }

// The page's GLUT has no switch for key repeat, and it prevents the default
// action of every key it knows: its key handlers are given only first
// key-downs, and neither Esc nor a function key, which keep the browser's
// action (or the page's: F9).
void filterKeys() {
  EM_ASM({
    var browserKey = function(event) { return /^(Escape|F[0-9]+)$/.test(event.key); };
    window.removeEventListener("keydown", GLUT.onKeydown, true);
    window.removeEventListener("keyup", GLUT.onKeyup, true);
    window.addEventListener("keydown", function(event) {
      if (!event.repeat && !browserKey(event)) GLUT.onKeydown(event);
    }, true);
    window.addEventListener("keyup", function(event) {
      if (!browserKey(event)) GLUT.onKeyup(event);
    }, true);
  });
}

// Its GLUT would run an idle callback on its own timers beside the browser's
// loop, and a display callback on top of it, so neither is registered.
void registerFrameCallbacks() {}

namespace {

// A tab that was hidden comes back paused.
EM_BOOL visibilityChanged(int, const EmscriptenVisibilityChangeEvent* event, void*) {
  if (event->hidden) Interface().setPaused(true);
  return EM_FALSE;
}

}  // namespace

void registerServiceCallbacks() {
  emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, visibilityChanged);
}

namespace {

// A display refresh this close before a frame's time draws that frame.
constexpr double FRAME_EARLY_MS = 4;

}  // namespace

// The loop runs at every display refresh, and draws a frame at the refreshes
// where one is due: frames keep their times on any display, a refresh early
// or late. A loop on timers would stall at every touch: the browser holds its
// timers back while it waits to see whether a touch scrolls the page.
void runFrames(double framesPerSecond) {
  EM_ASM({
    var period = 1000 / $0;
    var next = 0;
    Module.preMainLoop = function() {
      var now = performance.now();
      if (now < next - $1) return false;
      next = (now - next > period ? now : next) + period;
      return true;
    };
  }, framesPerSecond, FRAME_EARLY_MS);
  emscripten_set_main_loop(drawCallback, 0, 1);
}

void waitForDeadline(unsigned int) {}

// Paused, the browser's loop goes on calling: each call shows the paused frame.
void idleWhilePaused(bool) {}

bool isShellKey(unsigned char key) { return key == KEY_PAUSE || key == KEY_MUTE; }
bool isShellSpecialKey(int) { return false; }
void shellSpecialKey(int) {}
bool isScreenshotWanted() { return false; }
void takeScreenshot(const std::string&) {}
void clipWindowFrame(bool) {}
void startReplayGif(const Options&, const std::string&) {}
void replayGifFrame(ReplayStep) {}

#else

unsigned int startingSeed(char** argv) { return static_cast<unsigned int>(reinterpret_cast<uintptr_t>(argv)); }

void filterKeys() { glutIgnoreKeyRepeat(1); }

void registerFrameCallbacks() {
  glutDisplayFunc(drawCallback);
  glutIdleFunc(drawCallback);
}

void registerServiceCallbacks() {
  glutReshapeFunc(reshapeCallback);
  glutWindowStatusFunc(windowStatusCallback);
}

void runFrames(double) { glutMainLoop(); }

namespace {

constexpr unsigned int TICKS_PER_MILLISECOND = 1000;
// While paused, the pads are read this often, so that Start can go on.
constexpr unsigned int PAUSED_READ_MILLISECONDS = 50;
// The shell's own keys that only a native window leaves to it.
constexpr int KEY_FULL_SCREEN = GLUT_KEY_F11;
constexpr int KEY_SCREENSHOT = GLUT_KEY_F12;
constexpr int KEY_CLIP = GLUT_KEY_F9;

}  // namespace

// Rounded to the nearest millisecond: truncating the wait would show every
// frame up to a millisecond early and run the loop fast.
void waitForDeadline(unsigned int ticks) {
  if (ticks) sleep((ticks + TICKS_PER_MILLISECOND / 2) / TICKS_PER_MILLISECOND);
}

namespace {

bool readingWhilePaused = false;  // a timer to read the pads is set

// One timer at a time reads the pads while paused, and sets the next; the
// first after going on sets none.
void readWhilePaused(int) {
  readingWhilePaused = Interface().isPaused();
  if (!readingWhilePaused) return;
  pollInput();
  glutTimerFunc(PAUSED_READ_MILLISECONDS, readWhilePaused, 0);
}

}  // namespace

// GLUT's display callback shows the paused frame when the window is resized
// or uncovered; a timer goes on reading the pads.
void idleWhilePaused(bool paused) {
  glutIdleFunc(paused ? nullptr : drawCallback);
  if (paused && !readingWhilePaused) {
    readingWhilePaused = true;
    glutTimerFunc(PAUSED_READ_MILLISECONDS, readWhilePaused, 0);
  }
}

bool isShellKey(unsigned char key) { return key == KEY_PAUSE || key == KEY_MUTE || key == KEY_ESCAPE; }
bool isShellSpecialKey(int key) { return key == KEY_FULL_SCREEN || key == KEY_SCREENSHOT || key == KEY_CLIP; }

void shellSpecialKey(int key) {
  Interface ui;
  if (key == KEY_CLIP) toggleClip(ui.getProgram(), ui.getOptions().scale, 1.0 / Interface::timePeriod);
  if (key == KEY_FULL_SCREEN) toggleFullScreen();
  if (key == KEY_SCREENSHOT) requestScreenshot(), glutPostRedisplay();
}

bool isScreenshotWanted() { return isScreenshotRequested(); }
void takeScreenshot(const std::string& program) { takeRequestedScreenshot(program, getView()); }

void clipWindowFrame(bool paused) {
  if (!paused) takeClipFrame();
  drawClipMark(Point(getField().left + getField().width, getField().bottom));
}

void startReplayGif(const Options& options, const std::string& program) {
  startReplayClip(options, program, replayLength(), 1.0 / Interface::timePeriod);
}

void replayGifFrame(ReplayStep step) {
  takeReplayClipFrame();
  if (step == ReplayStep::AS_RECORDED || step == ReplayStep::CUT_SHORT) saveReplayClip();
}

#endif
