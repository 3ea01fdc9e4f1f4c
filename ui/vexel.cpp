#include "vexel.h"

#include <GL/glut.h>

#include <cassert>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <string>

#include "picture.h"

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr double TWO_PI = 6.283185307179586;
constexpr double RADIANS_PER_DEGREE = PI / 180.0;

// Every shape and text goes through the picture, which sends it on to GL.
void vertex(const Point& p) { shapeVertex(p.getX(), p.getY()); }

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
  beginShape(GL_LINES);
  pictureColour(red, green, blue);
  vertex(begin);
  vertex(end);
  pictureColour(1.0, 1.0, 1.0);
  endShape();
}

void drawDot(const Point& point) {
  const float x = point.getX(), y = point.getY();
  beginShape(GL_POINTS);
  shapeVertex(x, y);
  shapeVertex(x + 1, y);
  shapeVertex(x + 1, y + 1);
  shapeVertex(x, y + 1);
  endShape();
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

  beginShape(GL_LINE_STRIP);
  for (const Point* corner : {&topLeft, &topRight, &bottomRight, &bottomLeft, &topLeft})
    vertex(*corner);
  endShape();
}

void drawCircle(const Point& center, int radius) {
  assert(radius > 1.0);
  const double step = 1.0 / radius;
  beginShape(GL_LINE_LOOP);
  for (double angle = 0.0; angle < TWO_PI; angle += step)
    shapeVertex(float(center.getX() + cos(angle) * radius), float(center.getY() + sin(angle) * radius));
  endShape();
}

void drawPolygon(const Point& center, int radius, int points, int rotation) {
  assert(points >= 1);
  if (points < 1) return;
  beginShape(GL_LINE_LOOP);
  for (double angle = 0.0; angle < TWO_PI; angle += TWO_PI / points) {
    Point corner(float(center.getX() + cos(angle) * radius),
                 float(center.getY() + sin(angle) * radius));
    rotate(corner, center, rotation);
    vertex(corner);
  }
  endShape();
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
    beginShape(GL_LINES);
    shapeVertex(cursor.getX() + 1, cursor.getY() - 5);
    shapeVertex(cursor.getX() + 5, cursor.getY() - 5);
    endShape();
    cursor.addX(DIGIT_PITCH);
  }
  for (const char* p = text.c_str(); *p; p++) {
    assert(isdigit(*p));
    drawDigit(cursor, *p);
    cursor.addX(DIGIT_PITCH);
  }
}

void drawText(const Point& topLeft, const char* text) { pictureText(topLeft, Font::HELVETICA_12, text); }

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
  beginShape(GL_LINE_STRIP);
  emitTurned(center, offsets, rotation);
  endShape();
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

  beginShape(GL_LINE_STRIP);
  pictureColour(1.0, 0.0, 0.0);
  emitTurned(center, SHIP_FLAMES[random(0, FLAME_ROWS)], rotation);
  pictureColour(1.0, 1.0, 1.0);
  endShape();
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
  beginShape(GL_TRIANGLES);
  pictureColour(1.0, 0.0, 0.0);
  emitDisc(center, radius);
  endShape();
  pictureColour(1.0, 1.0, 1.0);
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
  shapeVertex(base.getX() + o.x, base.getY() + o.y);
}

void emitFlame(const Point& base, const Flame& flame, int row) {
  emitOffset(base, flame.first);
  for (const Offset& o : flame.rows[row]) emitOffset(base, o);
  emitOffset(base, flame.last);
}

}  // namespace

void drawLander(const Point& base) {
  beginShape(GL_LINE_STRIP);
  for (const Offset& o : LANDER_OUTLINE) emitOffset(base, o);
  endShape();
}

void drawLanderFlames(const Point& base, bool bottom, bool left, bool right) {
  const int row = random(0, FLAME_ROWS);
  beginShape(GL_LINE_LOOP);
  pictureColour(1.0, 0.0, 0.0);
  if (bottom) emitFlame(base, BOTTOM_FLAME, row);
  if (right) emitFlame(base, RIGHT_FLAME, row);
  if (left) emitFlame(base, LEFT_FLAME, row);
  pictureColour(1.0, 1.0, 1.0);
  endShape();
}

void drawGrendak(const Point& center, float radius, int hits) {
  assert(radius > 1.0);
  beginShape(GL_TRIANGLES);
  emitDisc(center, radius);
  endShape();

  if (hits >= 1 && hits <= 9) {
    const char digit[] = {char('0' + hits), '\0'};
    pictureColour(0.0, 0.0, 0.0);
    pictureText(Point(center.getX() - 4, center.getY() - 3), Font::EIGHT_BY_13, digit);
    pictureColour(1.0, 1.0, 1.0);
  }
}

void drawHolvane(const Point& center, float radius) {
  // One spin for the whole program, shared by every star drawn. Kept below a
  // full turn so that it stays exact however long the program runs.
  static float rotation = 0.0f;
  rotation += HOLVANE_SPIN;
  if (rotation >= FULL_TURN) rotation -= FULL_TURN;

  beginShape(GL_LINE_LOOP);
  pictureColour(1.0, 0.0, 0.0);
  for (int i = 0; i < 5; i++) {
    const float angle = float(i * TWO_PI * 0.4);
    Point tip(center.getX() + cosf(angle) * radius, center.getY() + sinf(angle) * radius);
    rotate(tip, center, int(rotation));
    vertex(tip);
  }
  pictureColour(1.0, 1.0, 1.0);
  endShape();
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
