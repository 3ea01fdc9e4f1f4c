/// @file
/// window: the window the world is shown in, on the screen or in the page.
///
/// It keeps the world's rectangle and where it stands in the window (view.h):
/// as large as fits, centred, its shape kept, with black bars beside or above
/// it. It takes the window to full screen and back. In the browser the window
/// is the page's canvas, which covers the browser window; its pixels follow
/// its size on the page times the device's pixel ratio.
#pragma once

#include "view.h"

/// The world's rectangle, in world units.
struct Field {
  float left = 0;    ///< its left edge
  float bottom = 0;  ///< its bottom edge
  float width = 0;   ///< its width
  float height = 0;  ///< its height
};

/// Sets the world's rectangle, before the window first shows.
void setField(const Field& field);
/// The world's rectangle.
const Field& getField();

/// The window took a new size, in pixels: the world is fitted into it and GL
/// told so (applyView), and the window asked to be drawn again.
void fitWindow(int width, int height);
/// Where the world stands in the window now.
const View& getView();

/// Full screen and back. Full screen covers the screen from its top-left
/// corner; leaving it puts the window back where it was, as large as it was.
/// Nothing in the browser, where F11 is the browser's own.
void toggleFullScreen();

/// In the browser, before each frame: the canvas's pixels are made to match
/// its size on the page times the device's pixel ratio, and the view follows;
/// the page's Module.fieldPlaced(left, top, width, height), if it has one, is
/// told where the field now stands, in CSS pixels from the canvas's top left.
/// Nothing natively, where GLUT reports every new size.
void followCanvas();
