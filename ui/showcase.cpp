// showcase: the kit's example program. One window that draws every shape of
// the drawing library side by side, each row labelled, some of them turning.
//
// Keys: Left and Right turn the turning shapes by hand, Up lights the ship's
// and the craft's flames.

#include "tessik.h"
#include "vexel.h"

namespace {

const Point TOP_LEFT(-300, 200);
const Point BOTTOM_RIGHT(300, -200);
constexpr int LABEL_X = -290;
constexpr int SPIN_PER_FRAME = 2;  // degrees the turning shapes move each frame
constexpr int TURN_PER_FRAME = 6;  // degrees Left and Right add on top

// The showcase's whole state: the angle of the turning shapes.
struct Showcase {
  int angle = 0;
};

void label(int y, const char* text) { drawText(Point(LABEL_X, y - 4), text); }

void drawLinesRow(int y) {
  label(y, "lines");
  const float colours[][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 1, 0}, {0, 1, 1}, {1, 0, 1}};
  int x = -200;
  for (const float* c : colours) {
    drawLine(Point(x, y - 15), Point(x + 30, y + 15), c[0], c[1], c[2]);
    x += 40;
  }
  label(y - 40, "dots");
  for (int i = 0; i < 12; i++) drawDot(Point(-200 + i * 20, y - 40));
}

void drawShapesRow(int y, int angle) {
  label(y, "shapes");
  drawRect(Point(-180, y), 40, 20, 0);
  drawRect(Point(-120, y), 40, 20, angle);
  drawCircle(Point(-50, y), 20);
  drawCircle(Point(0, y), 8);
  int x = 50;
  for (int corners = 3; corners <= 7; corners++, x += 50)
    drawPolygon(Point(x, y), 18, corners, angle);
}

void drawNumbersRow(int y) {
  label(y, "digits");
  for (char d = '0'; d <= '9'; d++) drawDigit(Point(-200 + (d - '0') * 16, y + 5), d);
  drawNumber(Point(-20, y + 5), -45);
  drawNumber(Point(40, y + 5), 2026);
  drawText(Point(110, y - 4), "text in Helvetica 12");
}

void drawShooterRow(int y, int angle, bool thrust) {
  label(y, "shooter");
  drawShip(Point(-190, y), angle, thrust);
  drawShip(Point(-150, y), 0, true);
  drawSmallRubblon(Point(-100, y), angle);
  drawMediumRubblon(Point(-50, y), angle);
  drawLargeRubblon(Point(10, y), angle);
  drawExplosion(Point(70, y), 15);
  drawDot(Point(110, y));
}

void drawGalleryRow(int y, bool thrust) {
  label(y, "gallery");
  const Point craft(-180, y - 8);
  drawLander(craft);
  drawLanderFlames(craft, thrust, false, false);
  const Point left(-120, y - 8), right(-80, y - 8), under(-40, y - 8);
  drawLander(left);
  drawLanderFlames(left, false, true, false);
  drawLander(right);
  drawLanderFlames(right, false, false, true);
  drawLander(under);
  drawLanderFlames(under, true, false, false);
  drawGrendak(Point(20, y), 15, 3);
  drawHolvane(Point(80, y), 18);
}

void frame(const Interface* ui, void* p) {
  Showcase& show = *static_cast<Showcase*>(p);
  show.angle += SPIN_PER_FRAME;
  if (ui->isLeft()) show.angle += TURN_PER_FRAME;
  if (ui->isRight()) show.angle -= TURN_PER_FRAME;
  show.angle %= 360;
  const bool thrust = ui->isUp() != 0;

  drawText(Point(-60, 180), "the drawing kit");
  drawLinesRow(140);
  drawShapesRow(60, show.angle);
  drawNumbersRow(0);
  drawShooterRow(-70, show.angle, thrust);
  drawGalleryRow(-150, thrust);
}

}  // namespace

int main(int argc, char** argv) {
  Interface ui(argc, argv, "Showcase", TOP_LEFT, BOTTOM_RIGHT);
  Showcase show;
  ui.run(frame, &show);
  return 0;
}
