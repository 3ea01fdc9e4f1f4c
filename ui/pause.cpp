#include "pause.h"

#include <GL/gl.h>

#include <cstring>

#include "glshape.h"
#include "picture.h"
#include "strokefont.h"

namespace {

// The last frame's share of its light while paused, and the message over it
// in stroke letters this many units high a unit.
constexpr float PAUSED_LIGHT = 0.35f;
constexpr float PAUSED_TEXT_SIZE = 2.0f;
const char* const PAUSED_MESSAGE = "Paused: p to go on";

}  // namespace

void drawPausedFrame(const Field& field) {
  glClear(GL_COLOR_BUFFER_BIT);
  redrawPicture(PAUSED_LIGHT);
  glShapeColour(1, 1, 1);
  const float width = float(std::strlen(PAUSED_MESSAGE)) * STROKE_PITCH * PAUSED_TEXT_SIZE;
  const float left = field.left + (field.width - width) / 2;
  const float middle = field.bottom + field.height / 2;
  drawStrokeText(Point(left, middle), PAUSED_MESSAGE, PAUSED_TEXT_SIZE);
}
