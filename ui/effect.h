/// @file
/// effect: a sound effect as a plain recipe, and the samples it makes.
///
/// A recipe is a wave (a sine or square tone, or noise), a pitch that may
/// slide to another, a length, an attack, a loudness and whether it loops. A
/// one-shot rises over its attack and then decays to silence at its end; a
/// loop holds its level and is cut to whole cycles, so that it joins without a
/// click. A game names its effects as constants in a line each:
///
/// ```
///   const Effect SHOT = Effect::square(880, 0.15).slideTo(220);
///   const Effect HUM = Effect::noise(150, 0.5).looped().at(0.3);
/// ```
///
/// Noise comes from a generator of the effect's own, never from rand(), so
/// making sounds leaves the game's random sequence alone.
#pragma once

#include <cstdint>
#include <tuple>
#include <vector>

/// Samples a second in every buffer; samples are signed 16-bit, one channel.
constexpr int SAMPLE_RATE = 22050;
/// The level a sample never exceeds (either sign).
constexpr int FULL_SCALE = 32767;

/// A sound effect's recipe: made with sine(), square() or noise() and changed
/// by the calls after them, each of which gives a new recipe.
struct Effect {
  /// The wave a recipe sounds.
  enum class Wave { SINE, SQUARE, NOISE };

  Wave wave = Wave::SINE;  ///< a sine or square tone, or noise
  float pitch = 440;     ///< Hz at the start (for noise: new random levels a second)
  float endPitch = 440;  ///< Hz at the end: the pitch slides evenly (in octaves) from one to the other
  float seconds = 0.1f;  ///< length
  float attack = 0.005f; ///< seconds to rise to full level; a one-shot then decays to 0 at its end
  float volume = 0.5f;   ///< peak level, a share of FULL_SCALE (0 to 1)
  bool loop = false;     ///< played over and over until stopped

  /// A sine tone, a square tone or noise at `hz`, lasting `seconds`. Asserts hz > 0, seconds > 0.
  ///@{
  static Effect sine(float hz, float seconds);
  static Effect square(float hz, float seconds);
  static Effect noise(float hz, float seconds);
  ///@}

  /// The same recipe with the pitch sliding to `hz` by the end. Asserts hz > 0.
  Effect slideTo(float hz) const;
  /// The same recipe rising over `seconds` (0 to the length).
  Effect rising(float seconds) const;
  /// The same recipe peaking at `share` of full scale (0 to 1).
  Effect at(float share) const;
  /// The same recipe played over and over until stopped: no slide, no decay.
  Effect looped() const;

  /// Recipes are compared field by field (a player keeps one buffer for each).
  ///@{
  auto fields() const { return std::tie(wave, pitch, endPitch, seconds, attack, volume, loop); }
  bool operator<(const Effect& other) const { return fields() < other.fields(); }
  bool operator==(const Effect& other) const { return fields() == other.fields(); }
  ///@}
};

/// The effect's samples at SAMPLE_RATE. A loop's length is the recipe's,
/// rounded to whole cycles of its pitch (at least one).
std::vector<int16_t> makeSamples(const Effect& effect);
