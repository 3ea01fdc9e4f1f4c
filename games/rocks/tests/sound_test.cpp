// The shooter's sounds, heard through the recording stand-in of the sound
// module: each starts in the frame of its event, the hum lasts while Up is held.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "game_probe.h"
#include "glrecord.h"
#include "soundrecord.h"

namespace {

class Sounds : public ::testing::Test {
 protected:
  void SetUp() override {
    Interface::initialized = true;  // no window
    Interface::isUpPress = 0;
    Interface::isSpacePress = Interface::isBPress = false;
    soundrecord::clear();
    srand(5);
    game = std::make_unique<Game>(Point(-200, 200), Point(200, -200));
    GameProbe::empty(*game);  // no rock in the way unless a test places one
  }
  void TearDown() override { SetUp(); }

  // One frame through the shell's callback, hearing only this frame's one-shots.
  void frame() {
    soundrecord::reset();
    glrecord::reset();
    callBack(&ui, game.get());
    ui.keyEvent();
  }

  Interface ui;
  std::unique_ptr<Game> game;
};

}  // namespace

TEST_F(Sounds, AShotAndAVolleySoundOnceInTheirFrameAndAVolleyNotWithoutABoomLeft) {
  for (int press = 0; press <= SHIP_SONIC_BOOMS; press++) {
    Interface::isSpacePress = Interface::isBPress = true;
    frame();
    const std::vector<Effect> both{SHOT_SOUND, VOLLEY_SOUND}, shotOnly{SHOT_SOUND};
    EXPECT_EQ(soundrecord::played(), press < SHIP_SONIC_BOOMS ? both : shotOnly) << "press " << press;
    frame();  // the presses are spent
    EXPECT_TRUE(soundrecord::played().empty());
  }
}

TEST_F(Sounds, ARockThatHitsTheShipSoundsTheShipsEndAndItsOwnBreakingButNotItsFragments) {
  GameProbe::rocks(*game).push_back(new BigRock(Point(0, 0)));
  frame();
  ASSERT_FALSE(GameProbe::ship(*game).isAlive());
  EXPECT_EQ(soundrecord::played(), (std::vector<Effect>{SHIP_LOST_SOUND, rockBreakSound(BIG_ROCK_SIZE)}));
  EXPECT_EQ(GameProbe::rocks(*game).size(), 3u);
}

TEST_F(Sounds, TheHumLastsWhileUpIsHeldAndEndsWithTheShip) {
  frame();
  EXPECT_FALSE(soundrecord::looping(THRUST_SOUND));
  Interface::isUpPress = 1;
  for (int i = 0; i < 5; i++) {
    frame();
    EXPECT_TRUE(soundrecord::looping(THRUST_SOUND)) << "held frame " << i;
  }
  Interface::isUpPress = 0;
  frame();
  EXPECT_FALSE(soundrecord::looping(THRUST_SOUND));
  Interface::isUpPress = 1;
  frame();
  GameProbe::ship(*game).kill();
  frame();
  EXPECT_FALSE(soundrecord::looping(THRUST_SOUND)) << "a lost ship does not hum on";
}

TEST_F(Sounds, MKeySilencesTheHumStartsNothingShowsTheMarkAndUnmutes) {
  Interface::isUpPress = 1;
  frame();
  keyboardCallback('m', 0, 0);
  EXPECT_TRUE(soundrecord::loops().empty());
  Interface::isSpacePress = true;
  ui.run(callBack, game.get());  // the stand-in's loop returns at once
  soundrecord::reset();
  drawCallback();  // a whole frame of the shell, muted, Up still held
  EXPECT_TRUE(soundrecord::played().empty() && soundrecord::loops().empty());
  EXPECT_EQ(soundrecord::markDrawn(), 1);
  keyboardCallback('m', 0, 0);
  frame();
  EXPECT_TRUE(soundrecord::looping(THRUST_SOUND)) << "the hum returns while Up is held";
  EXPECT_EQ(soundrecord::markDrawn(), 0);
}
