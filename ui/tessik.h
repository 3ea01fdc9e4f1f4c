/// @file
/// tessik: the interaction shell between GLUT and a game.
///
/// Opens one double-buffered window over a world rectangle (orthographic
/// projection equal to that rectangle, y up), owns the GLUT loop, keeps the
/// keyboard state and calls the game's frame callback 30 times a second.
/// All state is static: every Interface object is a view of the one shell.
///
/// Each frame: clear to black, set white, call the game, wait out the rest of
/// the 1/30 s, show the frame, age the keys. The command line (options.h) is
/// read before the window opens. The keys, as the game sees them:
///
///   Left, Up, Right, Down (or the characters d, e, f, g)  isLeft() ... isDown()
///       hold count: 1 in the first frame the key is down, then 2, 3, ...; 0 once released
///   space (or Home, or j), n, r, b                        isSpace(), isN(), isR(), isB()
///       one-shot: true in exactly one frame per press, however long it is held
///
/// Holding a key never repeats it. The characters d, e, f, g have no release:
/// their count runs on until the arrow itself is released. Other keys are ignored.
///
/// The shell's own keys, which no game sees:
///
///   p     pauses and goes on (a hidden or minimised window pauses by itself)
///   m     mutes and unmutes the sound (sound.h); --mute starts muted
///   Esc   quits, with status 0, as closing the window does
///   F9    starts a clip, and F9 again saves it as `<program>-<date>-<time>.gif`
///         in the current folder (clip.h); a clip ends by itself after 60 s of play
///   F11   full screen and back
///   F12   saves the picture as `<program>-<date>-<time>.png` in the current folder
///
/// A gamepad plays every game with no code of the game's (input.h): natively
/// through SDL's game-controller subsystem, in the browser through the page's
/// gamepads of the standard mapping. It presses the keys above:
///
///   d-pad, or the left stick beyond half its travel   Left, Up, Right, Down
///   south button (A, cross)                           space
///   east button (B, circle)                           b
///   north button (Y, triangle)                        r
///   west button (X, square)                           n
///   Start                                             p
///   Back / Select                                     m
///
/// The stick holds an arrow beyond half its travel (16384 in SDL's units, 0.5
/// in the browser's) and lets go once back within 40% (13107, 0.4), so that a
/// stick resting near the line does not chatter; a diagonal holds two arrows.
/// The pads are read at the start of every frame, and 20 times a second while
/// paused. A key held from the keyboard and a pad is held until both let go.
/// Plugging a pad in prints "gamepad connected: NAME" on the error stream;
/// pulling it out lets go of what it held, prints "gamepad disconnected: NAME"
/// and pauses. A recording keeps the keys a pad pressed.
///
/// Recording and replaying (replay.h): with --record FILE every key change the
/// game sees is written with its frame, and every 30 frames the picture's
/// checksum. With --replay FILE the recorded changes are fed in at their
/// frames instead of the person's game keys (the shell's own keys still work),
/// at 30 frames a second or, with --fast, as fast as it goes; --verify FILE
/// does the same with no window, no GL and no GLUT at all. Either ends with
/// "Replay: N frames, as recorded" (or "cut short") and exit status 0, or at
/// the first picture that differs with an ERROR line and exit status 1.
/// --replay FILE --gif OUT checks the recording as --verify does, with no
/// window and no display either, and keeps its frames (--from S, --to S:
/// those shown from S seconds on, before S seconds) as an animated GIF in
/// OUT, at --scale: "Saved OUT (N frames)" and exit status 0.
///
/// The window may take any size: the world is drawn as large as fits, centred,
/// its shape kept, with black bars beside or above it; lines, dots and text
/// grow with it (view.h). In the browser, p and m work too (a tab that was hidden
/// comes back paused), and F11, F12 and Esc are the browser's own. A touch
/// screen there shows a button for each of the game's keys and for p and m,
/// pressed from KeySource::TOUCH (input.h, docs/browser.md), and F9 records
/// the canvas as a video.
///
/// Built for the browser, the window is the page's canvas and the browser's
/// main loop paces the frames instead of a sleep (platform.h).
#pragma once

#include <string>

#include "options.h"
#include "point.h"

/// Where a key change comes from. A key is held while any source holds it,
/// and let go when the last one lets it go; its hold count runs on,
/// uninterrupted, while it passes from one source to another.
enum class KeySource { KEYBOARD, GAMEPAD, TOUCH };

/// The shell: every object is a view of its one static state.
class Interface {
 public:
  /// The game's frame callback: a read-only view of the shell and the opaque
  /// pointer handed to run().
  using CallBack = void (*)(const Interface*, void*);
  /// Where frame pacing reads the time: 1,000,000 ticks a second, wrapping at 2^32.
  using TickSource = unsigned int (*)();

  /// A view of the shell, for use inside callbacks; sets up a default window
  /// only if none exists yet.
  Interface() { initialize(0, nullptr, "Window", Point(-50, 50), Point(50, -50)); }
  /// Reads the command line (options.h: a bad one gets an ERROR line and exit
  /// status 1), then opens the window titled `title` at screen position
  /// (10, 10) over the world rectangle topLeft..bottomRight: as many pixels
  /// wide and high as the rectangle is, one world unit a pixel. Seeds rand()
  /// with --seed's value, or afresh for every run. GLUT takes its own options
  /// from argv. Only the first construction of a program does this; later
  /// ones are views.
  Interface(int argc, char** argv, const char* title, Point topLeft, Point bottomRight) {
    initialize(argc, argv, title, topLeft, bottomRight);
  }
  ~Interface() {}

