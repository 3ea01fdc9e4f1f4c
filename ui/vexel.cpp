#include "vexel.h"

#include <GL/glut.h>

#include <cassert>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <string>

#include "strokefont.h"

// ---------------------------------------------------------------------------
// The GL calls that draw, in one place. Natively they are GL's and GLUT's own.
//
// The browser build differs in two ways. Its GLUT has no bitmap fonts, so
// text is drawn with the stroke font. And its GL emulation files a colour set
// between glBegin and glEnd as one more entry of the vertex stream, in call
// order: a colour must come before every vertex there, or the vertices after
// it are read skewed (a white set after the last vertex becomes a NaN
// coordinate). So inside a shape the colour is held and sent before each
// vertex, and the last one set is sent again after glEnd, where it lasts.
// ---------------------------------------------------------------------------

namespace {

enum class Font { HELVETICA_12, EIGHT_BY_13 };

#ifdef __EMSCRIPTEN__

struct Shape {
  bool open = false;       // between openShape() and closeShape()
  bool coloured = false;   // a colour was set since openShape()
  float rgb[3] = {1, 1, 1};
} shape;

void openShape(GLenum mode) {
  glBegin(mode);
  shape.open = true;
  shape.coloured = false;
}

void colour(float red, float green, float blue) {
  if (!shape.open) {
    glColor3f(red, green, blue);
    return;
  }
  shape.coloured = true;
  shape.rgb[0] = red, shape.rgb[1] = green, shape.rgb[2] = blue;
}

void vertex(float x, float y) {
  if (shape.coloured) glColor3f(shape.rgb[0], shape.rgb[1], shape.rgb[2]);
  glVertex2f(x, y);
}

void closeShape() {
  glEnd();
  shape.open = false;
  if (shape.coloured) glColor3f(shape.rgb[0], shape.rgb[1], shape.rgb[2]);
}

void glyphs(const Point& at, Font, const char* text) { drawStrokeText(at, text); }

#else

void openShape(GLenum mode) { glBegin(mode); }
void colour(float red, float green, float blue) { glColor3f(red, green, blue); }
void vertex(float x, float y) { glVertex2f(x, y); }
void closeShape() { glEnd(); }

void glyphs(const Point& at, Font font, const char* text) {
  glRasterPos2f(at.getX(), at.getY());
  void* glutFont = font == Font::HELVETICA_12 ? GLUT_BITMAP_HELVETICA_12 : GLUT_BITMAP_8_BY_13;
  for (const char* p = text; *p; p++) glutBitmapCharacter(glutFont, static_cast<unsigned char>(*p));
}

#endif

constexpr double PI = 3.14159265358979323846;
constexpr double TWO_PI = 6.283185307179586;
constexpr double RADIANS_PER_DEGREE = PI / 180.0;

void vertex(const Point& p) { vertex(p.getX(), p.getY()); }

}  // namespace

// The segments of each digit as groups (x1, y1, x2, y2), measured right and
// down from the top-left corner of a 7 by 10 cell; -1 ends a row.
const signed char NUMBER_OUTLINES[10][20] = {
    {0, 0, 7, 0, 7, 0, 7, 10, 7, 10, 0, 10, 0, 10, 0, 0, -1, -1, -1, -1},  // 0
    {7, 0, 7, 10, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1},  // 1
    {0, 0, 7, 0, 7, 0, 7, 5, 7, 5, 0, 5, 0, 5, 0, 10, 0, 10, 7, 10},  // 2
    {0, 0, 7, 0, 7, 0, 7, 10, 7, 10, 0, 10, 4, 5, 7, 5, -1, -1, -1, -1},  // 3
    {0, 0, 0, 5, 0, 5, 7, 5, 7, 0, 7, 10, -1, -1, -1, -1, -1, -1, -1, -1},  // 4
    {7, 0, 0, 0, 0, 0, 0, 5, 0, 5, 7, 5, 7, 5, 7, 10, 7, 10, 0, 10},  // 5
    {7, 0, 0, 0, 0, 0, 0, 10, 0, 10, 7, 10, 7, 10, 7, 5, 7, 5, 0, 5},  // 6
    {0, 0, 7, 0, 7, 0, 7, 10, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1},  // 7
    {0, 0, 7, 0, 0, 5, 7, 5, 0, 10, 7, 10, 0, 0, 0, 10, 7, 0, 7, 10},  // 8
    {0, 0, 7, 0, 7, 0, 7, 10, 0, 0, 0, 5, 0, 5, 7, 5, -1, -1, -1, -1},  // 9
};

