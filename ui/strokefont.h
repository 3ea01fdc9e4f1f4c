/// @file
/// strokefont: text drawn with lines, for builds whose GL has no bitmap fonts.
///
/// Every printable ASCII character (space to tilde) is a few line strips on a
/// small grid: capitals and digits 7 units high, small letters 4, descenders 2
/// below the baseline, 4 units wide, on a pitch of STROKE_PITCH units. Drawn
/// in the current colour, like the bitmap text it stands in for.
#pragma once

#include "point.h"

/// Units from one character's left edge to the next one's.
constexpr float STROKE_PITCH = 6.0f;

/// Draws `text` (NUL-terminated) from `baseline`, the left end of its
/// baseline, one line strip per stroke, every length times `size`. A
/// character outside printable ASCII draws nothing but still takes its place.
void drawStrokeText(const Point& baseline, const char* text, float size = 1.0f);
