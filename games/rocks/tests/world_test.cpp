// The world: its start, the rock timer, rock placement, input, the sonic
// boom, drawing, the frame callback and ownership.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <type_traits>

#include "game_probe.h"
#include "glrecord.h"
#include "placed.h"

namespace {

const Point TOP_LEFT(-200, 200);
const Point BOTTOM_RIGHT(200, -200);
constexpr int TIMER = 150;

void releaseAllKeys() {
  Interface::isUpPress = Interface::isDownPress = 0;
  Interface::isLeftPress = Interface::isRightPress = 0;
  Interface::isSpacePress = Interface::isBPress = false;
  Interface::isNPress = Interface::isRPress = false;
}

class World : public ::testing::Test {
 protected:
  void SetUp() override {
    releaseAllKeys();
    Interface::initialized = true;  // views of the shell must not open a window
    srand(11);
    glrecord::reset();
    game = std::make_unique<Game>(TOP_LEFT, BOTTOM_RIGHT);
  }
  void TearDown() override { releaseAllKeys(); }

  Ship& ship() { return GameProbe::ship(*game); }
  std::list<Bullet*>& bullets() { return GameProbe::bullets(*game); }
  std::list<Rock*>& rocks() { return GameProbe::rocks(*game); }
  // Runs `frames` frames of the world with the keys as they are.
  void frames(int count) {
    for (int i = 0; i < count; i++) {
      game->advance();
      game->handleInput(ui);
    }
  }

  Interface ui;
  std::unique_ptr<Game> game;
};

bool insideSafeSquare(const Point& p, const Point& ship) {
  return std::fabs(p.getX() - ship.getX()) < 50 && std::fabs(p.getY() - ship.getY()) < 50;
}

}  // namespace

TEST_F(World, StartsWithALiveShipAndSevenBigRocksAwayFromIt) {
  EXPECT_TRUE(ship().isAlive());
  EXPECT_TRUE(bullets().empty());
  ASSERT_EQ(rocks().size(), 7u);
  for (Rock* rock : rocks()) {
    EXPECT_NE(dynamic_cast<BigRock*>(rock), nullptr);
    EXPECT_FALSE(insideSafeSquare(rock->getPosition(), ship().getPosition()));
  }
  EXPECT_FLOAT_EQ(Game::topLeft.getX(), -200.0f);
  EXPECT_FLOAT_EQ(Game::bottomRight.getY(), -200.0f);
}

TEST_F(World, OneMoreBigRockArrivesInEvery150thFrame) {
  GameProbe::empty(*game);
  ship().kill();  // nothing collides, so only arrivals change the count
  frames(TIMER - 1);
  EXPECT_TRUE(rocks().empty());
  frames(1);
  ASSERT_EQ(rocks().size(), 1u);
  EXPECT_NE(dynamic_cast<BigRock*>(rocks().back()), nullptr);
  frames(TIMER - 1);
  EXPECT_EQ(rocks().size(), 1u);
  frames(1);
  EXPECT_EQ(rocks().size(), 2u);
  frames(2 * TIMER);
  EXPECT_EQ(rocks().size(), 4u);
  EXPECT_EQ(GameProbe::timer(*game), TIMER);
}

TEST_F(World, NoRockIsPlacedInsideTheSquareAroundTheShip) {
  for (Point where : {Point(0, 0), Point(120, -130), Point(-170, 190)}) {
    GameProbe::replaceShip(*game, new PlacedShip(where, Velocity()));
    for (int i = 0; i < 2000; i++) {
      const Point p = game->getRandomPoint();
      ASSERT_FALSE(insideSafeSquare(p, where)) << p.getX() << ", " << p.getY();
      ASSERT_EQ(p.getX(), std::trunc(p.getX()));
      ASSERT_EQ(p.getY(), std::trunc(p.getY()));
      ASSERT_LE(std::fabs(p.getX()), 200.0f);
      ASSERT_LE(std::fabs(p.getY()), 200.0f);
    }
  }
}

