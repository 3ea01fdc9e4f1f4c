#include "strokefont.h"

#include <GL/gl.h>

#include "glshape.h"

namespace {

constexpr char FIRST_GLYPH = ' ';
constexpr char LAST_GLYPH = '~';
constexpr int BASELINE_ROW = 2;  // grid row of the baseline: rows 0 and 1 hold descenders

// The strokes of each character from space to tilde, in ASCII order. A glyph
// is its strokes separated by spaces; a stroke is a run of points, each two
// digits: the column (0 to 4, left to right) and the row (0 to 9, bottom to
// top; 2 is the baseline, 6 the top of small letters, 9 the top of capitals).
const char* const GLYPHS[] = {
    "",                                // space
    "2924 2223",                       // !
    "1917 3937",                       // "
    "1812 3832 0646 0444",             // #
    "473818070615354443321203 2921",   // $
    "0249 0809 3233",                  // %
    "4206071828373603122245",          // &
    "2927",                            // '
    "39171331",                        // (
    "19373311",                        // )
    "2824 0745 0547",                  // *
    "2723 0545",                       // +
    "232211",                          // ,
    "1535",                            // -
    "2223",                            // .
    "0249",                            // /
    "193948433212030819",              // 0
    "1729 2922 1232",                  // 1
    "08193948460242",                  // 2
    "0819394847364543321203 1636",     // 3
    "32390444",                        // 4
    "490906364543321203",              // 5
    "3919080312324345361605",          // 6
    "094922",                          // 7
    "193948473616070819 1605031232434536",  // 8
    "46160708193948433212",            // 9
    "2223 2627",                       // :
    "232211 2627",                     // ;
    "470543",                          // <
    "0444 0646",                       // =
    "074503",                          // >
    "0819394847362524 2223",           // ?
    "343717144448391908031242",        // @
    "0207294742 0545",                 // A
    "020939484736063645433202",        // B
    "4839190803123243",                // C
    "02092947442202",                  // D
    "49090242 0636",                   // E
    "490902 0636",                     // F
    "48391908031232434525",            // G
    "0209 4249 0646",                  // H
    "1939 2922 1232",                  // I
    "4943321203",                      // J
    "0209 4905 1642",                  // K
    "090242",                          // L
    "0209254942",                      // M
    "02094249",                        // N
    "193948433212030819",              // O
    "02093948473606",                  // P
    "193948433212030819 2342",         // Q
    "02093948473606 2642",             // R
    "483919080716364543321203",        // S
    "0949 2922",                       // T
    "090312324349",                    // U
    "092249",                          // V
    "0902254249",                      // W
    "0942 0249",                       // X
    "092549 2522",                     // Y
    "09490242",                        // Z
    "39292131",                        // [
    "0942",                            // backslash
    "19292111",                        // ]
    "072947",                          // ^
    "0141",                            // _
    "1928",                            // `
    "16364542 441403123243",           // a
    "0902 05163645433202",             // b
    "4536160503123243",                // c
    "4942 45361605031242",             // d
    "04444536160503123243",            // e
    "22283949 1636",                   // f
    "4641301001 45361605031242",       // g
    "0902 0516364542",                 // h
    "2622 2829",                       // i
    "36312010 3839",                   // j
    "0902 4603 1442",                  // k
    "192922 1232",                     // l
    "0602 05162522 25364542",          // m
    "0602 0516364542",                 // n
    "163645433212030516",              // o
    "0600 05163645433202",             // p
    "4640 45361605031242",             // q
    "0602 042646",                     // r
    "45361605143443321203",            // s
    "18132232 0636",                   // t
    "0603123243 4642",                 // u
    "062246",                          // v
    "0602244246",                      // w
    "0642 0246",                       // x
    "0603123243 46413010",             // y
    "06460242",                        // z
    "39282615242231",                  // {
    "2921",                            // |
    "19282635242211",                  // }
    "05163445",                        // ~
};
static_assert(sizeof(GLYPHS) / sizeof(GLYPHS[0]) == LAST_GLYPH - FIRST_GLYPH + 1,
              "one glyph for every printable character");

// Draws one glyph with the left column of its grid at x and its baseline at y.
void drawGlyph(float x, float y, float size, const char* strokes) {
  const char* p = strokes;
  while (*p) {
    glShapeBegin(GL_LINE_STRIP);
    for (; p[0] && p[0] != ' '; p += 2)
      glShapeVertex(x + size * (p[0] - '0'), y + size * (p[1] - '0' - BASELINE_ROW));
    glShapeEnd();
    if (*p == ' ') p++;
  }
}

}  // namespace

void drawStrokeText(const Point& baseline, const char* text, float size) {
  float x = baseline.getX();
  for (const char* p = text; *p; p++, x += STROKE_PITCH * size)
    if (*p >= FIRST_GLYPH && *p <= LAST_GLYPH)
      drawGlyph(x, baseline.getY(), size, GLYPHS[*p - FIRST_GLYPH]);
}
