// A real process with a pad: SDL's virtual pad plugged into the shell in a
// real window, played, and pulled out while it holds Up, the game recorded;
// then the recording checked with no window. Run with no arguments it runs
// itself so, twice, and exits 0 when both runs did and the pad was announced.

#include <GL/glut.h>
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "tessik.h"
#include "vexel.h"

namespace {

const std::string RECORDING = "gamepad_window_test.replay";
const char* const SAID = "gamepad connected: Test pad\ngamepad disconnected: Test pad\ngamepad connected: Test pad\n";
constexpr unsigned int TRY_MILLISECONDS = 20;  // a step's check is tried this often,
constexpr int TRIES = 250;                     // for 5 s at most,
constexpr int STEP_FRAMES = 10;                // once this many frames (or a pause) followed its act
                                               // (so the recording sums up the picture every 3 steps)

struct Game {
  int frames = 0, x = 0, y = 0, shots = 0;
} game;
SDL_Joystick* pad = nullptr;
int padIndex = -1;

void plugIn() {
  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX, desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
  desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX, desc.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
  desc.name = "Test pad";
  pad = SDL_JoystickOpen(padIndex = SDL_JoystickAttachVirtualEx(&desc));
}
void press(SDL_GameControllerButton button, bool down) { SDL_JoystickSetVirtualButton(pad, button, down); }
void tilt(int x) { SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, Sint16(x)); }

// Each step does something to the pad, then the game must show what it says.
struct Step {
  const char* what;
  void (*act)();
  bool (*shows)(const Interface&);
};
const Step STEPS[] = {
    {"a pad plugged in fires with A", [] { plugIn(), press(SDL_CONTROLLER_BUTTON_A, true); },
     [](const Interface&) { return game.shots == 1; }},
    {"the stick at 20000 holds Right", [] { press(SDL_CONTROLLER_BUTTON_A, false), tilt(20000); },
     [](const Interface& ui) { return ui.isRight() > 0; }},
    {"back at 14000 still", [] { tilt(14000); }, [](const Interface& ui) { return ui.isRight() > 0; }},
    {"at 13000 lets go", [] { tilt(13000); }, [](const Interface& ui) { return ui.isRight() == 0; }},
    {"the d-pad holds Up", [] { press(SDL_CONTROLLER_BUTTON_DPAD_UP, true); },
     [](const Interface& ui) { return ui.isUp() > 0; }},
    {"pulled out, Up is let go and the game paused",
     [] { SDL_JoystickClose(pad), SDL_JoystickDetachVirtual(padIndex); },
     [](const Interface& ui) { return ui.isPaused() && ui.isUp() == 0; }},
    {"a new pad's Start goes on", [] { plugIn(), press(SDL_CONTROLLER_BUTTON_START, true); },
     [](const Interface& ui) { return !ui.isPaused(); }},
    {"its d-pad holds Up", [] { press(SDL_CONTROLLER_BUTTON_START, false), press(SDL_CONTROLLER_BUTTON_DPAD_UP, true); },
     [](const Interface& ui) { return ui.isUp() > 0; }},
    {"and lets it go: nothing holds what the first pad held",
     [] { press(SDL_CONTROLLER_BUTTON_DPAD_UP, false); }, [](const Interface& ui) { return ui.isUp() == 0; }},
};

void nextStep(int) {
  static size_t step = 0;
  static int tries = 0, actedAt = 0;
  Interface ui;
  if (step > 0) {
    const Step& last = STEPS[step - 1];
    if (!((game.frames >= actedAt + STEP_FRAMES || ui.isPaused()) && last.shows(ui))) {
      if (++tries < TRIES) return glutTimerFunc(TRY_MILLISECONDS, nextStep, 0);
      std::printf("FAIL  %s\n", last.what), std::exit(1);
    }
    std::printf("ok    %s\n", last.what);
  }
  if (step == std::size(STEPS)) std::exit(0);  // the recording ends
  tries = 0, actedAt = game.frames;
  STEPS[step++].act();
  glutTimerFunc(TRY_MILLISECONDS, nextStep, 0);
}

void frame(const Interface* ui, void*) {
  game.frames++;
  game.x += (ui->isRight() > 0) - (ui->isLeft() > 0);
  game.y += (ui->isUp() > 0) - (ui->isDown() > 0);
  game.shots += ui->isSpace();
  drawDot(Point(game.x, game.y));
  drawNumber(Point(-90, 90), game.shots);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 1) {
    const std::string self = argv[0];
    const int recorded = std::system((self + " --mute --record " + RECORDING + " 2>" + RECORDING + ".err").c_str());
    std::stringstream said;
    said << std::ifstream(RECORDING + ".err").rdbuf();
    std::printf("%s the pad is announced on the error stream:\n%s", said.str() == SAID ? "ok   " : "FAIL ",
                said.str().c_str());
    const int verified = std::system((self + " --verify " + RECORDING).c_str());
    return recorded == 0 && said.str() == SAID && verified == 0 ? 0 : 1;
  }
  Interface ui(argc, argv, "Pad test", Point(-100, 100), Point(100, -100));
  if (!ui.isReplaying()) glutTimerFunc(TRY_MILLISECONDS, nextStep, 0);
  ui.run(frame, nullptr);
}