TEST_F(World, SonicBoomFiresFortyBulletsInIndexOrderAndBoomsOnce) {
  for (int i = 0; i < 3; i++) ship().turnLeft();
  game->sonicBoom();
  ASSERT_EQ(bullets().size(), 40u);
  int index = -20;
  for (Bullet* bullet : bullets()) {
    Bullet expected(ship(), index++);
    EXPECT_EQ(bullet->getRotation(), expected.getRotation());
    EXPECT_FLOAT_EQ(bullet->getVelocity().getDx(), expected.getVelocity().getDx());
    EXPECT_FLOAT_EQ(bullet->getVelocity().getDy(), expected.getVelocity().getDy());
  }
  EXPECT_EQ(ship().getSonicBoom(), SHIP_SONIC_BOOMS - 1);
}

TEST_F(World, BFiresAVolleyOnlyWhileBoomsAreLeft) {
  Interface::isBPress = true;
  for (int volley = 1; volley <= SHIP_SONIC_BOOMS; volley++) {
    game->handleInput(ui);
    EXPECT_EQ(bullets().size(), 40u * volley);
    EXPECT_EQ(ship().getSonicBoom(), SHIP_SONIC_BOOMS - volley);
  }
  game->handleInput(ui);
  EXPECT_EQ(bullets().size(), 40u * SHIP_SONIC_BOOMS);
  EXPECT_EQ(ship().getSonicBoom(), 0);
}

TEST_F(World, WithoutUpTheBoostFlagIsClearedEveryFrame) {
  for (int frame = 0; frame < 3; frame++) {
    ship().setBoost(true);
    game->handleInput(ui);
    EXPECT_FALSE(ship().isBoosting()) << "frame " << frame;
  }
}

TEST_F(World, HoldingUpThrustsEveryFrame) {
  for (int held = 1; held <= 3; held++) {
    Interface::isUpPress = held;
    game->handleInput(ui);
    EXPECT_TRUE(ship().isBoosting());
    EXPECT_FLOAT_EQ(ship().getVelocity().getDy(), held * SHIP_THRUST);
  }
}

TEST_F(World, LeftAndRightHeldTogetherBothApply) {
  Interface::isLeftPress = 4;
  game->handleInput(ui);
  EXPECT_EQ(ship().getRotation(), SHIP_TURN_STEP);
  Interface::isRightPress = 1;
  game->handleInput(ui);
  EXPECT_EQ(ship().getRotation(), SHIP_TURN_STEP);
}

TEST_F(World, SpaceFiresOneBulletFromTheNose) {
  Interface::isSpacePress = true;
  game->handleInput(ui);
  ASSERT_EQ(bullets().size(), 1u);
  EXPECT_FLOAT_EQ(bullets().front()->getPosition().getY(), float(SHIP_NOSE));
  Interface::isSpacePress = false;
  game->handleInput(ui);
  EXPECT_EQ(bullets().size(), 1u);
}

TEST_F(World, ADeadShipIgnoresEveryKeyButStillDrifts) {
  GameProbe::replaceShip(*game, new PlacedShip(Point(0, 0), Velocity(1, 0)));
  ship().setBoost(true);
  ship().kill();
  Interface::isUpPress = Interface::isLeftPress = Interface::isRightPress = 1;
  Interface::isSpacePress = Interface::isBPress = true;
  game->handleInput(ui);
  EXPECT_TRUE(bullets().empty());
  EXPECT_TRUE(ship().isBoosting());  // neither thrust() nor setBoost(false) was called
  EXPECT_EQ(ship().getRotation(), 0);
  EXPECT_FLOAT_EQ(ship().getVelocity().getDy(), 0.0f);
  EXPECT_EQ(ship().getSonicBoom(), SHIP_SONIC_BOOMS);

  Interface::isUpPress = 0;
  game->handleInput(ui);
  EXPECT_TRUE(ship().isBoosting());
  game->advance();
  EXPECT_GT(ship().getPosition().getX(), 0.9f);
}

