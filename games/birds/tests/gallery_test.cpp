// The gallery's world: firing, hits along the path of a frame, the birds'
// kinds and escapes, the barrel, the round and its clock, drawing, and replay.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "comlin.h"
#include "gallery.h"
#include "glrecord.h"
#include "soundrecord.h"
#include "grendak.h"
#include "holvane.h"
#include "vexel.h"

using glrecord::Primitive;
using glrecord::Colour;
using glrecord::Vertex;

// Reaches into a Gallery's lists so tests can set up exact situations.
struct GalleryProbe {
  static std::list<Bird*>& birds(Gallery& g) { return g.birds; }
  static std::list<Pellet*>& pellets(Gallery& g) { return g.pellets; }
  static void holdBackBirds(Gallery& g) { g.birdTimer = ROUND_FRAMES + 1; }
};

namespace {

void releaseAllKeys() {
  Interface::isUpPress = Interface::isDownPress = 0;
  Interface::isLeftPress = Interface::isRightPress = 0;
  Interface::isSpacePress = Interface::isBPress = Interface::isNPress = Interface::isRPress = false;
}

using MakeBird = std::function<Bird*()>;
const MakeBird COMLIN = [] { return new Comlin; };
const MakeBird GRENDAK = [] { return new Grendak; };
const MakeBird HOLVANE = [] { return new Holvane; };
const Colour RED{1, 0, 0};

class GalleryWorld : public ::testing::Test {
 protected:
  void SetUp() override {
    releaseAllKeys();
    Interface::initialized = true;  // views of the shell must not open a window
    glrecord::reset();
    GalleryProbe::holdBackBirds(world);
  }
  void TearDown() override { releaseAllKeys(); }

  // Frames as the shell runs them: the world's step, input and drawing, then the keys age.
  void frames(int count) {
    for (int i = 0; i < count; i++) {
      callBack(&ui, &world);
      ui.keyEvent();
    }
  }
  Bird* place(const MakeBird& make, Point at, Velocity moving = Velocity()) {
    Bird* bird = make();
    bird->setPosition(at);
    bird->setVelocity(moving);
    GalleryProbe::birds(world).push_back(bird);
    return bird;
  }
  void shoot(Point from, Velocity moving) {
    Pellet* pellet = new Pellet(from, 0);
    pellet->setVelocity(moving);
    GalleryProbe::pellets(world).push_back(pellet);
  }
  std::list<Bird*>& birds() { return GalleryProbe::birds(world); }

  Interface ui;
  Gallery world;
};

}  // namespace

TEST_F(GalleryWorld, SpaceFiresOnePelletFromTheMuzzleThatHitsABirdAlongTheBarrelAndScores) {
  const Point muzzle = world.getMuzzle();
  const Velocity far = alongBarrel(BARREL_START, 200);
  const Point target(muzzle.getX() + far.getDx(), muzzle.getY() + far.getDy());
  place(COMLIN, target);
  Interface::isSpacePress = true;
  soundrecord::reset();
  frames(1);
  ASSERT_EQ(GalleryProbe::pellets(world).size(), 1u);
  EXPECT_EQ(glrecord::primitives()[1].mode, GLenum(GL_POINTS));  // drawn where it starts
  EXPECT_EQ(glrecord::primitives()[1].vertices[0], (Vertex{muzzle.getX(), muzzle.getY()}));
  EXPECT_EQ(soundrecord::played(), std::vector<Effect>{RIFLE_SOUND});  // heard in the same frame
  frames(1);  // the press is spent: no second pellet, no second shot heard
  ASSERT_EQ(GalleryProbe::pellets(world).size(), 1u);
  EXPECT_EQ(soundrecord::played(), std::vector<Effect>{RIFLE_SOUND});
  for (int frame = 2; world.getScore() == 0 && frame < 30; frame++) {
    glrecord::reset();
    frames(1);
  }
  EXPECT_EQ(world.getBirdsHit(), 1);
  EXPECT_TRUE(birds().empty() && GalleryProbe::pellets(world).empty());
  const Primitive puff = glrecord::primitives()[1];
  EXPECT_EQ(puff.mode, GLenum(GL_TRIANGLES));
  EXPECT_EQ(puff.vertices[0], (Vertex{target.getX(), target.getY()}));
}

