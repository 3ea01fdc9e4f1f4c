#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <set>

#include "glrecord.h"
#include "vexel.h"

using glrecord::Colour;
using glrecord::Primitive;
using glrecord::Vertex;
using Vertices = std::vector<Vertex>;

namespace {

const Colour WHITE{1, 1, 1};

class Drawing : public ::testing::Test {
 protected:
  void SetUp() override { glrecord::reset(); }
};

// The offset of `offset` from the origin after turning it by `degrees`.
Vertex turned(float x, float y, int degrees) {
  Point p(x, y);
  rotate(p, Point(), degrees);
  return {p.getX(), p.getY()};
}

// The segments drawn, each as its two vertices, in drawing order.
std::vector<Vertices> segments() {
  std::vector<Vertices> out;
  for (const Primitive& p : glrecord::primitives()) out.push_back(p.vertices);
  return out;
}

}  // namespace

TEST(Rotate, TurnedOffsetsAreTruncatedTowardZero) {
  EXPECT_EQ(turned(0, 6, 45), (Vertex{-4, 4}));
  EXPECT_EQ(turned(2.7f, -1.5f, 0), (Vertex{2, -1}));
  EXPECT_EQ(turned(6, -6, 180), (Vertex{-5, 6}));
  EXPECT_EQ(turned(2, -3, 90), (Vertex{3, 1}));
}

TEST(Rotate, TurnsAboutTheOriginGivenCounterClockwise) {
  Point p(110, 50);
  rotate(p, Point(100, 50), 90);
  EXPECT_EQ(p.getX(), 100.0f);
  EXPECT_EQ(p.getY(), 60.0f);
}

TEST_F(Drawing, LineSetsItsColourInsideThePairAndWhiteBeforeTheEnd) {
  drawLine(Point(1, 2), Point(3, 4), 0.5f, 0.25f, 0.0f);
  EXPECT_EQ(glrecord::names(), (std::vector<std::string>{"glBegin", "glColor3f", "glVertex2f",
                                                          "glVertex2f", "glColor3f", "glEnd"}));
  Primitive line = glrecord::primitives().at(0);
  EXPECT_EQ(line.mode, GLenum(GL_LINES));
  EXPECT_EQ(line.vertices, (Vertices{{1, 2}, {3, 4}}));
  EXPECT_EQ(line.colours, (std::vector<Colour>{{0.5f, 0.25f, 0.0f}, WHITE}));
}

TEST_F(Drawing, DotIsFourPointsOfATwoByTwoSquare) {
  drawDot(Point(10, -5));
  Primitive dot = glrecord::primitives().at(0);
  EXPECT_EQ(dot.mode, GLenum(GL_POINTS));
  EXPECT_EQ(dot.vertices, (Vertices{{10, -5}, {11, -5}, {11, -4}, {10, -4}}));
  EXPECT_TRUE(glrecord::colours().empty());
}

TEST_F(Drawing, OddRectangleDrawsOneUnitSmallerAndClosesOnItsStart) {
  drawRect(Point(0, 0), 5, 3, 0);
  Primitive rect = glrecord::primitives().at(0);
  EXPECT_EQ(rect.mode, GLenum(GL_LINE_STRIP));
  EXPECT_EQ(rect.vertices, (Vertices{{-2, 1}, {2, 1}, {2, -1}, {-2, -1}, {-2, 1}}));
}

TEST_F(Drawing, TurnedRectangleTurnsEveryCornerAboutItsCenter) {
  drawRect(Point(10, 10), 20, 10, 90);
  // cos 90 is a hair above zero, so two turned offsets of 5 truncate to 4.
  EXPECT_EQ(glrecord::primitives().at(0).vertices,
            (Vertices{{5, 0}, {6, 20}, {15, 20}, {14, 0}, {5, 0}}));
}

TEST_F(Drawing, CircleOfRadiusTenHas63Vertices) {
  drawCircle(Point(5, 5), 10);
  Primitive circle = glrecord::primitives().at(0);
  EXPECT_EQ(circle.mode, GLenum(GL_LINE_LOOP));
  ASSERT_EQ(circle.vertices.size(), 63u);
  EXPECT_EQ(circle.vertices[0], (Vertex{15, 5}));
  for (const Vertex& v : circle.vertices)
    EXPECT_NEAR(std::hypot(v.x - 5, v.y - 5), 10.0, 1e-4);
}

TEST_F(Drawing, CircleOfRadiusTwoHas13Vertices) {
  drawCircle(Point(), 2);
  EXPECT_EQ(glrecord::vertices().size(), 13u);
}

