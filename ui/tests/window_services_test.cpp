// The shell's own services, through the recording GL stand-in: the world
// fitted into any window, pause and screenshots. Full screen, hiding, --scale
// and Esc are checked in real windows (window_services_window_test.py).
#include <gtest/gtest.h>

#include <GL/glut.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "glrecord.h"
#include "screenshot.h"
#include "tessik.h"
#include "vexel.h"

namespace {

unsigned int fakeNow = 0;
unsigned int fakeTicks() { return fakeNow; }

int framesStepped = 0;
bool spaceSeen = false;
// A game that draws one red line and notes what it saw.
void redLineGame(const Interface* ui, void*) {
  framesStepped++;
  spaceSeen = spaceSeen || ui->isSpace();
  drawLine(Point(-100, 0), Point(100, 0), 1, 0, 0);
}

// A 400 by 400 world, as every game has, with its loop started.
class Services : public ::testing::Test {
 protected:
  void SetUp() override {
    Interface::initialized = false;
    Interface::paused = false;
    char name[] = "gallery";
    char* argv[] = {name, nullptr};
    Interface start(1, argv, "Gallery", Point(-200, 200), Point(200, -200));
    start.clearKeys();
    Interface::tickSource = fakeTicks;
    start.run(redLineGame, nullptr);
    glrecord::callbacks().reshape(400, 400);  // as GLUT does when the window first shows
    framesStepped = 0;
    spaceSeen = false;
    glrecord::reset();
  }
  void TearDown() override {
    Interface::tickSource = monotonicTicks;
    Interface::paused = false;
    Interface::options = Options();
  }

  // The arguments of the last call of `name` since the last reset.
  static std::vector<double> last(const std::string& name) {
    std::vector<double> args;
    for (const glrecord::Call& call : glrecord::calls())
      if (call.name == name) args = call.args;
    return args;
  }

  Interface ui;
};

}  // namespace

TEST_F(Services, TheWorldFillsWhatFitsCentredWithItsShapeKeptAndLinesGrowInWholePixels) {
  struct Fit {
    int width, height;                  // the window
    std::vector<double> viewport;       // x, y, width, height
    double lineWidth;
  };
  const Fit fits[] = {
      {400, 400, {0, 0, 400, 400}, 1},        // the default: as before
      {800, 400, {200, 0, 400, 400}, 1},      // wide: bars left and right
      {400, 1000, {0, 300, 400, 400}, 1},     // tall: bars above and below
      {37, 20, {8, 0, 20, 20}, 1},            // tiny: never thinner than a pixel
      {1920, 1080, {420, 0, 1080, 1080}, 3},  // full HD: 2.7 pixels a unit
      {800, 800, {0, 0, 800, 800}, 2},        // --scale 2
  };
  for (const Fit& fit : fits) {
    glrecord::reset();
    glrecord::callbacks().reshape(fit.width, fit.height);
    EXPECT_EQ(last("glViewport"), fit.viewport) << fit.width << " x " << fit.height;
    EXPECT_EQ(last("glLineWidth"), std::vector<double>{fit.lineWidth}) << fit.width;
    EXPECT_EQ(last("glPointSize"), std::vector<double>{fit.lineWidth}) << fit.width;
  }
}

TEST_F(Services, PausedFramesNeitherStepTheGameNorLetItSeeKeysThenOrAfter) {
  drawCallback();
  keyDownCallback(GLUT_KEY_UP, 0, 0);
  keyboardCallback('p', 0, 0);
  EXPECT_TRUE(ui.isPaused());
  EXPECT_EQ(ui.isUp(), 0);  // held keys are let go
  keyboardCallback(' ', 0, 0);
  keyDownCallback(GLUT_KEY_LEFT, 0, 0);
  for (int i = 0; i < 5; i++) drawCallback();
  EXPECT_EQ(framesStepped, 1);
  EXPECT_EQ(glrecord::callbacks().idle, nullptr);  // no idle spinning meanwhile

  fakeNow = 777;
  keyboardCallback('p', 0, 0);
  EXPECT_EQ(glrecord::callbacks().idle, &drawCallback);
  EXPECT_TRUE(ui.isTimeToDraw());  // the clock starts afresh: no wait, no burst
  drawCallback();
  EXPECT_EQ(framesStepped, 2);
  EXPECT_FALSE(spaceSeen);
  EXPECT_EQ(ui.isLeft(), 0);
}

