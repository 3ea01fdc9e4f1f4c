#include "world_census.h"

#include "game_probe.h"

namespace {

constexpr int VOLLEY = 40;                // bullets in a sonic boom
constexpr long TIMER_RUNS_OUT = 1;        // the timer's value in the frame before an arrival
constexpr long FIRST_BIG_ROCKS = 7;
constexpr long FRAMES_BETWEEN_ARRIVALS = 150;
constexpr long MOST_ROCKS_FROM_ONE = 5;   // a big rock can end as five small ones

RockKind kindOf(const Rock* rock) {
  if (dynamic_cast<const BigRock*>(rock)) return BIG_ROCK;
  if (dynamic_cast<const MediumRock*>(rock)) return MEDIUM_ROCK;
  return SMALL_ROCK;
}

std::string count(long n, const char* what) { return std::to_string(n) + " " + what; }

}  // namespace

WorldCensus::WorldCensus(long frames) {
  const size_t mostRocks = MOST_ROCKS_FROM_ONE * (FIRST_BIG_ROCKS + frames / FRAMES_BETWEEN_ARRIVALS + 1);
  const size_t mostBullets = BULLET_LIFETIME * (1 + VOLLEY);
  rocks.reserve(mostRocks);
  kinds.reserve(mostRocks);
  bullets.reserve(mostBullets);
  framesLeft.reserve(mostBullets);
}

void WorldCensus::take(Game& game) {
  Ship& theShip = GameProbe::ship(game);
  ship = &theShip;
  shipAlive = theShip.isAlive();
  booms = theShip.getSonicBoom();
  timer = GameProbe::timer(game);
  bullets.clear();
  framesLeft.clear();
  rocks.clear();
  kinds.clear();
  deadBullets = deadRocks = 0;
  for (const Bullet* bullet : GameProbe::bullets(game)) {
    bullets.push_back(bullet);
    framesLeft.push_back(bullet->getFramesLeft());
    deadBullets += !bullet->isAlive();
  }
  for (const Rock* rock : GameProbe::rocks(game)) {
    rocks.push_back(rock);
    kinds.push_back(kindOf(rock));
    deadRocks += !rock->isAlive();
  }
}

namespace {

// Bullets: the survivors keep their order at the front, the ones fired this
// frame follow; a bullet that left with frames to spare hit a rock.
std::string explainBullets(const WorldCensus& before, const WorldCensus& after, const Keys& keys,
                           long& hit) {
  const bool boomed = after.shipAlive && keys.boom && before.booms > 0;
  if (after.booms != before.booms - (boomed ? 1 : 0))
    return "the sonic-boom count went from " + std::to_string(before.booms) + " to " +
           std::to_string(after.booms);
  const size_t fired = after.shipAlive ? (keys.space ? 1 : 0) + (boomed ? VOLLEY : 0) : 0;
  if (after.bullets.size() < fired) return count(long(fired), "bullets fired, fewer listed");
  size_t j = 0;
  const size_t survivors = after.bullets.size() - fired;
  for (size_t i = 0; i < survivors; i++, j++) {
    for (; j < before.bullets.size() && before.bullets[j] != after.bullets[i]; j++)
      hit += before.framesLeft[j] > 1;
    if (j == before.bullets.size()) return "a bullet is listed that was never fired";
  }
  for (; j < before.bullets.size(); j++) hit += before.framesLeft[j] > 1;
  return "";
}

// Rocks: the survivors keep their order at the front, fragments follow, and
// an arrival comes last. Fragments that broke in the frame they appeared are
// never seen; the counts of what left and what appeared fix how many there were.
std::string explainRocks(const WorldCensus& before, const WorldCensus& after, long hits,
                         long& broken) {
  size_t listed = after.rocks.size();
  if (before.timer == TIMER_RUNS_OUT) {
    if (listed == 0 || after.kinds.back() != BIG_ROCK) return "no big rock arrived on time";
    listed--;
  }
  long left[ROCK_KINDS] = {}, appeared[ROCK_KINDS] = {};
  size_t j = 0;
  for (size_t i = 0; i < listed; i++) {
    for (; j < before.rocks.size() && before.rocks[j] != after.rocks[i]; j++) left[before.kinds[j]]++;
    if (j < before.rocks.size())
      j++;
    else
      appeared[after.kinds[i]]++;
  }
  for (; j < before.rocks.size(); j++) left[before.kinds[j]]++;
  if (appeared[BIG_ROCK]) return count(appeared[BIG_ROCK], "big rock(s) appeared between arrivals");
  const long unseenMedium = 2 * left[BIG_ROCK] - appeared[MEDIUM_ROCK];
  const long unseenSmall = left[BIG_ROCK] + 2 * (left[MEDIUM_ROCK] + unseenMedium) - appeared[SMALL_ROCK];
  if (unseenMedium < 0 || unseenSmall < 0)
    return count(appeared[MEDIUM_ROCK], "medium and ") + count(appeared[SMALL_ROCK], "small rocks appeared, ") +
           "more than the rocks that broke can leave";
  broken = left[BIG_ROCK] + left[MEDIUM_ROCK] + left[SMALL_ROCK] + unseenMedium + unseenSmall;
  if (broken != hits)
    return count(left[BIG_ROCK] + left[MEDIUM_ROCK] + left[SMALL_ROCK], "rocks left and ") +
           count(appeared[MEDIUM_ROCK] + appeared[SMALL_ROCK], "fragments appeared, which takes ") +
           count(broken, "breaks, but ") + count(hits, "hits were scored");
  return "";
}

}  // namespace

FrameReport compare(const WorldCensus& before, const WorldCensus& after, const Keys& keys) {
  FrameReport report;
  report.shipLost = before.shipAlive && !after.shipAlive;
  if (after.ship != before.ship)
    report.problem = "the ship was replaced";
  else if (after.shipAlive && !before.shipAlive)
    report.problem = "the dead ship came back";
  else if (after.deadBullets || after.deadRocks)
    report.problem = count(after.deadBullets, "dead bullets and ") +
                     count(after.deadRocks, "dead rocks are still listed");
  else
    report.problem = explainBullets(before, after, keys, report.bulletsHit);
  if (report.problem.empty())
    report.problem = explainRocks(before, after, report.bulletsHit + report.shipLost,
                                  report.rocksBroken);
  return report;
}
