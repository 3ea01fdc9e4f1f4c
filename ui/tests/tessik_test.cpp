#include <gtest/gtest.h>

#include <GL/glut.h>

#include <climits>

#include "glrecord.h"
#include "input.h"
#include "sound.h"
#include "tessik.h"

namespace {

unsigned int fakeNow = 0;
unsigned int fakeTicks() { return fakeNow; }

constexpr unsigned int PERIOD = 33333;

// Every test starts from the shell's start-up state, with the clock in the test's hands.
class Shell : public ::testing::Test {
 protected:
  void SetUp() override {
    Interface::isDownPress = Interface::isUpPress = 0;
    Interface::isLeftPress = Interface::isRightPress = 0;
    Interface::isSpacePress = Interface::isNPress = false;
    Interface::isRPress = Interface::isBPress = false;
    Interface::nextTick = 0;
    Interface::timePeriod = 1.0 / 30.0;
    Interface::tickSource = fakeTicks;
    Interface::initialized = true;  // no window: the views below must not open one
    fakeNow = 0;
    glrecord::reset();
  }
  void TearDown() override { Interface::tickSource = monotonicTicks; }

  // One frame as GLUT runs it, with keys pressed before it.
  Interface ui;
};

int framesSeen = 0;
void countFrame(const Interface*, void* p) {
  ++framesSeen;
  EXPECT_EQ(p, &framesSeen);
}

}  // namespace

TEST_F(Shell, HeldArrowCountsUpEveryFrameAndDropsToZeroOnRelease) {
  keyDownCallback(GLUT_KEY_LEFT, 0, 0);
  EXPECT_EQ(ui.isLeft(), 1);
  ui.keyEvent();
  EXPECT_EQ(ui.isLeft(), 2);
  ui.keyEvent();
  EXPECT_EQ(ui.isLeft(), 3);
  keyUpCallback(GLUT_KEY_LEFT, 0, 0);
  ui.keyEvent();
  EXPECT_EQ(ui.isLeft(), 0);
}

TEST_F(Shell, EachArrowFeedsItsOwnCounter) {
  keyDownCallback(GLUT_KEY_UP, 0, 0);
  keyDownCallback(GLUT_KEY_RIGHT, 0, 0);
  keyDownCallback(GLUT_KEY_DOWN, 0, 0);
  EXPECT_EQ(ui.isUp(), 1);
  EXPECT_EQ(ui.isRight(), 1);
  EXPECT_EQ(ui.isDown(), 1);
  EXPECT_EQ(ui.isLeft(), 0);
}

TEST_F(Shell, KeyDownRestartsAHeldCounterAtOne) {
  keyDownCallback(GLUT_KEY_UP, 0, 0);
  ui.keyEvent();
  ui.keyEvent();
  keyDownCallback(GLUT_KEY_UP, 0, 0);
  EXPECT_EQ(ui.isUp(), 1);
}

TEST_F(Shell, SpaceIsTrueInExactlyOneFrame) {
  keyboardCallback(' ', 0, 0);
  EXPECT_TRUE(ui.isSpace());
  ui.keyEvent();
  EXPECT_FALSE(ui.isSpace());
  ui.keyEvent();
  EXPECT_FALSE(ui.isSpace());
}

TEST_F(Shell, CharactersDefgReachTheArrowCountersAndKeepCounting) {
  keyboardCallback('d', 0, 0);
  keyboardCallback('e', 0, 0);
  keyboardCallback('f', 0, 0);
  keyboardCallback('g', 0, 0);
  ui.keyEvent();
  EXPECT_EQ(ui.isLeft(), 2);
  EXPECT_EQ(ui.isUp(), 2);
  EXPECT_EQ(ui.isRight(), 2);
  EXPECT_EQ(ui.isDown(), 2);
  keyUpCallback(GLUT_KEY_LEFT, 0, 0);  // only the matching special key's release stops it
  EXPECT_EQ(ui.isLeft(), 0);
}

TEST_F(Shell, HomeAndJFireLikeSpaceAndHomeReleaseClearsIt) {
  keyDownCallback(GLUT_KEY_HOME, 0, 0);
  EXPECT_TRUE(ui.isSpace());
  keyUpCallback(GLUT_KEY_HOME, 0, 0);
  EXPECT_FALSE(ui.isSpace());
  keyboardCallback('j', 0, 0);
  EXPECT_TRUE(ui.isSpace());
}

