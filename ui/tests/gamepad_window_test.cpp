// A real process with a pad: SDL's virtual pad plugged into the shell's real
// window fires, holds Right and Up, is pulled out holding Up, and a second
// pad's Start goes on. Run with --record; ctest then checks the recording.

#include <GL/glut.h>
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tessik.h"
#include "vexel.h"

namespace {

constexpr int STEP_FRAMES = 10;  // frames (or a pause) before a step's check: a checksum every 3 steps
constexpr unsigned int TRY_MILLISECONDS = 20;
constexpr int TRIES = 250;  // 5 s for a check to hold

int frames = 0, shots = 0, x = 0, y = 0;
SDL_Joystick* pad = nullptr;
int padIndex = -1;

void plugIn() {
  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION, desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX, desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX, desc.name = "Test pad";
  pad = SDL_JoystickOpen(padIndex = SDL_JoystickAttachVirtualEx(&desc));
}
void press(SDL_GameControllerButton button, bool down) { SDL_JoystickSetVirtualButton(pad, button, down); }

// The arrows held (< ^ > v), P while paused, and the shots fired.
std::string seen(const Interface& ui) {
  const bool on[] = {ui.isLeft() > 0, ui.isUp() > 0, ui.isRight() > 0, ui.isDown() > 0, ui.isPaused()};
  std::string shown;
  for (size_t i = 0; i < std::size(on); i++)
    if (on[i]) shown += "<^>vP"[i];
  return shown + std::to_string(shots);
}

const struct {
  void (*act)();
  const char* seen;
} STEPS[] = {
    {[] { plugIn(), press(SDL_CONTROLLER_BUTTON_A, true); }, "1"},  // held as it comes
    {[] { SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 20000); }, ">1"},
    {[] { SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 13000); }, "1"},
    {[] { press(SDL_CONTROLLER_BUTTON_DPAD_UP, true); }, "^1"},
    {[] { SDL_JoystickClose(pad), SDL_JoystickDetachVirtual(padIndex); }, "P1"},  // pulled out: Up let go
    {[] { plugIn(), press(SDL_CONTROLLER_BUTTON_START, true); }, "1"},      // read while paused
    {[] { press(SDL_CONTROLLER_BUTTON_DPAD_UP, true); }, "^1"},  // the new pad plays
};

void nextStep(int) {
  static size_t step = 0;
  static int tries = 0, actedAt = 0;
  const Interface ui;
  if (step > 0 && !((frames >= actedAt + STEP_FRAMES || ui.isPaused()) && seen(ui) == STEPS[step - 1].seen)) {
    if (++tries == TRIES) std::printf("FAIL  step %zu shows %s\n", step, seen(ui).c_str()), std::exit(1);
    return glutTimerFunc(TRY_MILLISECONDS, nextStep, 0);
  }
  if (step == std::size(STEPS)) std::exit(0);  // ends the recording
  tries = 0, actedAt = frames;
  STEPS[step++].act();
  glutTimerFunc(TRY_MILLISECONDS, nextStep, 0);
}

void frame(const Interface* ui, void*) {
  frames++, shots += ui->isSpace();
  x += (ui->isRight() > 0) - (ui->isLeft() > 0), y += (ui->isUp() > 0) - (ui->isDown() > 0);
  drawDot(Point(x, y));
  drawNumber(Point(-90, 90), shots);
}

}  // namespace

int main(int argc, char** argv) {
  Interface ui(argc, argv, "Pad test", Point(-100, 100), Point(100, -100));
  if (!ui.isReplaying()) glutTimerFunc(TRY_MILLISECONDS, nextStep, 0);
  ui.run(frame, nullptr);
}
