/// @file
/// offscreen: the kept picture (picture.h) drawn again into a framebuffer of
/// its own and read back as pixels: what a window of that size shows, the
/// same pixels as a screenshot of it, whatever size the window on the screen
/// has. It needs a current GL context: the window's, or one with no display
/// at all (headless.h).
#pragma once

#include <vector>

#include "window.h"

/// Draws the kept picture as a window `width` by `height` pixels shows a world
/// of `field`'s size (view.h) and reads it into `rgb`: 3 bytes a pixel (red,
/// green, blue), rows from the bottom as GL reads them. GL draws into the
/// window again afterwards, through `windowView`. The framebuffer is kept for
/// the next call of the same size.
void readPictureAt(int width, int height, const Field& field, const View& windowView,
                   std::vector<unsigned char>& rgb);
