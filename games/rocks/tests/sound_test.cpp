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

TEST_F(Sounds, SpaceSoundsOneShotInItsFrameAndNoMoreWhileHeld) {
  Interface::isSpacePress = true;
  frame();
  EXPECT_EQ(soundrecord::played(), std::vector<Effect>{SHOT_SOUND});
  frame();  // the press is spent
  EXPECT_TRUE(soundrecord::played().empty());
}

TEST_F(Sounds, AVolleyOfFortyBulletsSoundsOnceAndNotWithoutABoomLeft) {
  for (int boom = 0; boom <= SHIP_SONIC_BOOMS; boom++) {
    Interface::isBPress = true;
    frame();
    const bool left = boom < SHIP_SONIC_BOOMS;
    EXPECT_EQ(GameProbe::bullets(*game).size(), left ? 40u * (boom + 1) : 40u * boom);
    EXPECT_EQ(soundrecord::played(), left ? std::vector<Effect>{VOLLEY_SOUND} : std::vector<Effect>{})
        << "boom " << boom;
  }
}

TEST_F(Sounds, ABrokenRockSoundsDeeperTheBiggerItIs) {
  const Effect big = rockBreakSound(BIG_ROCK_SIZE), medium = rockBreakSound(MEDIUM_ROCK_SIZE),
               small = rockBreakSound(SMALL_ROCK_SIZE);
  EXPECT_LT(big.pitch, medium.pitch);
  EXPECT_LT(medium.pitch, small.pitch);
  GameProbe::rocks(*game).push_back(new BigRock(Point(0, 60)));
  Interface::isSpacePress = true;  // the ship points up at it
  for (int i = 0; i < 20 && soundrecord::timesPlayed(big) == 0; i++) frame();
  EXPECT_EQ(soundrecord::timesPlayed(big), 1);
  EXPECT_EQ(GameProbe::rocks(*game).size(), 3u);  // its fragments, which stay silent
}

TEST_F(Sounds, TheShipsEndSoundsWhenARockHitsIt) {
  GameProbe::rocks(*game).push_back(new BigRock(Point(0, 0)));
  frame();
  EXPECT_FALSE(GameProbe::ship(*game).isAlive());
  EXPECT_EQ(soundrecord::timesPlayed(SHIP_LOST_SOUND), 1);
  EXPECT_EQ(soundrecord::timesPlayed(rockBreakSound(BIG_ROCK_SIZE)), 1);
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
