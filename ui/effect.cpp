#include "effect.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

constexpr double TWO_PI = 6.283185307179586;
constexpr uint32_t NOISE_SEED = 0x2545F491u;  // every noise effect starts from the same state

// The noise's own random levels in [-1, 1]: a 32-bit xorshift generator.
class NoiseSource {
 public:
  double next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return double(state) / double(UINT32_MAX) * 2.0 - 1.0;
  }

 private:
  uint32_t state = NOISE_SEED;
};

// Noise as random levels joined by straight lines, one new level each cycle;
// a loop's last cycle leads back to its first level.
class Noise {
 public:
  explicit Noise(int loopCycles) : loopCycles(loopCycles) {}
  double at(double phase) {
    const long cycle = long(std::floor(phase));
    while (long(levels.size()) <= cycle + 1) levels.push_back(source.next());
    const double from = levels[size_t(cycle)];
    const double to = (loopCycles > 0 && cycle + 1 >= loopCycles) ? levels[0] : levels[size_t(cycle + 1)];
    return from + (to - from) * (phase - double(cycle));
  }

 private:
  NoiseSource source;
  std::vector<double> levels;
  int loopCycles;  // 0 for a one-shot
};

// The wave's value (-1 to 1) at `phase`, counted in cycles from the start.
double waveAt(Effect::Wave wave, double phase, Noise& noise) {
  switch (wave) {
    case Effect::Wave::SINE: return std::sin(TWO_PI * phase);
    case Effect::Wave::SQUARE: return phase - std::floor(phase) < 0.5 ? 1.0 : -1.0;
    case Effect::Wave::NOISE: return noise.at(phase);
  }
  return 0.0;
}

// A one-shot's level (0 to 1) at sample `i` of `length`: up over the attack,
// then down to 0 at the last sample, falling fastest at first.
double envelope(const Effect& effect, int i, int length) {
  const int attackEnd = std::min(int(std::lround(effect.attack * SAMPLE_RATE)), length - 1);
  if (i < attackEnd) return double(i) / double(attackEnd);
  const double left = double(length - 1 - i) / double(std::max(1, length - 1 - attackEnd));
  return left * left;
}

int16_t toSample(double value) {
  return int16_t(std::lround(std::clamp(value, -1.0, 1.0) * FULL_SCALE));
}

std::vector<int16_t> makeLoop(const Effect& effect) {
  const int cycles = std::max(1, int(std::lround(effect.seconds * effect.pitch)));
  const int length = std::max(1, int(std::lround(cycles * SAMPLE_RATE / effect.pitch)));
  Noise noise(cycles);
  std::vector<int16_t> samples(size_t(length), 0);
  for (int i = 0; i < length; i++) {
    const double phase = double(i) * cycles / length;  // exactly `cycles` by the end
    samples[size_t(i)] = toSample(effect.volume * waveAt(effect.wave, phase, noise));
  }
  return samples;
}

std::vector<int16_t> makeOneShot(const Effect& effect) {
  const int length = std::max(2, int(std::lround(effect.seconds * SAMPLE_RATE)));
  const double octaves = std::log2(effect.endPitch / effect.pitch);
  Noise noise(0);
  std::vector<int16_t> samples(size_t(length), 0);
  double phase = 0.0;
  for (int i = 0; i < length; i++) {
    const double value = waveAt(effect.wave, phase, noise) * envelope(effect, i, length);
    samples[size_t(i)] = toSample(effect.volume * value);
    phase += effect.pitch * std::exp2(octaves * i / (length - 1)) / SAMPLE_RATE;
  }
  return samples;
}

Effect made(Effect::Wave wave, float hz, float seconds) {
  assert(hz > 0 && seconds > 0);
  Effect effect;
  effect.wave = wave;
  effect.pitch = effect.endPitch = hz;
  effect.seconds = seconds;
  return effect;
}

}  // namespace

Effect Effect::sine(float hz, float seconds) { return made(Wave::SINE, hz, seconds); }
Effect Effect::square(float hz, float seconds) { return made(Wave::SQUARE, hz, seconds); }
Effect Effect::noise(float hz, float seconds) { return made(Wave::NOISE, hz, seconds); }

Effect Effect::slideTo(float hz) const {
  assert(hz > 0);
  Effect effect = *this;
  effect.endPitch = hz;
  return effect;
}

Effect Effect::rising(float risingSeconds) const {
  Effect effect = *this;
  effect.attack = std::clamp(risingSeconds, 0.0f, seconds);
  return effect;
}

Effect Effect::at(float share) const {
  Effect effect = *this;
  effect.volume = std::clamp(share, 0.0f, 1.0f);
  return effect;
}

Effect Effect::looped() const {
  Effect effect = *this;
  effect.loop = true;
  effect.endPitch = pitch;
  return effect;
}

std::vector<int16_t> makeSamples(const Effect& effect) {
  return effect.loop ? makeLoop(effect) : makeOneShot(effect);
}
