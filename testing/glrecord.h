/// @file
/// Recording stand-in for the GL, GLU and GLUT calls the kit makes.
///
/// Linked into unit tests in place of the real libraries: every call is
/// appended to one log, in order, with its arguments, so a test can check
/// exact vertices, colours, primitive kinds and raster text. GLUT's window
/// calls do nothing but record; glutMainLoop returns at once.
#pragma once

#include <GL/glut.h>

#include <iosfwd>
#include <string>
#include <vector>

namespace glrecord {

/// One call: the function's name and its numeric arguments in order.
/// Bitmap characters also carry the font they were drawn with.
struct Call {
  std::string name;            ///< the function's name
  std::vector<double> args;    ///< its numeric arguments
  const void* font = nullptr;  ///< the font of a bitmap character
};

/// A vertex as given to GL, in world units.
struct Vertex {
  /// Its place.
  ///@{
  float x, y;
  ///@}
  bool operator==(const Vertex& o) const { return x == o.x && y == o.y; }  ///< both parts equal
};

/// A colour's red, green and blue, shares from 0 to 1.
struct Colour {
  /// Its parts.
  ///@{
  float r, g, b;
  ///@}
  bool operator==(const Colour& o) const { return r == o.r && g == o.g && b == o.b; }  ///< every part equal
};

/// A glBegin/glEnd pair with the vertices and colours set inside it.
struct Primitive {
  GLenum mode;                   ///< GL_LINES, GL_POLYGON ...
  std::vector<Vertex> vertices;  ///< in order
  std::vector<Colour> colours;   ///< in order
};

/// Forgets every recorded call (the registered GLUT callbacks are kept).
void reset();

/// Every call since the last reset, oldest first.
const std::vector<Call>& calls();

/// Names of the calls since the last reset, oldest first.
std::vector<std::string> names();

/// The completed glBegin/glEnd pairs since the last reset, in order.
std::vector<Primitive> primitives();

/// Every vertex since the last reset, whatever primitive it belongs to.
std::vector<Vertex> vertices();

/// Every colour set since the last reset, inside or outside a primitive.
std::vector<Colour> colours();

/// The characters drawn with glutBitmapCharacter since the last reset.
std::string bitmapText();

/// The callbacks the program handed to GLUT (null until registered).
struct Callbacks {
  /// One for each glut...Func the kit calls.
  ///@{
  void (*display)() = nullptr;
  void (*idle)() = nullptr;
  void (*keyboard)(unsigned char, int, int) = nullptr;
  void (*special)(int, int, int) = nullptr;
  void (*specialUp)(int, int, int) = nullptr;
  void (*reshape)(int, int) = nullptr;
  void (*windowStatus)(int) = nullptr;
  ///@}
};
/// The callbacks registered so far.
const Callbacks& callbacks();

/// What glutGet reports of the window and the screen. glutPositionWindow and
/// glutReshapeWindow move and size the window here.
struct Screen {
  /// The window's place and size.
  ///@{
  int x = 10, y = 10, width = 400, height = 400;
  ///@}
  /// The screen's size.
  ///@{
  int screenWidth = 1920, screenHeight = 1080;
  ///@}
};
/// The window and the screen, for a test to change.
Screen& screen();

/// A vertex or a colour in a test's failure message.
///@{
std::ostream& operator<<(std::ostream& os, const Vertex& v);
std::ostream& operator<<(std::ostream& os, const Colour& c);
///@}

}  // namespace glrecord
