// Reaches into a Game's ship and lists, so tests and the benchmark can set up
// exact situations.
#pragma once

#include <list>

#include "game.h"

struct GameProbe {
  static Ship& ship(Game& game) { return *game.ship; }
  static std::list<Bullet*>& bullets(Game& game) { return game.bullets; }
  static std::list<Rock*>& rocks(Game& game) { return game.rocks; }
  static int timer(const Game& game) { return game.timer; }

  // Puts `ship` in place of the world's ship; the world owns it from now on.
  static void replaceShip(Game& game, Ship* ship) {
    delete game.ship;
    game.ship = ship;
  }
  // Deletes every bullet and rock, leaving the ship alone in the world.
  static void empty(Game& game) {
    for (Bullet* bullet : game.bullets) delete bullet;
    for (Rock* rock : game.rocks) delete rock;
    game.bullets.clear();
    game.rocks.clear();
  }
};