TEST_F(GalleryWorld, APelletHitsWhenItsPathThisFrameComesWithinTheBirdsRadius) {
  struct Case {
    const char* what;
    Point bird;
    Velocity birdMoving;
    bool hit;
  } cases[] = {
      {"jumps a bird at rest in one frame", Point(0, 0), Velocity(), true},
      {"passes a bird 16 units aside", Point(16, 0), Velocity(), false},
      {"passes as the bird leaves its path", Point(-14, 0), Velocity(-10, 0), false},
      {"passes as the bird flies into its path", Point(-20, 0), Velocity(12, 0), true},
  };
  for (const Case& c : cases) {
    world.newRound();
    place(COMLIN, c.bird, c.birdMoving);
    shoot(Point(0, -50), Velocity(0, 100));  // 50 below the bird to 50 above it
    world.advance();
    EXPECT_EQ(world.getBirdsHit(), c.hit ? 1 : 0) << c.what;
    EXPECT_EQ(GalleryProbe::pellets(world).empty(), c.hit) << c.what;
  }
}

TEST_F(GalleryWorld, EachKindFallsAtItsLastHitScoresItsPointsAndOnlyQuarryThatEscapesIsAMiss) {
  struct Case {
    const char* kind;
    MakeBird make;
    int hits, points, missedIfEscaped;
    Effect fall;  // the sound of its last hit
  } cases[] = {{"Comlin", COMLIN, 1, 1, 1, BIRD_DOWN_SOUND},
               {"Grendak", GRENDAK, 3, 1, 1, BIRD_DOWN_SOUND},
               {"Holvane", HOLVANE, 1, -10, 0, PENALTY_SOUND}};
  using Heard = std::vector<Effect>;
  for (const Case& c : cases) {
    world.newRound();
    GalleryProbe::holdBackBirds(world);
    Bird* bird = place(c.make, Point(0, 0));
    for (int left = c.hits - 1; left > 0; left--) {
      shoot(Point(0, -20), Velocity(0, 12));
      glrecord::reset();
      soundrecord::reset();
      frames(1);
      EXPECT_EQ(bird->getHits(), left) << c.kind;
      EXPECT_EQ(glrecord::bitmapText(), std::to_string(left)) << c.kind << ": its digit counts down";
      EXPECT_EQ(soundrecord::played(), Heard{BIRD_HIT_SOUND}) << c.kind << " flies on";
    }
    shoot(Point(0, -20), Velocity(0, 12));
    soundrecord::reset();
    frames(1);
    EXPECT_EQ(soundrecord::played(), Heard{c.fall}) << c.kind;
    EXPECT_TRUE(birds().empty()) << c.kind;
    EXPECT_EQ(world.getScore(), c.points) << c.kind;
    EXPECT_EQ(world.getBirdsHit(), 1) << c.kind;

    place(c.make, Point(0, 199), Velocity(0, 3));  // one more gets away over the top
    soundrecord::reset();
    frames(1);
    EXPECT_EQ(soundrecord::played(), c.missedIfEscaped ? Heard{BIRD_AWAY_SOUND} : Heard{}) << c.kind;
    EXPECT_TRUE(birds().empty()) << c.kind;
    EXPECT_EQ(world.getScore(), c.points) << c.kind << ": an escape scores nothing";
    EXPECT_EQ(world.getBirdsMissed(), c.missedIfEscaped) << c.kind;
  }
}

TEST_F(GalleryWorld, TheBarrelTurnsFasterWhileHeldAndNeverPastItsLimits) {
  Interface::isLeftPress = 1;
  std::vector<int> turns;
  for (int i = 0, before = world.getBarrel(); i < 12; i++, before = world.getBarrel()) {
    frames(1);
    turns.push_back(world.getBarrel() - before);
  }
  EXPECT_EQ(turns, (std::vector<int>{1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3}));
  frames(100);
  EXPECT_EQ(world.getBarrel(), BARREL_LEFT);
  Interface::isLeftPress = 0;
  Interface::isUpPress = 1;
  frames(20);
  EXPECT_EQ(world.getBarrel(), BARREL_LEFT - 45);
  Interface::isUpPress = 0;
  Interface::isRightPress = 1;
  frames(100);
  EXPECT_EQ(world.getBarrel(), BARREL_UP);
  Interface::isRightPress = 0;
  Interface::isDownPress = 1;
  frames(1);
  EXPECT_EQ(world.getBarrel(), BARREL_UP + 1);
}

