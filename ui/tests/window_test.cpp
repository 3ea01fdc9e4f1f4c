// Opens a real window through the shell, draws known lines with the drawing
// library, reads the pixels back from Mesa and checks that each line lies
// where its world coordinates put it: origin at the centre, y up.
// Exits 0 when every check holds, 1 otherwise.

#include <GL/glut.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tessik.h"
#include "vexel.h"

namespace {

constexpr int SIZE = 400;  // the window, and the world from -200 to 200
constexpr int FRAME_TO_CHECK = 3;
constexpr int SLACK = 1;  // pixels a line may rasterize off its exact place

struct Box {
  int left = SIZE, bottom = SIZE, right = -1, top = -1;  // window pixels, y up
};

struct Expected {
  const char* what;
  unsigned char r, g, b;
  Box box;  // world coordinates + 200
};

// The scene: each shape has a colour of its own, so its pixels can be found.
void drawScene() {
  drawLine(Point(-150, 100), Point(150, 100), 1, 0, 0);   // red, upper half
  drawLine(Point(-100, -150), Point(-100, 150), 0, 1, 0); // green, left half
  drawLine(Point(20, -100), Point(180, -100), 0, 0, 1);   // blue, lower right
  drawLine(Point(-180, -180), Point(-160, -180), 1, 1, 0);// yellow, bottom-left corner
}

const Expected EXPECTED[] = {
    {"red line at y = 100", 255, 0, 0, {50, 300, 350, 300}},
    {"green line at x = -100", 0, 255, 0, {100, 50, 100, 350}},
    {"blue line at y = -100, right half", 0, 0, 255, {220, 100, 380, 100}},
    {"yellow line near the bottom-left corner", 255, 255, 0, {20, 20, 40, 20}},
};

bool near(int got, int want) { return std::abs(got - want) <= SLACK; }

int check() {
  std::vector<unsigned char> pixels(SIZE * SIZE * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, SIZE, SIZE, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());

  int failures = 0;
  for (const Expected& e : EXPECTED) {
    Box found;
    for (int y = 0; y < SIZE; y++)
      for (int x = 0; x < SIZE; x++) {
        const unsigned char* p = &pixels[(y * SIZE + x) * 3];
        if (p[0] != e.r || p[1] != e.g || p[2] != e.b) continue;
        found.left = std::min(found.left, x);
        found.right = std::max(found.right, x);
        found.bottom = std::min(found.bottom, y);
        found.top = std::max(found.top, y);
      }
    const bool ok = near(found.left, e.box.left) && near(found.right, e.box.right) &&
                    near(found.bottom, e.box.bottom) && near(found.top, e.box.top);
    std::printf("%s %s: found x %d..%d, y %d..%d; expected x %d..%d, y %d..%d\n",
                ok ? "ok  " : "FAIL", e.what, found.left, found.right, found.bottom, found.top,
                e.box.left, e.box.right, e.box.bottom, e.box.top);
    failures += !ok;
  }
  return failures;
}

void frame(const Interface*, void* p) {
  int& frames = *static_cast<int*>(p);
  drawScene();
  if (++frames == FRAME_TO_CHECK) {
    glFinish();
    int failures = check();
    std::printf("%d of %zu checks failed\n", failures, std::size(EXPECTED));
    std::exit(failures == 0 ? 0 : 1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  Interface ui(argc, argv, "window test", Point(-200, 200), Point(200, -200));
  int frames = 0;
  ui.run(frame, &frames);
  return 1;  // the loop never returns
}
