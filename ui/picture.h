/// @file
/// picture: the frame's drawing on its way to GL, kept until the next frame.
///
/// The drawing library sends every shape, colour and line of text through
/// here. Each is passed on to GL at once (unless the output is off) and kept,
/// so that the shell can show the frame again (dimmed, while paused), and sum
/// it up: the checksum covers every shape kind, vertex, colour and text of the
/// frame, in order, and does not depend on the window's size.
#pragma once

#include <cstdint>

#include "point.h"

/// The bitmap fonts text can be drawn in.
enum class Font { HELVETICA_12, EIGHT_BY_13 };

/// A shape: beginShape(GL mode), any colours and vertices, endShape().
/// A colour set inside a shape applies to the vertices after it; one set
/// outside lasts until the next.
///@{
void beginShape(unsigned int mode);
void pictureColour(float red, float green, float blue);
void shapeVertex(float x, float y);
void endShape();
///@}
/// A line of text from `at` (the raster position) in `font`. Bitmap text
/// keeps its size in pixels, so at a pixel scale below 1 or from 2 on (and
/// always in the browser, which has no bitmap fonts) the stroke font, which
/// scales with the world, stands in for it.
void pictureText(const Point& at, Font font, const char* text);

/// Forgets the kept frame: the shell calls it before each frame.
void startPicture();
/// The kept frame's checksum (FNV-1a, 64 bits).
uint64_t pictureChecksum();
/// Sends the kept frame to GL again with every colour times `light` (0 to 1).
void redrawPicture(float light);
/// Whether shapes and text go on to GL (true unless set): off, they are only
/// kept and summed, and nothing touches GL or GLUT (no window at all).
void setPictureOutput(bool toGL);
/// Whether what is drawn from now on counts in the checksum (true unless
/// set): what depends on more than the game's seed and keys (a table of high
/// scores read from a file, say) is drawn uncounted, so that a replay of the
/// same game sums up the same wherever it is played.
void setPictureCounted(bool counted);
/// Bytes of heap the kept frame holds: its storage stays from frame to frame,
/// as large as the largest frame drawn so far.
long pictureHeapBytes();
/// Window pixels a world unit (1 until set), for the choice of font.
void setPixelScale(float pixelsPerUnit);
/// Draws one bitmap character of `font` at the raster position, and moves it on.
using BitmapCharacter = void (*)(Font font, unsigned char character);
/// How bitmap text reaches GL: through GLUT unless set. GLUT cannot start
/// without a display, so a GL context with none (headless.h) sets a `draw`
/// of its own, for the same glyphs.
void setBitmapCharacter(BitmapCharacter draw);
