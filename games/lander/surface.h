// surface: the ground of one landing.
//
// A broken line across the field from its left edge to its right edge, with
// exactly one flat landing pad; every other piece of it rises or falls. It
// answers how high the ground stands under a span of x and draws itself, the
// pad in green so that it stands out.
#pragma once

#include <cstddef>
#include <vector>

#include "point.h"

constexpr float PAD_WIDTH = 50.0f;      // the craft's feet span 20
constexpr int PAD_EDGE_GAP = 20;        // the pad keeps this far from either side
constexpr int GROUND_HIGH = -60;        // the ground stays between these heights,
constexpr int GROUND_LOW = -180;        // in the lower part of the field
constexpr float SEGMENT_WIDTH = 20.0f;  // about this wide between corners of rough ground
constexpr int MIN_RISE = 5;             // neighbouring corners differ at least this much

class Surface {
 public:
  // A new random ground from x = left to x = right (whole numbers): the pad
  // somewhere on it, the rough ground at whole heights around it.
  static Surface generate(int left, int right);

  // The ground through `corners`, given left to right; the pad runs from
  // corner `pad` to the next one.
  Surface(std::vector<Point> corners, std::size_t pad);

  // Height of the ground at x; beyond either end, the height of that end.
  float heightAt(float x) const;
  // The highest ground anywhere from x = left to x = right (left <= right).
  float heightUnder(float left, float right) const;

  float getPadLeft() const { return corners[pad].getX(); }
  float getPadRight() const { return corners[pad + 1].getX(); }
  float getPadHeight() const { return corners[pad].getY(); }
  const std::vector<Point>& getCorners() const { return corners; }

  // The ground as white lines, the pad as a green one.
  void draw() const;

 private:
  std::vector<Point> corners;
  std::size_t pad;
};
