// Effect recipes, checked on the samples they make.
#include "effect.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

using Samples = std::vector<int16_t>;

int peak(Samples::const_iterator from, Samples::const_iterator to) {
  int most = 0;
  for (auto s = from; s != to; ++s) most = std::max(most, std::abs(int(*s)));
  return most;
}

int largestStep(const Samples& s) {
  int most = 0;
  for (size_t i = 1; i < s.size(); i++) most = std::max(most, std::abs(s[i] - s[i - 1]));
  return most;
}

// Rises from negative to non-negative between samples `from` and `to`.
int upCrossings(const Samples& s, size_t from, size_t to) {
  int count = 0;
  for (size_t i = from + 1; i < to; i++) count += s[i - 1] < 0 && s[i] >= 0;
  return count;
}

}  // namespace

// Every sample stays within the recipe's level and the loudest comes near it.
// A one-shot lasts its length and fades to silence; a loop is whole cycles
// near its length and, played round, steps from its last sample to its first
// no harder than between any two neighbours inside (no click).
TEST(Effect, SamplesKeepTheirLevelOneShotsFadeToSilenceLoopsJoinWithoutAClick) {
  const struct {
    const char* what;
    Effect effect;
    float lowestPeak;  // share of the level the loudest sample reaches at least
  } recipes[] = {
      {"a sine sliding down", Effect::sine(880, 0.3f).slideTo(220), 0.9f},
      {"a quiet square sliding up", Effect::square(200, 0.2f).slideTo(800).at(0.2f), 0.9f},
      {"a slow attack at full scale", Effect::sine(440, 0.5f).rising(0.25f).at(1.0f), 0.9f},
      {"noise falling", Effect::noise(3000, 0.4f).slideTo(100), 0.5f},
      {"a sine loop", Effect::sine(233, 0.5f).looped(), 0.99f},
      {"a square loop", Effect::square(310, 0.3f).looped().at(0.3f), 0.99f},
      {"a noise loop", Effect::noise(150, 0.5f).looped().at(0.35f), 0.5f},
      {"a loop shorter than a cycle", Effect::sine(30, 0.01f).looped(), 0.99f},
  };
  for (const auto& r : recipes) {
    SCOPED_TRACE(r.what);
    const Samples s = makeSamples(r.effect);
    const float level = r.effect.volume * FULL_SCALE;
    EXPECT_LE(peak(s.begin(), s.end()), int(std::lround(level)));
    EXPECT_GE(peak(s.begin(), s.end()), int(r.lowestPeak * level));
    if (!r.effect.loop) {
      EXPECT_EQ(s.size(), size_t(std::lround(r.effect.seconds * SAMPLE_RATE)));
      EXPECT_TRUE(s.front() == 0 && s.back() == 0);
      EXPECT_LT(peak(s.end() - long(s.size() / 100), s.end()), FULL_SCALE / 100) << "fades out";
      continue;
    }
    const double cycle = SAMPLE_RATE / r.effect.pitch;  // samples
    EXPECT_NEAR(double(s.size()), std::max(double(r.effect.seconds) * SAMPLE_RATE, cycle), cycle / 2 + 1);
    EXPECT_LE(std::abs(s.front() - s.back()), largestStep(s));
    if (r.effect.wave == Effect::Wave::NOISE) continue;
    const int roundTrip = upCrossings(s, 0, s.size()) + (s.back() < 0 && s.front() >= 0);
    EXPECT_EQ(roundTrip, std::max(1L, std::lround(r.effect.seconds * r.effect.pitch)));
  }
}

TEST(Effect, APitchSlidesFromItsStartToItsEnd) {
  const Samples s = makeSamples(Effect::sine(1600, 0.5f).slideTo(400));
  const size_t tenth = s.size() / 10;
  // Over the first and last tenths the pitch is about 1600 * 2^(-0.1) and 400 * 2^(0.1) Hz.
  const double seconds = double(tenth) / SAMPLE_RATE;
  EXPECT_NEAR(upCrossings(s, 0, tenth), 1600 * std::exp2(-0.1) * seconds, 3);
  EXPECT_NEAR(upCrossings(s, s.size() - tenth, s.size()), 400 * std::exp2(0.1) * seconds, 3);
}

TEST(Effect, NoiseIsTheSameEveryTimeAndLeavesTheGamesRandomSequenceAlone) {
  const Effect noise = Effect::noise(2000, 0.2f);
  srand(42);
  const int expected = rand();
  srand(42);
  const Samples first = makeSamples(noise);
  EXPECT_EQ(rand(), expected);
  EXPECT_EQ(makeSamples(noise), first);
  EXPECT_GT(upCrossings(first, 0, first.size()), 50) << "it is noise, not silence";
}