TEST_F(Shell, OneShotLettersAreLowerCaseOnly) {
  keyboardCallback('N', 0, 0);
  keyboardCallback('R', 0, 0);
  keyboardCallback('B', 0, 0);
  EXPECT_FALSE(ui.isN());
  EXPECT_FALSE(ui.isR());
  EXPECT_FALSE(ui.isB());
  keyboardCallback('n', 0, 0);
  keyboardCallback('r', 0, 0);
  EXPECT_TRUE(ui.isN());
  EXPECT_TRUE(ui.isR());
}

TEST_F(Shell, BSetsTheSonicBoomFlagForOneFrame) {
  keyboardCallback('b', 0, 0);
  EXPECT_TRUE(ui.isB());
  ui.keyEvent();
  EXPECT_FALSE(ui.isB());
}

TEST_F(Shell, AKeyHeldFromTwoSourcesIsLetGoOnlyByTheLastAndCountsOnThroughout) {
  ui.keyEvent(GLUT_KEY_LEFT, true, KeySource::KEYBOARD);
  ui.keyEvent();
  ui.keyEvent(GLUT_KEY_LEFT, true, KeySource::GAMEPAD);  // already held: no restart
  EXPECT_EQ(ui.isLeft(), 2);
  ui.keyEvent();
  ui.keyEvent(GLUT_KEY_LEFT, false, KeySource::KEYBOARD);  // the pad still holds it
  EXPECT_EQ(ui.isLeft(), 3);
  ui.keyEvent(GLUT_KEY_LEFT, false, KeySource::KEYBOARD);  // a second release changes nothing
  EXPECT_EQ(ui.isLeft(), 3);
  ui.keyEvent(GLUT_KEY_LEFT, false, KeySource::GAMEPAD);
  EXPECT_EQ(ui.isLeft(), 0);

  ui.keyEvent(' ', true, KeySource::TOUCH);
  ui.keyEvent();
  ui.keyEvent(' ', true, KeySource::GAMEPAD);  // a press of a key held elsewhere fires nothing
  EXPECT_FALSE(ui.isSpace());
  ui.clearKeys();  // lets go of every source's hold
  ui.keyEvent(' ', true, KeySource::KEYBOARD);
  EXPECT_TRUE(ui.isSpace());
}

// The arrows held (< ^ > v), the one-shots fired (_ b r n), P paused and M muted.
std::string seen(const Interface& ui) {
  const bool on[] = {ui.isLeft() > 0, ui.isUp() > 0, ui.isRight() > 0, ui.isDown() > 0, ui.isSpace(),
                     ui.isB(),        ui.isR(),       ui.isN(),        ui.isPaused(),    isMuted()};
  std::string shown;
  for (size_t i = 0; i < std::size(on); i++) shown += on[i] ? std::string(1, "<^>v_brnPM"[i]) : "";
  return shown;
}

