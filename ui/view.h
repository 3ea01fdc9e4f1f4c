/// @file
/// view: where the world rectangle stands in a window of any size.
///
/// The world is drawn as large as the window allows, centred, with its shape
/// kept and black bars beside or above it. Lines and dots grow with it, in
/// whole pixels and never thinner than one, and text follows (picture.h).
#pragma once

/// Where the world stands in the window, and how large.
struct View {
  /// The world's lower-left corner in the window, pixels from its lower left.
  ///@{
  int x, y;
  ///@}
  /// The world's size on the screen, pixels.
  ///@{
  int width, height;
  ///@}
  float pixelsPerUnit;  ///< window pixels a world unit
  int lineWidth;        ///< pixels, for lines and dots alike
};

/// The view of a world `worldWidth` by `worldHeight` units in a window of
/// `windowWidth` by `windowHeight` pixels. A window of no area gets a view of
/// no area.
View fitView(int windowWidth, int windowHeight, float worldWidth, float worldHeight);

/// Sets GL's viewport, line width and point size to the view, and tells the
/// picture the scale its text is drawn at and the shapes (glshape.h) the width
/// of their lines and dots.
void applyView(const View& view);
