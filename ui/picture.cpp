#include "picture.h"

#include <GL/glut.h>

#include <cstring>
#include <string>
#include <vector>

#include "glshape.h"
#include "strokefont.h"

// ---------------------------------------------------------------------------
// Text on its way to GL. Natively it is GLUT's bitmap text where that suits
// the scale; the browser's GLUT has no bitmap fonts, so text is drawn with
// the stroke font there. Shapes go through glshape.h.
// ---------------------------------------------------------------------------

namespace {

// Bitmap text keeps its size in pixels whatever the world's scale: from two
// pixels a unit on it would look too small, and below one too large, so
// there the stroke font, which grows and shrinks with the world, stands in.
constexpr float BITMAP_SMALLEST_SCALE = 1.0f;
constexpr float BITMAP_LARGEST_SCALE = 2.0f;

float pixelScale = 1.0f;
BitmapCharacter bitmapCharacter = nullptr;  // null: GLUT's own

#ifdef __EMSCRIPTEN__

constexpr bool HAS_BITMAP_FONTS = false;

void glBitmapText(const Point&, Font, const char*) {}

#else

constexpr bool HAS_BITMAP_FONTS = true;

void glBitmapText(const Point& at, Font font, const char* text) {
  glRasterPos2f(at.getX(), at.getY());
  void* glutFont = font == Font::HELVETICA_12 ? GLUT_BITMAP_HELVETICA_12 : GLUT_BITMAP_8_BY_13;
  for (const char* p = text; *p; p++) {
    const unsigned char character = static_cast<unsigned char>(*p);
    if (bitmapCharacter)
      bitmapCharacter(font, character);
    else
      glutBitmapCharacter(glutFont, character);
  }
}

#endif

void glText(const Point& at, Font font, const char* text) {
  if (HAS_BITMAP_FONTS && pixelScale >= BITMAP_SMALLEST_SCALE && pixelScale < BITMAP_LARGEST_SCALE)
    glBitmapText(at, font, text);
  else
    drawStrokeText(at, text);
}

// ---------------------------------------------------------------------------
// The kept frame: a list of steps, each an operation and up to three numbers;
// the texts' characters lie one after another in one string. Both keep their
// storage from frame to frame, so a frame allocates nothing once warm.
// ---------------------------------------------------------------------------

enum class Op : unsigned char { BEGIN, COLOUR, VERTEX, END, TEXT };

struct Step {
  Op op;
  bool counted;       // in the checksum
  float a, b, c;      // mode; red, green, blue; x, y; or x, y and the font of a text
  unsigned int text;  // a text's first character in `characters`
};

struct Kept {
  std::vector<Step> steps;
  std::string characters;  // every text, each ended by a NUL
  bool toGL = true;
  bool counted = true;
} kept;

void keep(Op op, float a = 0, float b = 0, float c = 0, unsigned int text = 0) {
  kept.steps.push_back({op, kept.counted, a, b, c, text});
}

// FNV-1a over bytes.
constexpr uint64_t FNV_OFFSET = 14695981039346656037ull;
constexpr uint64_t FNV_PRIME = 1099511628211ull;

void mix(uint64_t& sum, const void* bytes, size_t size) {
  for (size_t i = 0; i < size; i++) {
    sum ^= static_cast<const unsigned char*>(bytes)[i];
    sum *= FNV_PRIME;
  }
}

}  // namespace

void beginShape(unsigned int mode) {
  keep(Op::BEGIN, float(mode));
  if (kept.toGL) glShapeBegin(mode);
}

void pictureColour(float red, float green, float blue) {
  keep(Op::COLOUR, red, green, blue);
  if (kept.toGL) glShapeColour(red, green, blue);
}

void shapeVertex(float x, float y) {
  keep(Op::VERTEX, x, y);
  if (kept.toGL) glShapeVertex(x, y);
}

void endShape() {
  keep(Op::END);
  if (kept.toGL) glShapeEnd();
}

void pictureText(const Point& at, Font font, const char* text) {
  keep(Op::TEXT, at.getX(), at.getY(), float(font), unsigned(kept.characters.size()));
  kept.characters.append(text).push_back('\0');
  if (kept.toGL) glText(at, font, text);
}

void startPicture() {
  kept.steps.clear();
  kept.characters.clear();
}

uint64_t pictureChecksum() {
  uint64_t sum = FNV_OFFSET;
  for (const Step& step : kept.steps) {
    if (!step.counted) continue;
    mix(sum, &step.op, sizeof step.op);
    for (float number : {step.a, step.b, step.c}) mix(sum, &number, sizeof number);
    if (step.op == Op::TEXT) {
      const char* text = kept.characters.c_str() + step.text;
      mix(sum, text, std::strlen(text));
    }
  }
  return sum;
}

void redrawPicture(float light) {
  for (const Step& step : kept.steps) {
    switch (step.op) {
      case Op::BEGIN: glShapeBegin(unsigned(step.a)); break;
      case Op::COLOUR: glShapeColour(step.a * light, step.b * light, step.c * light); break;
      case Op::VERTEX: glShapeVertex(step.a, step.b); break;
      case Op::END: glShapeEnd(); break;
      case Op::TEXT:
        glText(Point(step.a, step.b), Font(int(step.c)), kept.characters.c_str() + step.text);
        break;
    }
  }
}

void setPictureOutput(bool toGL) { kept.toGL = toGL; }

long pictureHeapBytes() {
  return long(kept.steps.capacity() * sizeof(Step) + kept.characters.capacity());
}

void setPictureCounted(bool counted) { kept.counted = counted; }

void setPixelScale(float pixelsPerUnit) { pixelScale = pixelsPerUnit; }

void setBitmapCharacter(BitmapCharacter draw) { bitmapCharacter = draw; }
