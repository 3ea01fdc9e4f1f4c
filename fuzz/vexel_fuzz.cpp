// Fuzzes the drawing library's digits, numbers and text against the
// recording GL stand-in. Every number drawn is read back from its segments
// and must spell the number; every text must reach GLUT byte for byte.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "glrecord.h"
#include "vexel.h"

namespace {

constexpr int PITCH = 11;
constexpr int CELL_WIDTH = 7;
constexpr int CELL_HEIGHT = 10;
constexpr int MAX_CORNER = 1000;  // corners stay where floats are exact

using Segment = std::tuple<float, float, float, float>;
using Shape = std::set<Segment>;

void check(bool condition, const char* what) {
  if (!condition) {
    fprintf(stderr, "check failed: %s\n", what);
    abort();
  }
}

// The segments of one primitive, shifted so the cell's corner is the origin.
Segment segmentIn(const glrecord::Primitive& p, float left, float top) {
  check(p.mode == GL_LINES && p.vertices.size() == 2, "a digit segment is one line");
  return {p.vertices[0].x - left, p.vertices[0].y - top, p.vertices[1].x - left,
          p.vertices[1].y - top};
}

// The shape of each digit, drawn once at the origin.
const std::map<Shape, char>& digitShapes() {
  static const std::map<Shape, char> shapes = [] {
    std::map<Shape, char> out;
    for (char d = '0'; d <= '9'; d++) {
      glrecord::reset();
      drawDigit(Point(), d);
      Shape shape;
      for (const glrecord::Primitive& p : glrecord::primitives()) shape.insert(segmentIn(p, 0, 0));
      out[shape] = d;
    }
    return out;
  }();
  return shapes;
}

// Reads the number back from what drawNumber recorded at (left, top).
std::string readNumber(float left, float top) {
  std::vector<glrecord::Primitive> prims = glrecord::primitives();
  std::string text;
  size_t i = 0;
  if (!prims.empty() && prims[0].colours.empty()) {  // the minus bar sets no colour
    check(prims[0].vertices.size() == 2, "the bar is one line");
    check(prims[0].vertices[0] == (glrecord::Vertex{left + 1, top - 5}) &&
              prims[0].vertices[1] == (glrecord::Vertex{left + 5, top - 5}),
          "the bar sits in the first cell");
    text = "-";
    i = 1;
  }
  std::map<int, Shape> cells;
  for (; i < prims.size(); i++) {
    check(prims[i].colours.size() == 2, "digit segments are white");
    float minX = std::min(prims[i].vertices[0].x, prims[i].vertices[1].x);
    int cell = int(minX - left) / PITCH;
    float cellLeft = left + cell * PITCH;
    Segment s = segmentIn(prims[i], cellLeft, top);
    for (float v : {std::get<0>(s), std::get<2>(s)}) check(v >= 0 && v <= CELL_WIDTH, "x in cell");
    for (float v : {std::get<1>(s), std::get<3>(s)}) check(v <= 0 && v >= -CELL_HEIGHT, "y in cell");
    cells[cell].insert(s);
  }
  int expectedCell = text.empty() ? 0 : 1;
  for (const auto& [cell, shape] : cells) {
    check(cell == expectedCell++, "digits fill consecutive cells");
    auto found = digitShapes().find(shape);
    check(found != digitShapes().end(), "every cell holds a whole digit");
    text += found->second;
  }
  return text;
}

void fuzzNumber(FuzzedDataProvider& data) {
  const int number = data.ConsumeIntegral<int>();
  const float left = data.ConsumeIntegralInRange(-MAX_CORNER, MAX_CORNER);
  const float top = data.ConsumeIntegralInRange(-MAX_CORNER, MAX_CORNER);
  glrecord::reset();
  drawNumber(Point(left, top), number);
  check(readNumber(left, top) == std::to_string(number), "the number reads back");
}

void fuzzDigit(FuzzedDataProvider& data) {
  const char digit = char('0' + data.ConsumeIntegralInRange(0, 9));
  const float left = data.ConsumeIntegralInRange(-MAX_CORNER, MAX_CORNER);
  const float top = data.ConsumeIntegralInRange(-MAX_CORNER, MAX_CORNER);
  glrecord::reset();
  drawDigit(Point(left, top), digit);
  check(readNumber(left, top) == std::string(1, digit), "the digit reads back");
}

void fuzzText(FuzzedDataProvider& data) {
  const float x = data.ConsumeFloatingPoint<float>();
  const float y = data.ConsumeFloatingPoint<float>();
  const std::string text = data.ConsumeRandomLengthString(4096);
  glrecord::reset();
  drawText(Point(x, y), text.c_str());
  const std::vector<glrecord::Call>& calls = glrecord::calls();
  const std::string drawn = text.substr(0, text.find('\0'));
  check(calls.size() == drawn.size() + 1, "one raster position, then one call a character");
  check(calls[0].name == "glRasterPos2f", "the raster position comes first");
  for (size_t i = 0; i < drawn.size(); i++) {
    check(calls[i + 1].font == GLUT_BITMAP_HELVETICA_12, "text is in Helvetica 12");
    check(calls[i + 1].args[0] == static_cast<unsigned char>(drawn[i]), "each byte reaches GLUT");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  switch (data.ConsumeIntegralInRange(0, 2)) {
    case 0: fuzzNumber(data); break;
    case 1: fuzzDigit(data); break;
    default: fuzzText(data); break;
  }
  return 0;
}
