/// @file
/// pause: the picture while a game is paused, the last frame dimmed to a
/// third of its light with "Paused: p to go on" over it in stroke letters.
#pragma once

#include "window.h"

/// Clears the window and shows the kept frame (picture.h) dimmed, with the
/// message across the middle of `field`. The caller shows the buffer.
void drawPausedFrame(const Field& field);