TEST(DrawingDeath, CircleOfRadiusOneIsRefused) {
  EXPECT_DEATH(drawCircle(Point(), 1), "radius > 1.0");
}

TEST_F(Drawing, HexagonRepeatsItsFirstVertexAtTheEnd) {
  drawPolygon(Point(0, 0), 10, 6, 0);
  Vertices v = glrecord::primitives().at(0).vertices;
  ASSERT_EQ(v.size(), 7u);
  EXPECT_EQ(v.front(), (Vertex{10, 0}));
  EXPECT_NEAR(v.back().x, 10, 1);
  EXPECT_NEAR(v.back().y, 0, 1);
}

TEST_F(Drawing, PolygonVertexCountsFollowTheAccumulatedAngle) {
  const std::set<int> oneExtra = {6, 11, 13, 15, 17, 18};
  for (int corners = 1; corners <= 20; corners++) {
    glrecord::reset();
    drawPolygon(Point(), 50, corners, 0);
    EXPECT_EQ(glrecord::vertices().size(), size_t(corners + oneExtra.count(corners)))
        << corners << " corners";
  }
}

TEST_F(Drawing, TurnedSquareLandsOnWholeOffsets) {
  drawPolygon(Point(0, 0), 10, 4, 45);
  Vertices v = glrecord::primitives().at(0).vertices;
  ASSERT_EQ(v.size(), 4u);
  EXPECT_EQ(v[0], (Vertex{7, 7}));
}

TEST(DrawingDeath, PolygonWithoutCornersIsRefused) {
  EXPECT_DEATH(drawPolygon(Point(), 10, 0, 0), "points >= 1");
  EXPECT_DEATH(drawPolygon(Point(), 10, -3, 0), "points >= 1");
}

TEST_F(Drawing, DigitOneIsTheRightEdgeOfItsCell) {
  drawDigit(Point(20, 30), '1');
  EXPECT_EQ(segments(), (std::vector<Vertices>{{{27, 30}, {27, 20}}}));
}

TEST_F(Drawing, DigitEightIsFiveWhiteSegments) {
  drawDigit(Point(0, 0), '8');
  EXPECT_EQ(segments(), (std::vector<Vertices>{{{0, 0}, {7, 0}},
                                               {{0, -5}, {7, -5}},
                                               {{0, -10}, {7, -10}},
                                               {{0, 0}, {0, -10}},
                                               {{7, 0}, {7, -10}}}));
  for (const Primitive& p : glrecord::primitives())
    EXPECT_EQ(p.colours, (std::vector<Colour>{WHITE, WHITE}));
}

TEST_F(Drawing, EveryDigitDrawsItsRowOfTheTable) {
  const size_t segmentCounts[10] = {4, 1, 5, 4, 3, 5, 5, 2, 5, 4};
  for (char d = '0'; d <= '9'; d++) {
    glrecord::reset();
    drawDigit(Point(), d);
    EXPECT_EQ(glrecord::primitives().size(), segmentCounts[d - '0']) << d;
    for (const Vertex& v : glrecord::vertices()) {
      EXPECT_TRUE(v.x >= 0 && v.x <= 7 && v.y <= 0 && v.y >= -10) << d << " " << v;
    }
  }
}

TEST_F(Drawing, ThreesMiddleBarStartsAtFour) {
  drawDigit(Point(), '3');
  EXPECT_EQ(segments().back(), (Vertices{{4, -5}, {7, -5}}));
}

TEST(DrawingDeath, DigitThatIsNotADigitIsRefused) {
  EXPECT_DEATH(drawDigit(Point(), 'a'), "isdigit\\(digit\\)");
  EXPECT_DEATH(drawDigit(Point(), '\xff'), "isdigit\\(digit\\)");
}

TEST_F(Drawing, ZeroIsASingleDigitAtTheCorner) {
  drawNumber(Point(50, 50), 0);
  EXPECT_EQ(segments().front(), (Vertices{{50, 50}, {57, 50}}));
  EXPECT_EQ(segments().size(), 4u);
}

TEST_F(Drawing, NumberPlacesDigitsOnAnElevenUnitPitch) {
  drawNumber(Point(0, 0), 123);
  std::vector<Vertices> s = segments();
  ASSERT_EQ(s.size(), 1u + 5u + 4u);
  EXPECT_EQ(s[0], (Vertices{{7, 0}, {7, -10}}));     // the 1 in the first cell
  EXPECT_EQ(s[1], (Vertices{{11, 0}, {18, 0}}));     // the 2 at x + 11
  EXPECT_EQ(s[6], (Vertices{{22, 0}, {29, 0}}));     // the 3 at x + 22
  for (const Vertex& v : glrecord::vertices()) EXPECT_TRUE(v.y <= 0 && v.y >= -10);
}