void rotate(Point& point, const Point& origin, int rotation) {
  double radians = rotation * RADIANS_PER_DEGREE;
  double c = cos(radians);
  double s = sin(radians);
  float dx = point.getX() - origin.getX();
  float dy = point.getY() - origin.getY();
  point.setX(origin.getX() + int(dx * c - dy * s));
  point.setY(origin.getY() + int(dx * s + dy * c));
}

void drawLine(const Point& begin, const Point& end, float red, float green, float blue) {
  openShape(GL_LINES);
  colour(red, green, blue);
  vertex(begin);
  vertex(end);
  colour(1.0, 1.0, 1.0);
  closeShape();
}

void drawDot(const Point& point) {
  const float x = point.getX(), y = point.getY();
  openShape(GL_POINTS);
  vertex(x, y);
  vertex(x + 1, y);
  vertex(x + 1, y + 1);
  vertex(x, y + 1);
  closeShape();
}

void drawRect(const Point& center, int width, int height, int rotation) {
  const float cx = center.getX(), cy = center.getY();
  const int halfWidth = width / 2, halfHeight = height / 2;
  Point topLeft(cx - halfWidth, cy + halfHeight);
  Point topRight(cx + halfWidth, cy + halfHeight);
  Point bottomLeft(cx - halfWidth, cy - halfHeight);
  Point bottomRight(cx + halfWidth, cy - halfHeight);
  for (Point* corner : {&topLeft, &topRight, &bottomLeft, &bottomRight})
    rotate(*corner, center, rotation);

  openShape(GL_LINE_STRIP);
  for (const Point* corner : {&topLeft, &topRight, &bottomRight, &bottomLeft, &topLeft})
    vertex(*corner);
  closeShape();
}

void drawCircle(const Point& center, int radius) {
  assert(radius > 1.0);
  const double step = 1.0 / radius;
  openShape(GL_LINE_LOOP);
  for (double angle = 0.0; angle < TWO_PI; angle += step)
    vertex(float(center.getX() + cos(angle) * radius), float(center.getY() + sin(angle) * radius));
  closeShape();
}

void drawPolygon(const Point& center, int radius, int points, int rotation) {
  assert(points >= 1);
  if (points < 1) return;
  openShape(GL_LINE_LOOP);
  for (double angle = 0.0; angle < TWO_PI; angle += TWO_PI / points) {
    Point corner(float(center.getX() + cos(angle) * radius),
                 float(center.getY() + sin(angle) * radius));
    rotate(corner, center, rotation);
    vertex(corner);
  }
  closeShape();
}

void drawDigit(const Point& topLeft, char digit) {
  assert(isdigit(digit));
  if (!isdigit(digit)) return;
  const int r = digit - '0';
  assert(r >= 0 && r <= 9);

  const float left = topLeft.getX(), top = topLeft.getY();
  for (int c = 0; c <= 19 && NUMBER_OUTLINES[r][c] != -1; c += 4) {
    assert(NUMBER_OUTLINES[r][c ] != -1 && NUMBER_OUTLINES[r][c + 1] != -1 && NUMBER_OUTLINES[r][c + 2] != -1 && NUMBER_OUTLINES[r][c + 3] != -1);
    drawLine(Point(left + NUMBER_OUTLINES[r][c], top - NUMBER_OUTLINES[r][c + 1]),
             Point(left + NUMBER_OUTLINES[r][c + 2], top - NUMBER_OUTLINES[r][c + 3]),
             1.0, 1.0, 1.0);
  }
}

void drawNumber(const Point& topLeft, int number) {
  Point cursor = topLeft;
  // Widened so that the magnitude of the most negative int fits.
  long long magnitude = number;
  const bool negative = magnitude < 0;
  if (negative) magnitude *= -1;
  const std::string text = std::to_string(magnitude);

  if (negative) {
    openShape(GL_LINES);
    vertex(cursor.getX() + 1, cursor.getY() - 5);
    vertex(cursor.getX() + 5, cursor.getY() - 5);
    closeShape();
    cursor.addX(DIGIT_PITCH);
  }
  for (const char* p = text.c_str(); *p; p++) {
    assert(isdigit(*p));
    drawDigit(cursor, *p);
    cursor.addX(DIGIT_PITCH);
  }
}

void drawText(const Point& topLeft, const char* text) { glyphs(topLeft, Font::HELVETICA_12, text); }

int random(int min, int max) {
  assert(min <= max);
  if (min == max) return min;
  // The span is taken wide so that a range wider than INT_MAX cannot overflow.
  const long long span = static_cast<long long>(max) - min;
  const int num = static_cast<int>(min + rand() % span);
  assert(min <= num && num <= max);
  return num;
}

