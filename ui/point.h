/// @file
/// Point: a position in world units, x growing to the right and y upward.
/// A plain value: copied freely, owns nothing, never clamped or wrapped.
#pragma once

/// A position in world units: x and y.
class Point {
 public:
  /// The origin.
  Point() : x(0.0f), y(0.0f) {}
  explicit Point(bool) : x(0.0f), y(0.0f) {}  ///< the origin; the flag is ignored
  /// The point (x, y).
  Point(float x, float y) : x(x), y(y) {}

  /// Its coordinates, read, set and moved by an amount.
  ///@{
  float getX() const { return x; }
  float getY() const { return y; }
  void setX(float x) { this->x = x; }
  void setY(float y) { this->y = y; }
  void addX(float dx) { setX(getX() + dx); }
  void addY(float dy) { setY(getY() + dy); }
  ///@}

 private:
  float x;
  float y;
};
