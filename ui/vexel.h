/// @file
/// vexel: the kit's vector drawing library.
///
/// Free functions that draw in world coordinates (x right, y up, in the units
/// of the shell's world rectangle, which are window pixels) with
/// immediate-mode GL. Call them only inside the shell's frame callback.
/// Angles are whole degrees, counter-clockwise. Colours are red, green and blue
/// shares from 0 to 1. White is the resting colour: a function that sets
/// another colour sets white again before it returns; the rest draw in the
/// current colour. Also rotate() for turning points and random() over the one
/// process-wide rand() sequence, which the shell seeds (and `--seed` reseeds).
/// A broken contract (a radius of 1 or less, say) stops the program with the
/// standard assertion message.
#pragma once

#include "point.h"

/// Turns `point` in place about `origin` by `rotation` degrees (any value,
/// negative turns clockwise). The turned offset from `origin` is truncated
/// toward zero to whole units.
void rotate(Point& point, const Point& origin, int rotation);

/// One segment from begin to end, in the colour (red, green, blue), white unless given.
void drawLine(const Point& begin, const Point& end, float red = 1.0, float green = 1.0,
              float blue = 1.0);

/// A dot of 2 by 2 units with its lower-left corner at `point`, in the current colour.
void drawDot(const Point& point);

/// Outline of a `width` by `height` rectangle turned `rotation` degrees about
/// its center; odd sizes draw one unit smaller (halves are whole units).
void drawRect(const Point& center, int width, int height, int rotation);

/// Outline of a circle of `radius` units, edges about one unit long. Asserts radius > 1.
void drawCircle(const Point& center, int radius);

/// Outline of a regular polygon of `points` corners on a circle of `radius`,
/// the first corner straight right of the center before turning by
/// `rotation` degrees. Asserts points >= 1.
void drawPolygon(const Point& center, int radius, int points, int rotation);

/// The cell of a digit drawn by drawDigit, and the step from one digit of a
/// number to the next (so a gap of DIGIT_PITCH - DIGIT_WIDTH between them).
///@{
constexpr float DIGIT_WIDTH = 7.0f;
constexpr float DIGIT_HEIGHT = 10.0f;
constexpr float DIGIT_PITCH = 11.0f;
///@}

/// One digit '0' to '9' drawn in white segments, in a cell DIGIT_WIDTH wide and
/// DIGIT_HEIGHT high hanging below `topLeft`. Asserts that `digit` is '0' to '9'.
void drawDigit(const Point& topLeft, char digit);

/// A whole number (any int) in decimal digits of drawDigit, one every
/// DIGIT_PITCH units to the right of `topLeft`, a bar first for the minus sign.
void drawNumber(const Point& topLeft, int number);

/// Text in the 12-point Helvetica bitmap font, starting at `topLeft` (the
/// raster position). Where bitmap text would be out of proportion (a window
/// scaled below 1 or from 2 pixels a unit on) and in the browser build, whose
/// GL has no bitmap fonts, it is drawn with drawStrokeText (strokefont.h) from
/// the same point, growing with the world.
void drawText(const Point& topLeft, const char* text);

/// A random int from min up to but not including max (min when min == max).
/// Asserts min <= max.
int random(int min, int max);

/// A random double from min to max, both ends possible. Asserts min <= max.
double random(double min, double max);

// --- Sprites of the rock-field shooter (turned `rotation` degrees; 0 = nose up) ---

/// The ship's hull and, when `thrust` is on, one randomly chosen red flame.
void drawShip(const Point& center, int rotation, bool thrust);
/// The three rock outlines, about 16, 30 and 40 units across.
///@{
void drawSmallRubblon(const Point& center, int rotation);
void drawMediumRubblon(const Point& center, int rotation);
void drawLargeRubblon(const Point& center, int rotation);
///@}
/// A filled red disc of 12 triangles. Asserts radius > 1.
void drawExplosion(const Point& center, float radius);

// --- Sprites of the lunar craft and the bird gallery ---

/// The craft's outline standing on `base` (the middle of its feet); 20 wide, 16 high.
void drawLander(const Point& base);
/// Red flames of the engines whose flags are set (bottom, left, right), one
/// randomly chosen row shared by all of them.
void drawLanderFlames(const Point& base, bool bottom, bool left, bool right);
/// A filled disc in the current colour with, for 1 to 9 hits, a black digit
/// (8 by 13 bitmap font; the stroke font in the browser build).
/// Asserts radius > 1.
void drawGrendak(const Point& center, float radius, int hits);
/// A red five-pointed star, spun 5 degrees further on every call.
void drawHolvane(const Point& center, float radius);

// --- The bird gallery's rifle ---

/// Units from the rifle's pivot to its muzzle.
constexpr int RIFLE_LENGTH = 30;
/// A square stock 12 wide around `pivot` and a barrel 4 wide reaching
/// RIFLE_LENGTH from it, turned `rotation` degrees (0 = straight up). Sets no colour.
void drawRifle(const Point& pivot, int rotation);
