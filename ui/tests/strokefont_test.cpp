#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>

#include "glrecord.h"
#include "strokefont.h"

using glrecord::Primitive;
using glrecord::Vertex;

namespace {

class StrokeFont : public ::testing::Test {
 protected:
  void SetUp() override { glrecord::reset(); }
};

// Every vertex lies in the cell of the character at `index` of a text drawn
// from `baseline`: 4 units wide, from 2 below the baseline to 7 above it.
void expectInsideCell(const Primitive& stroke, Vertex baseline, int index, const std::string& what) {
  const float left = baseline.x + index * STROKE_PITCH;
  for (const Vertex& v : stroke.vertices) {
    EXPECT_TRUE(v.x >= left && v.x <= left + 4) << what << " at " << v;
    EXPECT_TRUE(v.y >= baseline.y - 2 && v.y <= baseline.y + 7) << what << " at " << v;
  }
}

}  // namespace

TEST_F(StrokeFont, EveryPrintableCharacterIsLineStripsInsideItsCellInTheCurrentColour) {
  // Top and bottom from a baseline at y 50: capitals stand 7 high, small
  // letters 4, and descenders reach 2 below the baseline.
  const std::map<char, std::pair<float, float>> HEIGHTS = {
      {'H', {57, 50}}, {'n', {54, 50}}, {'p', {54, 48}}};
  for (char c = '!'; c <= '~'; c++) {
    glrecord::reset();
    drawStrokeText(Point(100, 50), std::string(1, c).c_str());
    const std::vector<Primitive> strokes = glrecord::primitives();
    ASSERT_FALSE(strokes.empty()) << c;
    float top = 50, bottom = 50;
    for (const Primitive& stroke : strokes) {
      EXPECT_EQ(stroke.mode, GLenum(GL_LINE_STRIP)) << c;
      EXPECT_GE(stroke.vertices.size(), 2u) << c;
      expectInsideCell(stroke, {100, 50}, 0, std::string(1, c));
      for (const Vertex& v : stroke.vertices) top = std::max(top, v.y), bottom = std::min(bottom, v.y);
    }
    EXPECT_TRUE(glrecord::colours().empty()) << c;
    if (HEIGHTS.count(c)) {
      EXPECT_EQ(std::make_pair(top, bottom), HEIGHTS.at(c)) << c;
    }
  }
}

TEST_F(StrokeFont, CharactersFollowOnePitchApartAndUnknownOnesOnlyTakeTheirPlace) {
  drawStrokeText(Point(-30, 10), "L\x80 L");
  const std::vector<Primitive> strokes = glrecord::primitives();
  ASSERT_EQ(strokes.size(), 2u);  // the byte 0x80 and the space draw nothing
  EXPECT_EQ(strokes[0].vertices, (std::vector<Vertex>{{-30, 17}, {-30, 10}, {-26, 10}}));
  expectInsideCell(strokes[1], {-30, 10}, 3, "the second L");
}