TEST_F(GalleryWorld, BirdsComeEveryOneToTwoSecondsMostlyComlins) {
  srand(21);
  world.newRound();
  int arrivals[3] = {}, sinceLast = 0, total = 0;
  for (int round = 0; round < 20; round++, world.newRound()) {
    while (!world.isRoundOver()) {
      world.advance();
      sinceLast++;
      if (birds().empty() || birds().back()->getPosition().getX() != -200.0f) continue;
      Bird* bird = birds().back();  // launched this frame: it has not moved yet
      ASSERT_GE(sinceLast, total ? BIRD_INTERVAL_MIN : 1);
      ASSERT_LE(sinceLast, BIRD_INTERVAL_MAX);
      sinceLast = 0;
      total++;
      arrivals[dynamic_cast<Grendak*>(bird) ? 1 : dynamic_cast<Holvane*>(bird) ? 2 : 0]++;
    }
    sinceLast = 0;
  }
  ASSERT_GT(total, 700);
  EXPECT_NEAR(100.0 * arrivals[0] / total, COMLIN_ODDS, 5);
  EXPECT_NEAR(100.0 * arrivals[1] / total, GRENDAK_ODDS, 5);
  EXPECT_NEAR(100.0 * arrivals[2] / total, HOLVANE_ODDS, 5);
}

TEST_F(GalleryWorld, TheRoundEndsAfterSixtySecondsShowsTheTotalsAndRStartsAnother) {
  world.newRound();
  frames(1);
  for (const Primitive& p : glrecord::primitives()) {  // the score's 0 top left, 60 top right
    if (p.mode != GL_LINES) continue;
    for (const Vertex& v : p.vertices) {
      const bool inScore = v.x >= -190 && v.x <= -183, inClock = v.x >= 172 && v.x <= 190;
      EXPECT_TRUE(v.y >= 180 && v.y <= 190 && (inScore || inClock)) << v;
    }
  }
  frames(ROUND_FRAMES - 2);
  EXPECT_FALSE(world.isRoundOver());
  EXPECT_EQ(world.getSecondsLeft(), 1);
  glrecord::reset();
  soundrecord::reset();
  frames(1);
  EXPECT_TRUE(world.isRoundOver());
  EXPECT_EQ(soundrecord::played(), std::vector<Effect>{ROUND_OVER_SOUND});
  EXPECT_EQ(world.getSecondsLeft(), 0);
  EXPECT_TRUE(birds().empty());
  ASSERT_GT(world.getBirdsMissed(), 0);
  EXPECT_EQ(glrecord::bitmapText(), "Final score: 0Birds hit: 0   missed: " +
                                        std::to_string(world.getBirdsMissed()) + "Press r for a new round");
  Interface::isSpacePress = true;
  frames(100);
  EXPECT_TRUE(birds().empty() && GalleryProbe::pellets(world).empty());
  Interface::isRPress = true;
  frames(1);
  EXPECT_FALSE(world.isRoundOver());
  EXPECT_EQ(world.getSecondsLeft(), 60);
  EXPECT_EQ(world.getBirdsMissed(), 0);
}

TEST(GalleryReplay, TwoWorldsSeededAlikeAndGivenTheSameKeysDrawTheSameFrames) {
  // One frame's drawing, less the Holvanes' stars: their spin is one static for the whole program.
  using Frames = std::vector<std::vector<std::pair<GLenum, std::vector<Vertex>>>>;
  auto play = [](unsigned seed, Frames& drawn) {
    releaseAllKeys();
    Interface::initialized = true;
    srand(seed);
    Gallery world;
    Interface ui;
    for (int frame = 0; frame < 900; frame++) {
      const int phase = frame % 120;  // hold Left, rest, hold Right, rest; fire every 4th frame
      Interface::isLeftPress = phase < 40 ? std::max(Interface::isLeftPress, 1) : 0;
      Interface::isRightPress = phase >= 60 && phase < 100 ? std::max(Interface::isRightPress, 1) : 0;
      Interface::isSpacePress = frame % 4 == 0;
      glrecord::reset();
      callBack(&ui, &world);
      ui.keyEvent();
      drawn.emplace_back();
      for (const Primitive& p : glrecord::primitives()) {
        const bool star = p.mode == GL_LINE_LOOP && !p.colours.empty() && p.colours[0] == RED;
        if (!star) drawn.back().emplace_back(p.mode, p.vertices);
      }
    }
    releaseAllKeys();
    return world.getBirdsHit();
  };
  Frames first, second;
  EXPECT_GT(play(8, first), 0);
  play(8, second);
  EXPECT_TRUE(first == second);
}