double random(double min, double max) {
  assert(min <= max);
  double num = (max - min) * (rand() / double(RAND_MAX)) + min;
  // Rounding of the sum can step a hair past max when rand() gives RAND_MAX.
  if (num > max) num = max;
  assert(min <= num && num <= max);
  return num;
}

// ---------------------------------------------------------------------------
// Sprites of the rock-field shooter
// ---------------------------------------------------------------------------

namespace {

struct Offset {
  int x, y;
};

constexpr double SLICE = 0.5235987755982988;           // pi / 6: one of 12 fan triangles
constexpr double FAN_END = 6.783185307179586;          // 2 pi + 0.5: admits the 12th slice
constexpr int FLAME_ROWS = 3;

const Offset SHIP_HULL[] = {{0, 6}, {6, -6}, {2, -3}, {-2, -3}, {-6, -6}, {0, 6}};

const Offset SHIP_FLAMES[FLAME_ROWS][5] = {
    {{-2, -3}, {-2, -13}, {0, -6}, {2, -13}, {2, -3}},
    {{-2, -3}, {-4, -9}, {-1, -7}, {1, -14}, {2, -3}},
    {{-2, -3}, {-1, -14}, {1, -7}, {4, -9}, {2, -3}},
};

const Offset SMALL_RUBBLON[] = {{-5, 9},  {4, 8},   {8, 4},   {8, -5}, {-2, -8},
                                {-2, -3}, {-8, -4}, {-8, 4}, {-5, 10}};

const Offset MEDIUM_RUBBLON[] = {{2, 8},    {8, 15},    {12, 8},    {6, 2},   {12, -6}, {2, -15},
                                 {-6, -15}, {-14, -10}, {-15, 0},   {-4, 15}, {2, 8}};

const Offset LARGE_RUBBLON[] = {{0, 12},    {8, 20},  {16, 14},  {10, 12},  {20, 0}, {0, -20},
                                {-18, -10}, {-20, -2}, {-20, 14}, {-10, 20}, {0, 12}};

// Emits each offset placed at center and turned about it.
template <size_t N>
void emitTurned(const Point& center, const Offset (&offsets)[N], int rotation) {
  for (const Offset& o : offsets) {
    Point p(center.getX() + o.x, center.getY() + o.y);
    rotate(p, center, rotation);
    vertex(p);
  }
}

template <size_t N>
void drawTurnedStrip(const Point& center, const Offset (&offsets)[N], int rotation) {
  openShape(GL_LINE_STRIP);
  emitTurned(center, offsets, rotation);
  closeShape();
}

// A disc of 12 triangles fanned around center, in the current colour.
void emitDisc(const Point& center, float radius) {
  const float cx = center.getX(), cy = center.getY();
  Point previous(cx + radius, cy);
  for (double angle = SLICE; angle <= FAN_END; angle += SLICE) {
    Point rim(float(cx + cos(angle) * radius), float(cy + sin(angle) * radius));
    vertex(center);
    vertex(previous);
    vertex(rim);
    previous = rim;
  }
}

}  // namespace

void drawShip(const Point& center, int rotation, bool thrust) {
  drawTurnedStrip(center, SHIP_HULL, rotation);
  if (!thrust) return;

  openShape(GL_LINE_STRIP);
  colour(1.0, 0.0, 0.0);
  emitTurned(center, SHIP_FLAMES[random(0, FLAME_ROWS)], rotation);
  colour(1.0, 1.0, 1.0);
  closeShape();
}

void drawSmallRubblon(const Point& center, int rotation) {
  drawTurnedStrip(center, SMALL_RUBBLON, rotation);
}

void drawMediumRubblon(const Point& center, int rotation) {
  drawTurnedStrip(center, MEDIUM_RUBBLON, rotation);
}

void drawLargeRubblon(const Point& center, int rotation) {
  drawTurnedStrip(center, LARGE_RUBBLON, rotation);
}

void drawExplosion(const Point& center, float radius) {
  assert(radius > 1.0);
  openShape(GL_TRIANGLES);
  colour(1.0, 0.0, 0.0);
  emitDisc(center, radius);
  closeShape();
  colour(1.0, 1.0, 1.0);
}

// ---------------------------------------------------------------------------
// Sprites of the lunar craft and the bird gallery
// ---------------------------------------------------------------------------

