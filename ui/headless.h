/// @file
/// headless: a GL context with no window and no display at all, for drawing
/// where no X server runs (--replay FILE --gif OUT).
///
/// Mesa's EGL on its surfaceless platform gives the context, in the
/// compatibility profile that the kit's immediate-mode drawing needs; it has
/// no window of its own and draws into framebuffers (offscreen.h). GLUT cannot
/// start without a display, so the picture's bitmap text is drawn here from
/// GLUT's own font tables with glBitmap, as GLUT draws it: the same glyphs,
/// the same pixels.
#pragma once

#include <string>

#include "window.h"

/// Opens the context and makes it current, set up as the shell sets up a
/// window's: cleared to black, the world `field` as its projection, bitmap
/// text drawn from GLUT's tables. False with the reason in `error` when no
/// context can be had.
bool openHeadlessContext(const Field& field, std::string& error);
