#define GL_GLEXT_PROTOTYPES  // the framebuffer calls
#include "glrecord.h"

#include <GL/freeglut_ext.h>
#include <GL/glext.h>
#include <GL/glu.h>

#include <algorithm>
#include <ostream>

#include "headless.h"

namespace glrecord {
namespace {

std::vector<Call> log;
Callbacks registered;
Screen theScreen;

void record(std::string name, std::vector<double> args = {}, const void* font = nullptr) {
  log.push_back(Call{std::move(name), std::move(args), font});
}

}  // namespace

void reset() { log.clear(); }

const std::vector<Call>& calls() { return log; }

std::vector<std::string> names() {
  std::vector<std::string> out;
  for (const Call& c : log) out.push_back(c.name);
  return out;
}

std::vector<Primitive> primitives() {
  std::vector<Primitive> out;
  bool open = false;
  for (const Call& c : log) {
    if (c.name == "glBegin") {
      out.push_back(Primitive{static_cast<GLenum>(c.args[0]), {}, {}});
      open = true;
    } else if (c.name == "glEnd") {
      open = false;
    } else if (open && c.name == "glVertex2f") {
      out.back().vertices.push_back({float(c.args[0]), float(c.args[1])});
    } else if (open && c.name == "glColor3f") {
      out.back().colours.push_back({float(c.args[0]), float(c.args[1]), float(c.args[2])});
    }
  }
  return out;
}

std::vector<Vertex> vertices() {
  std::vector<Vertex> out;
  for (const Call& c : log)
    if (c.name == "glVertex2f") out.push_back({float(c.args[0]), float(c.args[1])});
  return out;
}

std::vector<Colour> colours() {
  std::vector<Colour> out;
  for (const Call& c : log)
    if (c.name == "glColor3f") out.push_back({float(c.args[0]), float(c.args[1]), float(c.args[2])});
  return out;
}

std::string bitmapText() {
  std::string out;
  for (const Call& c : log)
    if (c.name == "glutBitmapCharacter") out += static_cast<char>(c.args[0]);
  return out;
}

const Callbacks& callbacks() { return registered; }

Screen& screen() { return theScreen; }

std::ostream& operator<<(std::ostream& os, const Vertex& v) {
  return os << "(" << v.x << ", " << v.y << ")";
}

std::ostream& operator<<(std::ostream& os, const Colour& c) {
  return os << "rgb(" << c.r << ", " << c.g << ", " << c.b << ")";
}

}  // namespace glrecord

using glrecord::record;

// The fonts are data symbols in the real GLUT; only their addresses matter.
void* glutBitmap8By13 = nullptr;
void* glutBitmapHelvetica12 = nullptr;

void glBegin(GLenum mode) { record("glBegin", {double(mode)}); }
void glEnd() { record("glEnd"); }
void glVertex2f(GLfloat x, GLfloat y) { record("glVertex2f", {x, y}); }
void glColor3f(GLfloat r, GLfloat g, GLfloat b) { record("glColor3f", {r, g, b}); }
void glRasterPos2f(GLfloat x, GLfloat y) { record("glRasterPos2f", {x, y}); }
void glClear(GLbitfield mask) { record("glClear", {double(mask)}); }
void glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) {
  record("glClearColor", {r, g, b, a});
}
void gluOrtho2D(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top) {
  record("gluOrtho2D", {left, right, bottom, top});
}

void glutBitmapCharacter(void* font, int character) {
  record("glutBitmapCharacter", {double(character)}, font);
}
void glutInit(int* argc, char** argv) {
  record("glutInit", {double(*argc)});
  (void)argv;
}
void glutInitWindowSize(int w, int h) { record("glutInitWindowSize", {double(w), double(h)}); }
void glutInitWindowPosition(int x, int y) {
  record("glutInitWindowPosition", {double(x), double(y)});
}
void glutInitDisplayMode(unsigned int mode) { record("glutInitDisplayMode", {double(mode)}); }
int glutCreateWindow(const char* title) {
  record("glutCreateWindow:" + std::string(title));
  return 1;
}
void glutIgnoreKeyRepeat(int ignore) { record("glutIgnoreKeyRepeat", {double(ignore)}); }
void glutDisplayFunc(void (*f)()) {
  record("glutDisplayFunc");
  glrecord::registered.display = f;
}
void glutIdleFunc(void (*f)()) {
  record("glutIdleFunc");
  glrecord::registered.idle = f;
}
void glutKeyboardFunc(void (*f)(unsigned char, int, int)) {
  record("glutKeyboardFunc");
  glrecord::registered.keyboard = f;
}
void glutSpecialFunc(void (*f)(int, int, int)) {
  record("glutSpecialFunc");
  glrecord::registered.special = f;
}
void glutSpecialUpFunc(void (*f)(int, int, int)) {
  record("glutSpecialUpFunc");
  glrecord::registered.specialUp = f;
}
void glutMainLoop() { record("glutMainLoop"); }
void glutSwapBuffers() { record("glutSwapBuffers"); }