TEST_F(Shell, PadsPressTheirTableKeysAndTheStickHoldsBeyondHalfItsTravelUntilWithin40Percent) {
  using B = PadButton;
  const struct { void (*act)(); const char* seen; } steps[] = {  // what the game sees after each act
      {[] { padConnected(1, "first"), padButton(1, B::SOUTH, true); }, "_"},
      {[] { padButton(1, B::EAST, true), padButton(1, B::NORTH, true), padButton(1, B::WEST, true); }, "brn"},
      {[] { padButton(1, B::WEST, true), padButton(1, B::UP, true), padButton(1, B::RIGHT, true); }, "^>"},
      {[] { padButton(1, B::UP, false), padButton(1, B::RIGHT, false), padButton(1, B::DOWN, true),
            padButton(1, B::LEFT, true); }, "<v"},
      {[] { padButton(1, B::LEFT, false), padButton(1, B::DOWN, false), padStick(1, 0.5, -0.5); }, ""},  // at half
      {[] { padStick(1, 0.51, -0.51); }, "^>"},                            // a diagonal holds two
      {[] { padStick(1, 0.4, -0.4); }, "^>"},                              // not yet within 40%
      {[] { padStick(1, 0.39, -0.2); }, ""},
      {[] { padStick(1, -0.9, 0.45); }, "<"},
      {[] { padStick(1, 0.45, 0.9); }, "v"},  // swung over: Left let go, Right not yet held
      {[] { padConnected(2, "second"), padButton(2, B::DOWN, true), padStick(1, 0, 0); }, "v"},
      {[] { padButton(2, B::DOWN, false); }, ""},  // the last pad to hold it lets go
      {[] { padButton(1, B::START, true), padButton(1, B::UP, true), padButton(1, B::BACK, true); }, "PM"},
      {[] { padButton(1, B::START, false), padButton(1, B::START, true), padButton(2, B::RIGHT, true); }, ">M"},
      {[] { padDisconnected(1); }, "PM"},  // pulled out: paused, every key let go
      {[] { padButton(2, B::START, true), padButton(2, B::BACK, true), padButton(2, B::UP, true); }, "^"},
  };
  ui.clearKeys();
  for (size_t i = 0; i < std::size(steps); i++) {
    ui.keyEvent();
    pollInput();  // a frame's read
    steps[i].act();
    EXPECT_EQ(seen(ui), steps[i].seen) << "step " << i;
  }
  padDisconnected(2);
  ui.setPaused(false);
}

TEST_F(Shell, UnknownCodesChangeNothing) {
  for (int code : {0, 1, 97, 104, 200, -5, int('x')}) ui.keyEvent(code, true);
  EXPECT_EQ(ui.isUp() + ui.isLeft() + ui.isRight() + ui.isDown(), 0);
  EXPECT_FALSE(ui.isSpace() || ui.isN() || ui.isR() || ui.isB());
}

TEST_F(Shell, FirstFrameNeverWaits) {
  fakeNow = 123456789;
  EXPECT_TRUE(ui.isTimeToDraw());
  EXPECT_EQ(ui.ticksToWait(), 0u);
}

TEST_F(Shell, DeadlineIsOnePeriodOf33333TicksAfterNow) {
  fakeNow = 1000;
  ui.setNextDrawTime();
  EXPECT_EQ(ui.getNextTick(), 1000u + PERIOD);
  fakeNow = 1000 + PERIOD - 1;
  EXPECT_FALSE(ui.isTimeToDraw());
  EXPECT_EQ(ui.ticksToWait(), 1u);
  fakeNow = 1000 + PERIOD;
  EXPECT_TRUE(ui.isTimeToDraw());
  fakeNow = 1000 + PERIOD + 5000;  // a late frame does not wait
  EXPECT_TRUE(ui.isTimeToDraw());
}

TEST_F(Shell, DeadlineAcrossTheClockWrapWaitsOnlyItsRemainder) {
  fakeNow = UINT_MAX - 10000;
  ui.setNextDrawTime();
  EXPECT_EQ(ui.getNextTick(), PERIOD - 10001);  // wrapped past zero
  EXPECT_EQ(ui.ticksToWait(), PERIOD);
  fakeNow = 5;  // the clock has wrapped too
  EXPECT_EQ(ui.ticksToWait(), PERIOD - 10001 - 5);
  fakeNow = UINT_MAX;  // not yet wrapped: the wait is what is left, not ~4 billion
  EXPECT_EQ(ui.ticksToWait(), PERIOD - 10000);
}

TEST_F(Shell, DeadlineFarAheadAfterAWrapIsNotWaitedFor) {
  Interface::nextTick = UINT_MAX - 100;  // set just before the wrap...
  fakeNow = 200;                         // ...read just after: it has passed
  EXPECT_TRUE(ui.isTimeToDraw());
  EXPECT_EQ(ui.ticksToWait(), 0u);
}

TEST_F(Shell, FramesPerSecondChangesThePeriod) {
  ui.setFramesPerSecond(60);
  fakeNow = 0;
  ui.setNextDrawTime();
  EXPECT_EQ(ui.getNextTick(), 16666u);
}

TEST_F(Shell, FrameRateOfZeroOrLessIsRefused) {
  EXPECT_DEATH(ui.setFramesPerSecond(0), "rate > 0.0");
  EXPECT_DEATH(ui.setFramesPerSecond(-30), "rate > 0.0");
}

