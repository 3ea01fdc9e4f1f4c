// vexel: the kit's vector drawing library.
//
// Free functions that draw in world coordinates (x right, y up) with
// immediate-mode GL, inside the shell's frame callback. White is the resting
// colour: a function that sets another colour sets white again before it
// returns. Also rotate() for turning points and random() over the one
// process-wide rand() sequence, which the shell seeds.
#pragma once

#include "point.h"

// Turns `point` about `origin` by `rotation` degrees counter-clockwise; the
// turned offsets are truncated toward zero to whole units.
void rotate(Point& point, const Point& origin, int rotation);

// One segment from begin to end in the colour (red, green, blue), each 0 to 1.
void drawLine(const Point& begin, const Point& end, float red = 1.0, float green = 1.0,
              float blue = 1.0);

// A 2 by 2 dot with its lower-left corner at `point`.
void drawDot(const Point& point);

// Outline of a width by height rectangle turned `rotation` degrees about its
// center; odd sizes draw one unit smaller.
void drawRect(const Point& center, int width, int height, int rotation);

// Outline of a circle of edges about one unit long. Asserts radius > 1.
void drawCircle(const Point& center, int radius);

// Outline of a regular polygon of `points` corners, the first at angle 0,
// turned `rotation` degrees. Asserts points >= 1.
void drawPolygon(const Point& center, int radius, int points, int rotation);

// One digit '0' to '9' in a cell 7 wide and 10 high below its top-left corner.
void drawDigit(const Point& topLeft, char digit);

// A whole number in decimal on an 11-unit pitch, a bar for the minus sign.
void drawNumber(const Point& topLeft, int number);

// Text in the 12-point Helvetica bitmap font, starting at `topLeft` (the
// raster position). The browser build, whose GL has no bitmap fonts, draws
// it with drawStrokeText (strokefont.h) from the same point.
void drawText(const Point& topLeft, const char* text);

// An int in [min, max): max itself never comes (min when min == max).
int random(int min, int max);

// A double in [min, max], both ends possible.
double random(double min, double max);

// --- Sprites of the rock-field shooter (turned `rotation` degrees; 0 = nose up) ---

// The ship's hull and, when `thrust` is on, one randomly chosen red flame.
void drawShip(const Point& center, int rotation, bool thrust);
// The three rock outlines, about 16, 30 and 40 units across.
void drawSmallRubblon(const Point& center, int rotation);
void drawMediumRubblon(const Point& center, int rotation);
void drawLargeRubblon(const Point& center, int rotation);
// A filled red disc of 12 triangles. Asserts radius > 1.
void drawExplosion(const Point& center, float radius);

// --- Sprites of the lunar craft and the bird gallery ---

// The craft's outline standing on `base` (the middle of its feet); 20 wide, 16 high.
void drawLander(const Point& base);
// Red flames of the engines whose flags are set (bottom, left, right), one
// randomly chosen row shared by all of them.
void drawLanderFlames(const Point& base, bool bottom, bool left, bool right);
// A filled disc in the current colour with, for 1 to 9 hits, a black digit
// (8 by 13 bitmap font; the stroke font in the browser build).
// Asserts radius > 1.
void drawGrendak(const Point& center, float radius, int hits);
// A red five-pointed star, spun 5 degrees further on every call.
void drawHolvane(const Point& center, float radius);