  /// One-time window set-up (seeds rand, creates the window, installs the
  /// projection and the callbacks). Later calls do nothing.
  void initialize(int argc, char** argv, const char* title, Point topLeft, Point bottomRight);

  /// Stores the callback and its pointer, then hands the thread to GLUT's loop
  /// (in the browser, to the browser's main loop): from now on callBack(ui, p)
  /// runs once a frame. With a real window it never returns.
  void run(CallBack callBack, void* p);

  /// True once the current frame's deadline has come (or was missed).
  bool isTimeToDraw();
  /// Sets the next frame's deadline one period after now.
  void setNextDrawTime();
  /// The current frame's deadline in ticks.
  unsigned int getNextTick() { return nextTick; }
  /// Ticks left until the deadline: 0 when it has come, never more than one period.
  unsigned int ticksToWait();
  /// Sets the frames a second (30 unless changed). Asserts rate > 0.
  void setFramesPerSecond(double rate);

  /// Records a key going down (true) or up (false) from `source`; see the key
  /// table in tessik.cpp. A key already held from another source stays held
  /// (a down changes nothing, an up lets go only the source's own hold); a
  /// down from the source that holds it already restarts its count at 1.
  void keyEvent(int key, bool down, KeySource source = KeySource::KEYBOARD);
  /// Ages the key state after a frame: held arrows count up, one-shot flags clear.
  void keyEvent();

  /// Hold counts of the arrows: 0 when up, 1 in the first frame, then 2, 3, ...
  int isDown() const { return isDownPress; }
  int isUp() const { return isUpPress; }        ///< as isDown()
  int isLeft() const { return isLeftPress; }    ///< as isDown()
  int isRight() const { return isRightPress; }  ///< as isDown()
  /// One-shot keys: true in exactly the first frame after the key went down.
  bool isSpace() const { return isSpacePress; }
  bool isN() const { return isNPress; }  ///< as isSpace()
  bool isR() const { return isRPress; }  ///< as isSpace()
  bool isB() const { return isBPress; }  ///< the sonic boom (the b key), as isSpace()

  /// Pausing stops the frames: the game is neither stepped nor drawn and sees
  /// no keys (the keys held are let go, and keys pressed meanwhile are lost);
  /// the last frame stays on screen, dimmed. Going on draws the next frame at once.
  void setPaused(bool on);
  /// Whether the game is paused.
  bool isPaused() const { return paused; }
  /// Lets go of every key, from every source: counts to 0, one-shot flags off.
  void clearKeys();
  /// Whether a person's game keys, from any source, reach the game now: not
  /// while paused, and not while a recording plays back (its own keys do).
  bool takesKeys() const;

  /// Whether this run plays a recording back (--replay or --verify): such a
  /// run keeps no high scores and makes no sound.
  bool isReplaying() const;

  /// The seed rand() was given at the start: --seed's, or the one the shell chose.
  unsigned int getSeed() const { return seed; }
  /// The command line as read at the start.
  const Options& getOptions() const { return options; }
  /// The program's name, from argv[0] ("gallery").
  const std::string& getProgram() const { return program; }

  static int isDownPress;     ///< Down's hold count
  static int isUpPress;       ///< Up's hold count
  static int isLeftPress;     ///< Left's hold count
  static int isRightPress;    ///< Right's hold count
  static bool isSpacePress;   ///< space (or Home, or j) went down this frame
  static bool isNPress;       ///< n went down this frame
  static bool isRPress;       ///< r went down this frame
  static bool isBPress;       ///< b went down this frame
  static bool initialized;    ///< the window is set up: later initialize() calls do nothing
  static unsigned int nextTick;  ///< the tick before which this frame is not shown
  static double timePeriod;   ///< seconds a frame
  static CallBack callBack;   ///< the game's frame callback, null until run()
  static void* p;             ///< the pointer handed to every callBack
  static TickSource tickSource;  ///< the clock frames are paced by
  static Options options;     ///< the command line
  static std::string program; ///< the program's name
  static unsigned int seed;   ///< the seed rand() started from
  static bool paused;         ///< the game is paused
};

/// The monotonic wall clock in microseconds, truncated to 32 bits.
unsigned int monotonicTicks();

/// Blocks the calling thread for `milliseconds`, resuming after interruptions.
void sleep(unsigned long milliseconds);

/// One frame: clear, call the game, wait out the period (natively), swap, age the keys.
void drawCallback();
/// The window took a new size: the world is fitted into it (view.h).
void reshapeCallback(int width, int height);
/// The window was shown, covered or hidden: hidden, the game pauses.
void windowStatusCallback(int state);
/// GLUT's special-key down callback. The shell takes its own keys (F9, F11,
/// F12) before the game's key table.
void keyDownCallback(int key, int x, int y);
/// GLUT's special-key up callback.
void keyUpCallback(int key, int x, int y);
/// GLUT's character-key callback. The shell takes its own keys (p, m, Esc)
/// before the game's key table.
void keyboardCallback(unsigned char key, int x, int y);
