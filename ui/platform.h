/// @file
/// platform: what differs between the shell built natively and built for
/// the browser, in one place.
///
/// Natively GLUT's loop owns the thread: the shell's drawCallback is its
/// display and idle callback, and each frame sleeps out the rest of its
/// period. A page must get the thread back between frames, so in the browser
/// the browser's main loop, run at each display refresh, calls drawCallback
/// at the refreshes where a frame is due, and nothing sleeps. F11, F12 and
/// Esc stay the browser's own there, and F9 the page's (a video); clips as
/// GIFs (F9 and --gif, clip.h) are native only.
#pragma once

#include <string>

#include "options.h"
#include "replay.h"

/// The seed rand() starts from when none is given: natively the address of
/// argv, which moves from run to run; in the browser, where argv lies at the
/// same address every time, a random one.
unsigned int startingSeed(char** argv);
/// Holding a key gives one key-down, not a stream of them. In the browser,
/// Esc and the function keys do not reach the shell at all: F11, F12 and Esc
/// keep the browser's own actions, and F9 is the page's (it records a video).
void filterKeys();
/// Registers the frame's callbacks with GLUT (natively; the browser's loop
/// calls the frame itself).
void registerFrameCallbacks();
/// Registers the callbacks of the window's services: its size, its being
/// hidden (natively) or the tab's being hidden (in the browser).
void registerServiceCallbacks();
/// Hands the thread to the loop that calls drawCallback `framesPerSecond`
/// times a second. Natively it never returns. In the browser the page's
/// Module.postMainLoop, if it has one, runs after each frame.
void runFrames(double framesPerSecond);
/// Natively, sleeps `ticks` microseconds, rounded to the nearest millisecond;
/// nothing in the browser, whose loop paces the frames.
void waitForDeadline(unsigned int ticks);
/// Paused, natively nothing is drawn until the window needs it again: the
/// idle callback goes while paused and comes back after, and meanwhile a
/// timer reads the pads (input.h) 20 times a second. In the browser the loop
/// goes on calling the frame, which reads them.
void idleWhilePaused(bool paused);

/// Whether a character is one of the shell's own keys here: p, m (and Esc natively).
bool isShellKey(unsigned char key);
/// Acts on one of the shell's own character keys: p pauses and goes on, m
/// mutes and unmutes, Esc ends the program with status 0.
void shellKey(unsigned char key);
/// Whether a special key is one of the shell's own here: F9, F11 and F12 natively.
bool isShellSpecialKey(int key);
/// Acts on one of the shell's own special keys: F9 starts a clip or ends it,
/// F11 toggles full screen, F12 asks for a screenshot of the next frame.
void shellSpecialKey(int key);
/// Whether a screenshot was asked for and not taken yet.
bool isScreenshotWanted();
/// Takes the screenshot asked for, if one was, of the frame drawn so far.
void takeScreenshot(const std::string& program);
/// Natively, once the frame is drawn and its screenshot taken: the frame goes
/// into the clip being taken, if one is, unless `paused`; then the clip's red
/// dot shows over it.
void clipWindowFrame(bool paused);
/// Natively, with --gif: checks the clip of the replay and opens a GL context
/// with no display, before any frame; an ERROR line and exit status 1 if it cannot.
void startReplayGif(const Options& options, const std::string& program);
/// Natively, with --gif, after each frame played back: the frame goes into
/// the clip, and a good end saves it and exits.
void replayGifFrame(ReplayStep step);