TEST_F(Shell, MonotonicTicksAdvanceInMicroseconds) {
  unsigned int before = monotonicTicks();
  sleep(20UL);
  unsigned int elapsed = monotonicTicks() - before;
  EXPECT_GE(elapsed, 20000u);
  EXPECT_LT(elapsed, 2000000u);
}

TEST_F(Shell, FrameDrawsThenSwapsThenAgesTheKeys) {
  framesSeen = 0;
  Interface::callBack = countFrame;
  Interface::p = &framesSeen;
  keyboardCallback(' ', 0, 0);
  keyDownCallback(GLUT_KEY_UP, 0, 0);
  fakeNow = 50;
  drawCallback();
  EXPECT_EQ(framesSeen, 1);
  EXPECT_EQ(glrecord::names(),
            (std::vector<std::string>{"glClear", "glColor3f", "glutSwapBuffers"}));
  EXPECT_EQ(glrecord::colours().front(), (glrecord::Colour{1, 1, 1}));
  EXPECT_EQ(ui.getNextTick(), 50u + PERIOD);
  EXPECT_FALSE(ui.isSpace());
  EXPECT_EQ(ui.isUp(), 2);
}

TEST_F(Shell, FrameWithoutACallbackStops) {
  Interface::callBack = nullptr;
  EXPECT_DEATH(drawCallback(), "callBack != NULL");
}

TEST(ShellStartUp, InitializeSetsUpTheWindowOnce) {
  Interface::initialized = false;
  glrecord::reset();
  char name[] = "kit";
  char* argv[] = {name, nullptr};
  Interface game(1, argv, "Rubblons", Point(-200, 200), Point(200, -200));
  EXPECT_TRUE(Interface::initialized);

  using glrecord::Call;
  const std::vector<Call>& c = glrecord::calls();
  ASSERT_EQ(c.size(), 13u);
  EXPECT_EQ(c[0].name, "glutInit");
  EXPECT_EQ(c[1].name, "glutInitWindowSize");
  EXPECT_EQ(c[1].args, (std::vector<double>{400, 400}));
  EXPECT_EQ(c[2].args, (std::vector<double>{10, 10}));
  EXPECT_EQ(c[3].args, (std::vector<double>{GLUT_DOUBLE}));
  EXPECT_EQ(c[4].name, "glutCreateWindow:Rubblons");
  EXPECT_EQ(c[5].args, (std::vector<double>{1}));
  EXPECT_EQ(c[6].args, (std::vector<double>{0, 0, 0, 0}));
  EXPECT_EQ(c[7].name, "gluOrtho2D");
  EXPECT_EQ(c[7].args, (std::vector<double>{-200, 200, -200, 200}));
  EXPECT_EQ(glrecord::callbacks().display, &drawCallback);
  EXPECT_EQ(glrecord::callbacks().idle, &drawCallback);
  EXPECT_EQ(glrecord::callbacks().keyboard, &keyboardCallback);
  EXPECT_EQ(glrecord::callbacks().special, &keyDownCallback);
  EXPECT_EQ(glrecord::callbacks().specialUp, &keyUpCallback);

  glrecord::reset();
  Interface again(1, argv, "Other", Point(-10, 10), Point(10, -10));
  Interface view;
  EXPECT_TRUE(glrecord::calls().empty());
}

TEST(ShellStartUp, WindowSizeTruncatesTheCornerDifferences) {
  Interface::initialized = false;
  glrecord::reset();
  Interface odd(0, nullptr, "odd", Point(-10.7f, 5.9f), Point(10.2f, -5.2f));
  EXPECT_EQ(glrecord::calls()[1].args, (std::vector<double>{20, 11}));
  EXPECT_EQ(glrecord::calls()[7].args, (std::vector<double>{-10, 10, -5, 5}));
}

TEST(ShellStartUp, RunStoresTheCallbackAndEntersTheLoop) {
  glrecord::reset();
  int world = 0;
  Interface ui;
  ui.run(countFrame, &world);
  EXPECT_EQ(Interface::callBack, &countFrame);
  EXPECT_EQ(Interface::p, &world);
  EXPECT_EQ(glrecord::names().back(), "glutMainLoop");
}
