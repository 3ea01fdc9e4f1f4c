#include "surface.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>
#include <utility>

#include "vexel.h"

namespace {

// The pad's colour: green.
constexpr float PAD_RED = 0.0f, PAD_GREEN = 1.0f, PAD_BLUE = 0.0f;
// Stands for a missing neighbour: no height comes within MIN_RISE of it.
constexpr float NO_NEIGHBOUR = std::numeric_limits<float>::infinity();

// A whole height of rough ground at least MIN_RISE from both neighbours, so
// that no piece of rough ground is flat and the pad's level ends at the pad.
float roughHeight(float before, float after) {
  for (;;) {
    const float height = float(random(GROUND_LOW, GROUND_HIGH + 1));
    if (std::fabs(height - before) >= MIN_RISE && std::fabs(height - after) >= MIN_RISE)
      return height;
  }
}

// Appends the x of the corners strictly between `from` and `to`, spread
// evenly about SEGMENT_WIDTH apart.
void spread(std::vector<float>& xs, float from, float to) {
  const long pieces = std::max(1L, std::lround((to - from) / SEGMENT_WIDTH));
  for (long i = 1; i < pieces; i++) xs.push_back(from + (to - from) * float(i) / float(pieces));
}

}  // namespace

Surface Surface::generate(int left, int right) {
  const int padLeft = random(left + PAD_EDGE_GAP, right - PAD_EDGE_GAP - int(PAD_WIDTH) + 1);
  const float padHeight = float(random(GROUND_LOW, GROUND_HIGH + 1));

  std::vector<float> xs{float(left)};
  spread(xs, float(left), float(padLeft));
  const std::size_t pad = xs.size();
  xs.push_back(float(padLeft));
  xs.push_back(float(padLeft) + PAD_WIDTH);
  spread(xs, xs.back(), float(right));
  xs.push_back(float(right));

  std::vector<Point> corners;
  for (std::size_t i = 0; i < xs.size(); i++) {
    if (i == pad || i == pad + 1) {
      corners.emplace_back(xs[i], padHeight);
    } else {
      const float before = i > 0 ? corners.back().getY() : NO_NEIGHBOUR;
      const float after = i + 1 == pad ? padHeight : NO_NEIGHBOUR;
      corners.emplace_back(xs[i], roughHeight(before, after));
    }
  }
  return Surface(std::move(corners), pad);
}

Surface::Surface(std::vector<Point> corners, std::size_t pad)
    : corners(std::move(corners)), pad(pad) {
  assert(pad + 1 < this->corners.size());
}

float Surface::heightAt(float x) const {
  if (x <= corners.front().getX()) return corners.front().getY();
  if (x >= corners.back().getX()) return corners.back().getY();
  const auto next = std::upper_bound(corners.begin(), corners.end(), x,
                                     [](float at, const Point& c) { return at < c.getX(); });
  const Point& a = *(next - 1);
  const Point& b = *next;
  return a.getY() + (b.getY() - a.getY()) * (x - a.getX()) / (b.getX() - a.getX());
}

float Surface::heightUnder(float left, float right) const {
  float highest = std::max(heightAt(left), heightAt(right));
  for (const Point& corner : corners)
    if (corner.getX() > left && corner.getX() < right) highest = std::max(highest, corner.getY());
  return highest;
}

void Surface::draw() const {
  for (std::size_t i = 0; i + 1 < corners.size(); i++) {
    if (i == pad)
      drawLine(corners[i], corners[i + 1], PAD_RED, PAD_GREEN, PAD_BLUE);
    else
      drawLine(corners[i], corners[i + 1]);
  }
}