TEST_F(Drawing, NegativeNumberStartsWithABarInTheCurrentColour) {
  drawNumber(Point(0, 0), -45);
  std::vector<Primitive> p = glrecord::primitives();
  EXPECT_EQ(p.at(0).vertices, (Vertices{{1, -5}, {5, -5}}));
  EXPECT_TRUE(p.at(0).colours.empty());
  EXPECT_EQ(p.at(1).vertices, (Vertices{{11, 0}, {11, -5}}));  // the 4 at x + 11
  EXPECT_EQ(p.at(4).vertices, (Vertices{{29, 0}, {22, 0}}));   // the 5 at x + 22
}

TEST_F(Drawing, MostNegativeIntDrawsAllTenDigits) {
  drawNumber(Point(0, 0), INT_MIN);  // -2147483648
  // The bar, then the segments of 2 1 4 7 4 8 3 6 4 8.
  const size_t expected = 1 + (5 + 1 + 3 + 2 + 3 + 5 + 4 + 5 + 3 + 5);
  EXPECT_EQ(glrecord::primitives().size(), expected);
  EXPECT_EQ(glrecord::vertices().back(), (Vertex{117, -10}));  // the last 8 sits in cell 10
}

TEST_F(Drawing, NumberLeavesTheCallersPointAlone) {
  Point corner(3, 4);
  drawNumber(corner, 987);
  EXPECT_EQ(corner.getX(), 3.0f);
  EXPECT_EQ(corner.getY(), 4.0f);
}

TEST_F(Drawing, TextSetsTheRasterPositionThenDrawsEachCharacter) {
  drawText(Point(-10, 20), "Hi there");
  ASSERT_EQ(glrecord::calls().front().name, "glRasterPos2f");
  EXPECT_EQ(glrecord::calls().front().args, (std::vector<double>{-10, 20}));
  EXPECT_EQ(glrecord::bitmapText(), "Hi there");
  for (size_t i = 1; i < glrecord::calls().size(); i++)
    EXPECT_EQ(glrecord::calls()[i].font, GLUT_BITMAP_HELVETICA_12);
  EXPECT_TRUE(glrecord::colours().empty());
}

TEST_F(Drawing, EmptyTextOnlyPlacesTheRaster) {
  drawText(Point(), "");
  EXPECT_EQ(glrecord::names(), (std::vector<std::string>{"glRasterPos2f"}));
}

TEST(Random, IntsStayInTheHalfOpenRange) {
  srand(7);
  std::set<int> seen, seenNegative;
  for (int i = 0; i < 2000; i++) {
    seen.insert(random(0, 3));
    seenNegative.insert(random(-3, 0));
  }
  EXPECT_EQ(seen, (std::set<int>{0, 1, 2}));
  EXPECT_EQ(seenNegative, (std::set<int>{-3, -2, -1}));
}

TEST(Random, EmptyIntRangeGivesItsBound) {
  EXPECT_EQ(random(5, 5), 5);
  EXPECT_EQ(random(INT_MIN, INT_MIN), INT_MIN);
}

TEST(Random, IntRangeWiderThanAnIntDoesNotOverflow) {
  srand(3);
  for (int i = 0; i < 1000; i++) {
    int n = random(INT_MIN, INT_MAX);
    EXPECT_LT(n, INT_MAX);
  }
}

TEST(Random, DoublesStayInTheClosedRange) {
  srand(11);
  EXPECT_EQ(random(2.0, 2.0), 2.0);
  for (int i = 0; i < 2000; i++) {
    double d = random(-200.0, 200.0);
    EXPECT_GE(d, -200.0);
    EXPECT_LE(d, 200.0);
  }
}

TEST(Random, SameSeedGivesTheSameSequence) {
  srand(42);
  int a = random(0, 1000);
  double b = random(0.0, 1.0);
  srand(42);
  EXPECT_EQ(random(0, 1000), a);
  EXPECT_EQ(random(0.0, 1.0), b);
}

TEST(RandomDeath, ReversedRangesAreRefused) {
  EXPECT_DEATH(random(1.0, 0.0), "min <= max");
  EXPECT_DEATH(random(3, 2), "min <= max");
}