namespace {

constexpr float HOLVANE_SPIN = 5.0f;  // degrees the star turns on every call
constexpr float FULL_TURN = 360.0f;

const Offset LANDER_OUTLINE[] = {
    {-6, 0}, {-10, 0}, {-8, 0}, {-8, 3}, {-5, 4}, {-5, 7},  {-8, 3}, {-5, 4}, {-1, 4},
    {-3, 2}, {3, 2},   {1, 4},  {-1, 4}, {5, 4},  {5, 7},   {-5, 7}, {-3, 7}, {-6, 10},
    {-6, 13}, {-3, 16}, {3, 16}, {6, 13}, {6, 10}, {3, 7},  {5, 7},  {5, 4},  {8, 3},
    {5, 7},  {5, 4},   {8, 3},  {8, 0},  {10, 0}, {6, 0}};

// A flame: a fixed first vertex, one of three rows of three, a fixed last vertex.
struct Flame {
  Offset first;
  Offset rows[FLAME_ROWS][3];
  Offset last;
};

const Flame BOTTOM_FLAME = {{-2, 2},
                            {{{-5, -6}, {0, -1}, {3, -10}},
                             {{-3, -6}, {-1, -2}, {0, -15}},
                             {{2, -12}, {1, 0}, {6, -4}}},
                            {2, 2}};
const Flame RIGHT_FLAME = {{6, 12},
                           {{{10, 14}, {8, 12}, {12, 12}},
                            {{12, 10}, {8, 10}, {10, 8}},
                            {{14, 11}, {14, 11}, {14, 11}}},
                           {6, 10}};
const Flame LEFT_FLAME = {{-6, 12},
                          {{{-10, 14}, {-8, 12}, {-12, 12}},
                           {{-12, 10}, {-8, 10}, {-10, 8}},
                           {{-14, 11}, {-14, 11}, {-14, 11}}},
                          {-6, 10}};

void emitOffset(const Point& base, const Offset& o) {
  vertex(base.getX() + o.x, base.getY() + o.y);
}

void emitFlame(const Point& base, const Flame& flame, int row) {
  emitOffset(base, flame.first);
  for (const Offset& o : flame.rows[row]) emitOffset(base, o);
  emitOffset(base, flame.last);
}

}  // namespace

void drawLander(const Point& base) {
  openShape(GL_LINE_STRIP);
  for (const Offset& o : LANDER_OUTLINE) emitOffset(base, o);
  closeShape();
}

void drawLanderFlames(const Point& base, bool bottom, bool left, bool right) {
  const int row = random(0, FLAME_ROWS);
  openShape(GL_LINE_LOOP);
  colour(1.0, 0.0, 0.0);
  if (bottom) emitFlame(base, BOTTOM_FLAME, row);
  if (right) emitFlame(base, RIGHT_FLAME, row);
  if (left) emitFlame(base, LEFT_FLAME, row);
  colour(1.0, 1.0, 1.0);
  closeShape();
}

void drawGrendak(const Point& center, float radius, int hits) {
  assert(radius > 1.0);
  openShape(GL_TRIANGLES);
  emitDisc(center, radius);
  closeShape();

  if (hits >= 1 && hits <= 9) {
    const char digit[] = {char('0' + hits), '\0'};
    colour(0.0, 0.0, 0.0);
    glyphs(Point(center.getX() - 4, center.getY() - 3), Font::EIGHT_BY_13, digit);
    colour(1.0, 1.0, 1.0);
  }
}

void drawHolvane(const Point& center, float radius) {
  // One spin for the whole program, shared by every star drawn. Kept below a
  // full turn so that it stays exact however long the program runs.
  static float rotation = 0.0f;
  rotation += HOLVANE_SPIN;
  if (rotation >= FULL_TURN) rotation -= FULL_TURN;

  openShape(GL_LINE_LOOP);
  colour(1.0, 0.0, 0.0);
  for (int i = 0; i < 5; i++) {
    const float angle = float(i * TWO_PI * 0.4);
    Point tip(center.getX() + cosf(angle) * radius, center.getY() + sinf(angle) * radius);
    rotate(tip, center, int(rotation));
    vertex(tip);
  }
  colour(1.0, 1.0, 1.0);
  closeShape();
}

// ---------------------------------------------------------------------------
// The bird gallery's rifle
// ---------------------------------------------------------------------------

namespace {

// From the stock's top edge up the barrel to the muzzle, back down, and round the stock.
const Offset RIFLE_OUTLINE[] = {{-2, 6},  {-2, RIFLE_LENGTH}, {2, RIFLE_LENGTH}, {2, 6}, {6, 6},
                                {6, -6}, {-6, -6},           {-6, 6},           {-2, 6}};

}  // namespace

void drawRifle(const Point& pivot, int rotation) {
  drawTurnedStrip(pivot, RIFLE_OUTLINE, rotation);
}