TEST_F(Services, PausedWindowShowsTheLastFrameDimmedUnderTheMessageWheneverAsked) {
  drawCallback();
  keyboardCallback('p', 0, 0);
  glrecord::reset();
  drawCallback();  // as GLUT's display callback would, on a resize or an uncovering
  const std::vector<glrecord::Primitive> shapes = glrecord::primitives();
  ASSERT_FALSE(shapes.empty());
  EXPECT_EQ(shapes[0].vertices, (std::vector<glrecord::Vertex>{{-100, 0}, {100, 0}}));
  EXPECT_EQ(shapes[0].colours.front(), (glrecord::Colour{0.35f, 0, 0}));
  EXPECT_GT(shapes.size(), 10u);  // the message's strokes follow
  EXPECT_EQ(glrecord::names().back(), "glutSwapBuffers");
  EXPECT_EQ(framesStepped, 1);
}

// Screenshots are taken in a folder of the test's own.
class Screenshots : public Services {
 protected:
  void SetUp() override {
    Services::SetUp();
    char pattern[] = "/tmp/screenshots-XXXXXX";
    folder = mkdtemp(pattern);
    previous = getcwd(nullptr, 0);
    ASSERT_EQ(chdir(folder.c_str()), 0);
  }
  void TearDown() override {
    ASSERT_EQ(chdir(previous), 0);
    std::free(previous);
    std::system(("rm -rf " + folder).c_str());
    Services::TearDown();
  }
  std::string folder;
  char* previous = nullptr;
};

TEST_F(Screenshots, AreNamedAfterTheProgramAndTheTimeAndNeverOverwriteOne) {
  std::tm noon{};
  noon.tm_year = 2026 - 1900, noon.tm_mon = 11, noon.tm_mday = 9;
  noon.tm_hour = 14, noon.tm_min = 30, noon.tm_sec = 5, noon.tm_isdst = -1;
  const std::time_t when = std::mktime(&noon);
  EXPECT_EQ(screenshotName("gallery", when, 1), "gallery-20261209-143005.png");
  EXPECT_EQ(screenshotName("gallery", when, 2), "gallery-20261209-143005-2.png");

  // The first names of this second and the next two are taken already.
  const std::time_t now = std::time(nullptr);
  for (int later = 0; later < 3; later++) std::ofstream(screenshotName("gallery", now + later, 1));
  testing::internal::CaptureStdout();
  keyDownCallback(GLUT_KEY_F12, 0, 0);
  drawCallback();
  const std::string said = testing::internal::GetCapturedStdout();
  ASSERT_EQ(said.rfind("Saved gallery-", 0), 0u) << said;
  const std::string file = said.substr(6, said.size() - 7);
  EXPECT_EQ(file.substr(file.size() - 6), "-2.png");
  std::ifstream png(file, std::ios::binary);
  std::string head(24, '\0');
  png.read(&head[0], 24);
  EXPECT_EQ(head.substr(1, 3), "PNG");
  EXPECT_EQ(head.substr(16, 8), std::string("\0\0\1\x90\0\0\1\x90", 8));  // 400 x 400
  EXPECT_EQ(last("glReadPixels"), (std::vector<double>{0, 0, 400, 400}));
  EXPECT_EQ(framesStepped, 1);
}

TEST_F(Screenshots, AFolderThatCannotBeWrittenGetsOneLineAndTheGameGoesOn) {
  ASSERT_EQ(rmdir(folder.c_str()), 0);  // the current folder is gone
  testing::internal::CaptureStderr();
  keyDownCallback(GLUT_KEY_F12, 0, 0);
  drawCallback();
  drawCallback();
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(said.rfind("The screenshot was not saved: "), 0u) << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
  EXPECT_EQ(framesStepped, 2);
}
