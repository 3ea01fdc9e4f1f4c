#include "glshape.h"

#include <GL/gl.h>

#ifdef __EMSCRIPTEN__

#include <cmath>
#include <vector>

namespace {

struct Vertex {
  float x, y;
  float rgb[3];
};

struct Shape {
  GLenum mode = 0;
  bool open = false;      // between glShapeBegin() and glShapeEnd()
  bool coloured = false;  // a colour was set since glShapeBegin()
  bool widened = false;   // lines or dots kept, to be sent as triangles at the end
  float rgb[3] = {1, 1, 1};      // the colour set last, inside a shape or outside
  std::vector<Vertex> vertices;  // a widened shape's, kept from shape to shape
} shape;

// Lines and dots this many window pixels wide, at this many pixels a world unit.
struct LineWidth {
  int pixels = 1;
  float pixelsPerUnit = 1;
} lineWidth;

bool isLineOrDot(GLenum mode) {
  return mode == GL_POINTS || mode == GL_LINES || mode == GL_LINE_STRIP || mode == GL_LINE_LOOP;
}

void sendVertex(const Vertex& v, float dx, float dy) {
  glColor3f(v.rgb[0], v.rgb[1], v.rgb[2]);
  glVertex2f(v.x + dx, v.y + dy);
}

// The line a..b as two triangles, `half` world units to each side of it
// along the axis it runs less along, its ends square to that axis.
void sendThickLine(const Vertex& a, const Vertex& b, float half) {
  const bool acrossMore = std::fabs(b.x - a.x) >= std::fabs(b.y - a.y);
  const float dx = acrossMore ? 0 : half, dy = acrossMore ? half : 0;
  sendVertex(a, -dx, -dy), sendVertex(a, dx, dy), sendVertex(b, dx, dy);
  sendVertex(a, -dx, -dy), sendVertex(b, dx, dy), sendVertex(b, -dx, -dy);
}

// A dot as a square `half` world units to each side of its centre.
void sendSquare(const Vertex& v, float half) {
  Vertex left = v, right = v;
  left.x -= half, right.x += half;
  sendThickLine(left, right, half);
}

// The kept lines or dots of the shape, as triangles, in the colours their vertices had.
void sendWidened() {
  const std::vector<Vertex>& v = shape.vertices;
  const size_t n = v.size();
  const float half = float(lineWidth.pixels) / lineWidth.pixelsPerUnit / 2;
  glBegin(GL_TRIANGLES);
  if (shape.mode == GL_POINTS)
    for (const Vertex& dot : v) sendSquare(dot, half);
  if (shape.mode == GL_LINES)
    for (size_t i = 1; i < n; i += 2) sendThickLine(v[i - 1], v[i], half);
  if (shape.mode == GL_LINE_STRIP || shape.mode == GL_LINE_LOOP)
    for (size_t i = 1; i < n; i++) sendThickLine(v[i - 1], v[i], half);
  if (shape.mode == GL_LINE_LOOP && n > 2) sendThickLine(v[n - 1], v[0], half);
  glEnd();
}

}  // namespace

void glShapeBegin(unsigned int mode) {
  shape.mode = mode;
  shape.open = true;
  shape.coloured = false;
  shape.widened = lineWidth.pixels > 1 && lineWidth.pixelsPerUnit > 0 && isLineOrDot(mode);
  shape.vertices.clear();
  if (!shape.widened) glBegin(mode);
}

void glShapeColour(float red, float green, float blue) {
  shape.rgb[0] = red, shape.rgb[1] = green, shape.rgb[2] = blue;
  if (shape.open)
    shape.coloured = true;
  else
    glColor3f(red, green, blue);
}

void glShapeVertex(float x, float y) {
  if (shape.widened) {
    shape.vertices.push_back({x, y, {shape.rgb[0], shape.rgb[1], shape.rgb[2]}});
    return;
  }
  if (shape.coloured) glColor3f(shape.rgb[0], shape.rgb[1], shape.rgb[2]);
  glVertex2f(x, y);
}

// The colour set last is sent again after the shape, where it lasts.
void glShapeEnd() {
  if (shape.widened)
    sendWidened();
  else
    glEnd();
  if (shape.coloured || shape.widened) glColor3f(shape.rgb[0], shape.rgb[1], shape.rgb[2]);
  shape.open = false;
}

void setShapeLineWidth(int pixels, float pixelsPerUnit) { lineWidth = {pixels, pixelsPerUnit}; }

#else

void glShapeBegin(unsigned int mode) { glBegin(mode); }
void glShapeColour(float red, float green, float blue) { glColor3f(red, green, blue); }
void glShapeVertex(float x, float y) { glVertex2f(x, y); }
void glShapeEnd() { glEnd(); }
void setShapeLineWidth(int, float) {}

#endif