void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
  record("glViewport", {double(x), double(y), double(width), double(height)});
}
void glLineWidth(GLfloat width) { record("glLineWidth", {width}); }
void glPointSize(GLfloat size) { record("glPointSize", {size}); }
void glPixelStorei(GLenum name, GLint value) { record("glPixelStorei", {double(name), double(value)}); }
// Reads back black: the stand-in draws nothing.
void glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum, GLenum, void* pixels) {
  record("glReadPixels", {double(x), double(y), double(width), double(height)});
  std::fill_n(static_cast<unsigned char*>(pixels), size_t(width) * size_t(height) * 3, 0);
}
void glutReshapeFunc(void (*f)(int, int)) {
  record("glutReshapeFunc");
  glrecord::registered.reshape = f;
}
void glutWindowStatusFunc(void (*f)(int)) {
  record("glutWindowStatusFunc");
  glrecord::registered.windowStatus = f;
}
void glutPostRedisplay() { record("glutPostRedisplay"); }
void glutTimerFunc(unsigned int milliseconds, void (*)(int), int) {
  record("glutTimerFunc", {double(milliseconds)});
}
int glutGet(GLenum query) {
  const glrecord::Screen& s = glrecord::theScreen;
  switch (query) {
    case GLUT_WINDOW_X: return s.x;
    case GLUT_WINDOW_Y: return s.y;
    case GLUT_WINDOW_WIDTH: return s.width;
    case GLUT_WINDOW_HEIGHT: return s.height;
    case GLUT_SCREEN_WIDTH: return s.screenWidth;
    case GLUT_SCREEN_HEIGHT: return s.screenHeight;
    default: return 0;
  }
}
void glutPositionWindow(int x, int y) {
  record("glutPositionWindow", {double(x), double(y)});
  glrecord::theScreen.x = x, glrecord::theScreen.y = y;
}
void glutReshapeWindow(int width, int height) {
  record("glutReshapeWindow", {double(width), double(height)});
  glrecord::theScreen.width = width, glrecord::theScreen.height = height;
}
void glutFullScreen() { record("glutFullScreen"); }
void glutLeaveFullScreen() { record("glutLeaveFullScreen"); }

// Framebuffers and renderbuffers: each new one is number 1.
void glGenFramebuffers(GLsizei count, GLuint* names) {
  record("glGenFramebuffers", {double(count)});
  std::fill_n(names, count, 1u);
}
void glGenRenderbuffers(GLsizei count, GLuint* names) {
  record("glGenRenderbuffers", {double(count)});
  std::fill_n(names, count, 1u);
}
void glBindFramebuffer(GLenum target, GLuint name) { record("glBindFramebuffer", {double(target), double(name)}); }
void glBindRenderbuffer(GLenum target, GLuint name) { record("glBindRenderbuffer", {double(target), double(name)}); }
void glFramebufferParameteri(GLenum, GLenum name, GLint value) {
  record("glFramebufferParameteri", {double(name), double(value)});
}
void glRenderbufferStorage(GLenum, GLenum format, GLsizei width, GLsizei height) {
  record("glRenderbufferStorage", {double(format), double(width), double(height)});
}
void glFramebufferRenderbuffer(GLenum, GLenum attachment, GLenum, GLuint name) {
  record("glFramebufferRenderbuffer", {double(attachment), double(name)});
}

// The GL context with no display: there is always one.
bool openHeadlessContext(const Field&, std::string&) {
  record("openHeadlessContext");
  return true;
}
