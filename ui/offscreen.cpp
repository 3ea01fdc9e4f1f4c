#define GL_GLEXT_PROTOTYPES  // the framebuffer calls, which GL 3.0 brought
#include "offscreen.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <cstddef>

#include "picture.h"

namespace {

constexpr int RGB = 3;

// The framebuffer and its colours, kept while their size stays.
struct Target {
  GLuint framebuffer = 0, colours = 0;
  int width = 0, height = 0;
} target;

void bindTarget(int width, int height) {
  const bool made = target.framebuffer != 0;
  if (!made) {
    glGenFramebuffers(1, &target.framebuffer);
    glGenRenderbuffers(1, &target.colours);
  }
  glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
  // Mesa keeps a window's rows from the top, a framebuffer's from the bottom,
  // and where a line's end falls on a pixel's edge, which pixel it lights
  // depends on that: kept like a window's, the framebuffer draws its pixels.
  if (!made) glFramebufferParameteri(GL_FRAMEBUFFER, GL_FRAMEBUFFER_FLIP_Y_MESA, GL_TRUE);
  if (width == target.width && height == target.height) return;
  glBindRenderbuffer(GL_RENDERBUFFER, target.colours);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, target.colours);
  target.width = width, target.height = height;
}

}  // namespace

void readPictureAt(int width, int height, const Field& field, const View& windowView,
                   std::vector<unsigned char>& rgb) {
  bindTarget(width, height);
  applyView(fitView(width, height, field.width, field.height));
  glClear(GL_COLOR_BUFFER_BIT);
  redrawPicture(1.0f);
  rgb.resize(std::size_t(width) * std::size_t(height) * RGB);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  applyView(windowView);
}
