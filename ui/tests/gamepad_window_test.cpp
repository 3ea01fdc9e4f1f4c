// A real process with a pad, recording: SDL's virtual pad plugged into the
// shell's real window fires, holds Right and Up, and is pulled out holding Up;
// the game paused, a second pad's Start goes on; a tap of B shorter than a
// frame is seen. ctest checks the recording.

#include <GL/glut.h>
#include <SDL.h>
#include <cstdio>
#include <cstdlib>

#include "tessik.h"
#include "vexel.h"

namespace {

constexpr unsigned int PAUSED_MILLISECONDS = 500;  // how long the pulled-out pad leaves the game
int frames = 0, shots = 0, booms = 0, x = 0, y = 0, padIndex = -1;
SDL_Joystick* pad = nullptr;

void plugIn(SDL_GameControllerButton held) {
  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION, desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX, desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX, desc.name = "Test pad";
  pad = SDL_JoystickOpen(padIndex = SDL_JoystickAttachVirtualEx(&desc));
  SDL_JoystickSetVirtualButton(pad, held, 1);
}

// B pressed and let go between two of the shell's reads.
void tapB() {
  SDL_Event event{};
  event.cbutton.which = SDL_JoystickInstanceID(pad), event.cbutton.button = SDL_CONTROLLER_BUTTON_B;
  for (Uint8 state : {SDL_PRESSED, SDL_RELEASED})
    event.type = state ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP, event.cbutton.state = state, SDL_PushEvent(&event);
}

void startOnANewPad(int) {
  if (!Interface().isPaused()) std::puts("FAIL  the pad pulled out left the game going"), std::exit(1);
  plugIn(SDL_CONTROLLER_BUTTON_START);
}

// What the pad does in a frame; the game sees it in the next.
void play() {
  if (frames == 1) plugIn(SDL_CONTROLLER_BUTTON_A);  // held as it comes: a shot
  if (frames == 10) SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 20000);
  if (frames == 20) SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 13000);
  if (frames == 30 || frames == 50) SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_DPAD_UP, 1);
  if (frames == 40)  // pulled out holding Up: paused until a new pad's Start
    SDL_JoystickClose(pad), SDL_JoystickDetachVirtual(padIndex), glutTimerFunc(PAUSED_MILLISECONDS, startOnANewPad, 0);
  if (frames == 60) tapB();
  if (frames == 70) std::exit(0);  // ends the recording, its last checksum at 60
}

void frame(const Interface* ui, void*) {
  frames++;
  if (!ui->isReplaying()) play();
  shots += ui->isSpace(), booms += ui->isB(), x += ui->isRight() > 0, y += ui->isUp() > 0;
  drawDot(Point(x, y));
  drawNumber(Point(-90, 90), shots);
  drawNumber(Point(60, 90), booms);
}

}  // namespace

int main(int argc, char** argv) {
  Interface ui(argc, argv, "Pad test", Point(-100, 100), Point(100, -100));
  ui.run(frame, nullptr);
}
