#include "view.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "glshape.h"
#include "picture.h"

View fitView(int windowWidth, int windowHeight, float worldWidth, float worldHeight) {
  const float scale = std::max(0.0f, std::min(windowWidth / worldWidth, windowHeight / worldHeight));
  const int width = int(std::lround(worldWidth * scale));
  const int height = int(std::lround(worldHeight * scale));
  const int lineWidth = std::max(1, int(std::lround(scale)));
  return View{(windowWidth - width) / 2, (windowHeight - height) / 2, width, height, scale, lineWidth};
}

void applyView(const View& view) {
  glViewport(view.x, view.y, view.width, view.height);
  glLineWidth(float(view.lineWidth));
  glPointSize(float(view.lineWidth));
  setPixelScale(view.pixelsPerUnit);
  setShapeLineWidth(view.lineWidth, view.pixelsPerUnit);
}
