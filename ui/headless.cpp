#include "headless.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>

#include "picture.h"

// GLUT's bitmap fonts, as its library lays them out and exports them. Each
// glyph is its width in pixels (which is also its advance), then its rows
// from the bottom, a byte for every 8 pixels.
struct GlutBitmapFont {
  const char* name;
  int characters;  // glyphs in the table
  int height;      // rows of every glyph
  const GLubyte** glyphs;
  float xOrigin, yOrigin;
};

// Weak: a program linked without GLUT (a unit test) finds them null.
extern "C" {
extern const GlutBitmapFont fgFontHelvetica12 __attribute__((weak));
extern const GlutBitmapFont fgFontFixed8x13 __attribute__((weak));
}

namespace {

// One glyph at the raster position, which it moves on by its width; as
// glutBitmapCharacter draws it (it too leaves out character 0).
void drawGlyph(Font font, unsigned char character) {
  const GlutBitmapFont& table = font == Font::HELVETICA_12 ? fgFontHelvetica12 : fgFontFixed8x13;
  if (character == 0 || character >= table.characters) return;
  const GLubyte* glyph = table.glyphs[character];
  glBitmap(glyph[0], table.height, table.xOrigin, table.yOrigin, float(glyph[0]), 0, glyph + 1);
}

std::string eglFailure(const char* what) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%04x", unsigned(eglGetError()));
  return std::string(what) + " (EGL error " + code + ")";
}

}  // namespace

bool openHeadlessContext(const Field& field, std::string& error) {
  if (!&fgFontHelvetica12 || !&fgFontFixed8x13) {
    error = "GLUT's bitmap fonts are missing";
    return false;
  }
  const auto platformDisplay =
      reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
  const EGLDisplay display = platformDisplay
                                 ? platformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr)
                                 : EGL_NO_DISPLAY;
  if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr)) {
    error = eglFailure("no GL without a display: EGL has no surfaceless platform");
    return false;
  }
  // No configuration: the context draws only into framebuffers of its own.
  const EGLContext context = eglBindAPI(EGL_OPENGL_API)
                                 ? eglCreateContext(display, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, nullptr)
                                 : EGL_NO_CONTEXT;
  if (context == EGL_NO_CONTEXT || !eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context)) {
    error = eglFailure("no GL context without a display");
    return false;
  }
  glClearColor(0, 0, 0, 0);
  gluOrtho2D(field.left, field.left + field.width, field.bottom, field.bottom + field.height);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);  // glyph rows are packed bytes
  setBitmapCharacter(drawGlyph);
  return true;
}
