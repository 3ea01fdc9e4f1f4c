#include "window.h"

#include <GL/glut.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#include <emscripten/html5.h>
#else
#include <GL/freeglut_ext.h>
#endif

namespace {

struct Window {
  Field field;
  View view{};
  bool fullScreen = false;
  int x = 0, y = 0, width = 0, height = 0;  // the window's place before full screen
} window;

}  // namespace

void setField(const Field& field) { window.field = field; }
const Field& getField() { return window.field; }

void fitWindow(int width, int height) {
  window.view = fitView(width, height, window.field.width, window.field.height);
  applyView(window.view);
  glutPostRedisplay();
}

const View& getView() { return window.view; }

#ifdef __EMSCRIPTEN__

void toggleFullScreen() {}

namespace {

// The page lays its controls and caption out in the bars beside the field:
// it is told where the field stands, in CSS pixels from the canvas's top left.
void tellPage(const View& view, int canvasHeight, double ratio) {
  EM_ASM({ if (Module.fieldPlaced) Module.fieldPlaced($0, $1, $2, $3); }, view.x / ratio,
         (canvasHeight - view.y - view.height) / ratio, view.width / ratio, view.height / ratio);
}

}  // namespace

void followCanvas() {
  double cssWidth = 0, cssHeight = 0;
  emscripten_get_element_css_size("#canvas", &cssWidth, &cssHeight);
  const double ratio = emscripten_get_device_pixel_ratio();
  const int width = int(cssWidth * ratio + 0.5), height = int(cssHeight * ratio + 0.5);
  int now = 0, nowHeight = 0;
  emscripten_get_canvas_element_size("#canvas", &now, &nowHeight);
  if (width == now && height == nowHeight && window.view.width > 0) return;
  emscripten_set_canvas_element_size("#canvas", width, height);
  fitWindow(width, height);
  tellPage(window.view, height, ratio);
}

#else

// The place is kept here and set explicitly, because without a window
// manager GLUT's own calls leave the window offset and forget where it stood.
void toggleFullScreen() {
  if (!window.fullScreen) {
    window.x = glutGet(GLUT_WINDOW_X), window.y = glutGet(GLUT_WINDOW_Y);
    window.width = glutGet(GLUT_WINDOW_WIDTH), window.height = glutGet(GLUT_WINDOW_HEIGHT);
    glutFullScreen();
    glutPositionWindow(0, 0);
    glutReshapeWindow(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
  } else {
    glutLeaveFullScreen();
    glutPositionWindow(window.x, window.y);
    glutReshapeWindow(window.width, window.height);
  }
  window.fullScreen = !window.fullScreen;
}

void followCanvas() {}

#endif
