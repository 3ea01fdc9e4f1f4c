// Robot: a position on a whole-number grid and an energy level.
#pragma once

// The robot's own grid position: two whole numbers, (5, 5) unless given.
class Point {
 public:
  Point() : x(5), y(5) {}
  Point(int x, int y) : x(x), y(y) {}
  int getX() const { return x; }
  int getY() const { return y; }

 private:
  int x;
  int y;
};

class Robot {
 public:
  Robot() : position(Point(5, 5)), energy(100) {}
  void display() const;  // "position (x, y), energy e", no end of line

 private:
  Point position;
  int energy;
};