TEST_F(World, DrawsTheShipBulletsRocksAndTheBoomCount) {
  GameProbe::empty(*game);
  Interface::isSpacePress = true;
  game->handleInput(ui);
  rocks().push_back(new BigRock(Point(100, 100)));
  glrecord::reset();
  game->draw(ui);
  const auto drawn = glrecord::primitives();
  ASSERT_GE(drawn.size(), 4u);
  EXPECT_EQ(drawn[0].mode, GLenum(GL_LINE_STRIP));  // ship
  EXPECT_EQ(drawn[1].mode, GLenum(GL_POINTS));      // bullet
  EXPECT_EQ(drawn[2].mode, GLenum(GL_LINE_STRIP));  // rock
  for (size_t i = 3; i < drawn.size(); i++) {
    EXPECT_EQ(drawn[i].mode, GLenum(GL_LINES));  // the digit's segments
    for (const auto& v : drawn[i].vertices) {
      EXPECT_TRUE(v.x >= 180 && v.x <= 187 && v.y <= 180 && v.y >= 170) << v;
    }
  }
}

TEST_F(World, ADeadShipIsNotDrawnButTheBoomCountIs) {
  GameProbe::empty(*game);
  game->sonicBoom();
  GameProbe::empty(*game);
  ship().kill();
  glrecord::reset();
  game->draw(ui);
  const auto drawn = glrecord::primitives();
  ASSERT_EQ(drawn.size(), 5u);  // the five segments of a 2
  for (const auto& p : drawn) {
    EXPECT_EQ(p.mode, GLenum(GL_LINES));
    EXPECT_TRUE(p.vertices.front().x >= 180 && p.vertices.front().y <= 180);
  }
  EXPECT_EQ(drawn[0].vertices.front(), (glrecord::Vertex{180, 180}));
  EXPECT_EQ(drawn[1].vertices.back(), (glrecord::Vertex{187, 175}));  // 2's right half
}

TEST_F(World, AShotFiredInAFrameIsDrawnWhereItStartsAndMovesNextFrame) {
  GameProbe::empty(*game);
  Interface::isSpacePress = true;
  glrecord::reset();
  callBack(&ui, game.get());
  ASSERT_EQ(bullets().size(), 1u);
  const Point start = bullets().front()->getPosition();
  bool drawnAtStart = false;
  for (const auto& p : glrecord::primitives())
    if (p.mode == GL_POINTS)
      drawnAtStart = p.vertices.front() == glrecord::Vertex{start.getX(), start.getY()};
  EXPECT_TRUE(drawnAtStart);

  Interface::isSpacePress = false;
  callBack(&ui, game.get());
  EXPECT_FLOAT_EQ(bullets().front()->getPosition().getY(), start.getY() + BULLET_SPEED);
}

TEST_F(World, DestroyingTheWorldDeletesTheShipAndEveryBulletAndRock) {
  PlacedShip::deleted = PlacedBullet::deleted = PlacedRock::deleted = 0;
  GameProbe::replaceShip(*game, new PlacedShip(Point(), Velocity()));
  for (int i = 0; i < 3; i++) bullets().push_back(new PlacedBullet(Point(), Velocity()));
  for (int i = 0; i < 4; i++) rocks().push_back(new PlacedRock(Point(), Velocity(), 5));
  game.reset();
  EXPECT_EQ(PlacedShip::deleted, 1);
  EXPECT_EQ(PlacedBullet::deleted, 3);
  EXPECT_EQ(PlacedRock::deleted, 4);
}

static_assert(!std::is_copy_constructible_v<Game>, "a world owns its objects: no copies");
static_assert(!std::is_copy_assignable_v<Game>, "a world owns its objects: no copies");
