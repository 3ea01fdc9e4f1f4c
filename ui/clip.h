/// @file
/// clip: moments of play kept as animated GIFs (gif.h), taken in the window
/// with F9, or made from a recording with no display at all
/// (--replay FILE --gif OUT).
///
/// A clip holds a GIF frame for every frame of the game it spans: the kept
/// picture (picture.h) as a window of the world's size times --scale shows
/// it, whatever size the window has, drawn again into a framebuffer of that
/// size and read back (offscreen.h). The frame loop only copies the pixels; a
/// thread of the clips' own encodes them, in order.
///
/// In the window, F9 starts a clip and F9 again ends it, as do 60 seconds of
/// play (paused, no frames are taken). It is saved in the current folder as
/// `<program>-<date>-<time>.gif`, named after its start as a screenshot is
/// (screenshot.h), with "Saved <file>" on standard output or one line on the
/// error stream, and the game goes on. A clip still being taken when the
/// program ends (Esc and a closed window both exit) is saved then. While one
/// is taken, a small red dot shows in the window's lower-right corner, drawn
/// straight to GL after the clip's frame and the screenshot: it is in neither,
/// nor in the picture or its checksum.
#pragma once

#include <string>

#include "options.h"
#include "point.h"

/// Starts a clip of `program`, `scale` pixels a world unit, played at
/// `framesPerSecond`; or ends the one being taken and saves it.
void toggleClip(const std::string& program, int scale, double framesPerSecond);
/// After a frame is drawn in the window: takes it into the clip being taken, if any.
void takeClipFrame();
/// While a clip is being taken, draws its red dot near `corner`, the world's
/// lower-right corner.
void drawClipMark(const Point& corner);

/// With --gif, before any frame: refuses, with an ERROR line, the usage and
/// exit status 1, a --from at or past the end of the recording (of
/// `recordedFrames` frames at `framesPerSecond`) or one that leaves no frame
/// before --to, and an OUT that cannot be written; then opens a GL context
/// with no display (headless.h), or ends with an ERROR line and status 1.
void startReplayClip(const Options& options, const std::string& program, long recordedFrames,
                     double framesPerSecond);
/// With --gif, after each frame played back: takes it into the clip when
/// --from and --to take it (frame F is shown at (F - 1) / framesPerSecond s).
void takeReplayClipFrame();
/// With --gif, at the end of a playback that did not differ: writes OUT, says
/// "Saved OUT (N frames)" and exits with status 0, or with an ERROR line and
/// status 1 when OUT cannot be written (and is not left behind). Without
/// --gif, nothing. A playback that ends otherwise leaves no OUT.
void saveReplayClip();
