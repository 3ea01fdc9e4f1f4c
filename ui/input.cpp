#include "input.h"

#include <GL/glut.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "platform.h"
#include "tessik.h"

namespace {

// The pad table: the key each PadButton stands for, in the enum's order.
const int PAD_KEYS[] = {' ', 'b', 'r', 'n', 'p', 'm', GLUT_KEY_UP, GLUT_KEY_DOWN, GLUT_KEY_LEFT, GLUT_KEY_RIGHT};
constexpr size_t PAD_BUTTONS = sizeof PAD_KEYS / sizeof PAD_KEYS[0];
static_assert(PAD_BUTTONS == size_t(PadButton::RIGHT) + 1, "a key for every button");

// The stick's shares of its travel: beyond the first it holds an arrow, under
// the second it lets go; between the two it keeps what it holds.
constexpr double STICK_HOLDS = 0.5;
constexpr double STICK_LETS_GO = 0.4;

unsigned bit(PadButton button) { return 1u << static_cast<unsigned>(button); }

// What one pad holds: a bit for each PadButton, from its buttons and from its
// stick (the arrows only).
struct Pad {
  int id;
  std::string name;
  unsigned buttons = 0;
  unsigned stick = 0;
};
std::vector<Pad> pads;

Pad* findPad(int id) {
  auto found = std::find_if(pads.begin(), pads.end(), [id](const Pad& pad) { return pad.id == id; });
  return found == pads.end() ? nullptr : &*found;
}

unsigned heldByPads() {
  unsigned held = 0;
  for (const Pad& pad : pads) held |= pad.buttons | pad.stick;
  return held;
}

// A game key from a source. One let go before the read after it went down is
// let go at that read instead, so that the game sees even a press shorter
// than a frame (a one-shot key let go in its own frame would be lost).
struct SourceKey {
  int code;
  KeySource source;
  bool operator==(const SourceKey& other) const { return code == other.code && source == other.source; }
};
std::vector<SourceKey> downSinceRead, lateUps;

void gameKey(const SourceKey& key, bool down) {
  const auto late = std::find(lateUps.begin(), lateUps.end(), key);
  if (down && late != lateUps.end()) return void(lateUps.erase(late));  // pressed again: still held
  if (!down && std::find(downSinceRead.begin(), downSinceRead.end(), key) != downSinceRead.end())
    return lateUps.push_back(key);
  if (down) downSinceRead.push_back(key);
  Interface().keyEvent(key.code, down, key.source);
}

// At each read: the late keys are let go (unless the game has paused meanwhile,
// which let go of every key), and the keys down so far are no longer new.
void releaseLateKeys() {
  std::vector<SourceKey> late;
  late.swap(lateUps);
  downSinceRead.clear();
  for (const SourceKey& key : late)
    if (Interface().takesKeys()) Interface().keyEvent(key.code, false, key.source);
}

// A pad's or a touch's key goes down or up as the keyboard's would: the shell's own keys
// act as they go down, game keys reach the game while it takes keys.
void sourceKey(int code, bool down, KeySource source) {
  if (code >= 0 && code < 256 && isShellKey(static_cast<unsigned char>(code))) {
    if (down) shellKey(static_cast<unsigned char>(code));
  } else if (Interface().takesKeys()) {
    gameKey({code, source}, down);
  }
}

// Makes a change to the pads, then hands the shell each key that the pads,
// taken together, took or let go by it.
template <typename Change>
void changePads(Change change) {
  const unsigned before = heldByPads();
  change();
  const unsigned after = heldByPads();
  for (size_t i = 0; i < PAD_BUTTONS; i++)
    if ((before ^ after) >> i & 1u) sourceKey(PAD_KEYS[i], (after >> i & 1u) != 0, KeySource::GAMEPAD);
}

// The arrow one axis of the stick holds, of `toward` (its side) and `away`:
// beyond STICK_HOLDS the one on its side; under STICK_LETS_GO none; between,
// what it held on its side.
unsigned stickAxis(unsigned held, double travel, PadButton away, PadButton toward) {
  const unsigned side = travel < 0 ? bit(away) : bit(toward);
  if (std::fabs(travel) > STICK_HOLDS) return side;
  if (std::fabs(travel) < STICK_LETS_GO) return 0;
  return held & side;
}

}  // namespace

void padConnected(int id, const char* name) {
  if (findPad(id)) return;
  pads.push_back(Pad{id, name ? name : "", 0, 0});
  std::fprintf(stderr, "gamepad connected: %s\n", pads.back().name.c_str());
}

void padButton(int id, PadButton button, bool down) {
  Pad* pad = findPad(id);
  if (!pad) return;
  changePads([&] { pad->buttons = down ? pad->buttons | bit(button) : pad->buttons & ~bit(button); });
}

void padStick(int id, double x, double y) {
  Pad* pad = findPad(id);
  if (!pad) return;
  changePads([&] {
    pad->stick = stickAxis(pad->stick, x, PadButton::LEFT, PadButton::RIGHT) |
                 stickAxis(pad->stick, y, PadButton::UP, PadButton::DOWN);
  });
}

void padDisconnected(int id) {
  Pad* pad = findPad(id);
  if (!pad) return;
  const std::string name = pad->name;
  changePads([&] { pads.erase(pads.begin() + (pad - pads.data())); });
  std::fprintf(stderr, "gamepad disconnected: %s\n", name.c_str());
  Interface().setPaused(true);
}

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#include <emscripten/html5.h>

#include <cstring>

namespace {

// The standard mapping's numbers for the table's buttons, in PadButton's
// order, and its left stick's axes.
const int STANDARD_BUTTONS[] = {0, 1, 3, 2, 9, 8, 12, 13, 14, 15};
constexpr int STANDARD_BUTTON_COUNT = 16;
constexpr int STICK_X = 0, STICK_Y = 1;
static_assert(std::size(STANDARD_BUTTONS) == PAD_BUTTONS, "a number for every button");

// A pad the page shows, with the standard mapping.
bool standardPad(int index, EmscriptenGamepadEvent& state) {
  return emscripten_get_gamepad_status(index, &state) == EMSCRIPTEN_RESULT_SUCCESS && state.connected &&
         std::strcmp(state.mapping, "standard") == 0 && state.numButtons >= STANDARD_BUTTON_COUNT &&
         state.numAxes > STICK_Y;
}

// The page has no events for buttons and sticks: each read takes every pad
// whole, and a pad no longer there was pulled out.
void readPads() {
  if (emscripten_sample_gamepad_data() != EMSCRIPTEN_RESULT_SUCCESS) return;
  const int count = emscripten_get_num_gamepads();
  EmscriptenGamepadEvent state;
  std::vector<int> gone;
  for (const Pad& pad : pads)
    if (pad.id >= count || !standardPad(pad.id, state)) gone.push_back(pad.id);
  for (int id : gone) padDisconnected(id);
  for (int index = 0; index < count; index++) {
    if (!standardPad(index, state)) continue;
    padConnected(index, state.id);
    for (size_t i = 0; i < PAD_BUTTONS; i++)
      padButton(index, static_cast<PadButton>(i), state.digitalButton[STANDARD_BUTTONS[i]]);
    padStick(index, state.axis[STICK_X], state.axis[STICK_Y]);
  }
}

}  // namespace

void startInput() {}

extern "C" EMSCRIPTEN_KEEPALIVE void touchKey(int code, int down) { sourceKey(code, down != 0, KeySource::TOUCH); }

#else
#include <SDL.h>

#include <cstdlib>

namespace {

// SDL's buttons for the table's, in PadButton's order.
const SDL_GameControllerButton SDL_BUTTONS[] = {
    SDL_CONTROLLER_BUTTON_A,       SDL_CONTROLLER_BUTTON_B,         SDL_CONTROLLER_BUTTON_Y,
    SDL_CONTROLLER_BUTTON_X,       SDL_CONTROLLER_BUTTON_START,     SDL_CONTROLLER_BUTTON_BACK,
    SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_DPAD_LEFT,
    SDL_CONTROLLER_BUTTON_DPAD_RIGHT};
static_assert(std::size(SDL_BUTTONS) == PAD_BUTTONS, "a button for every button");
// A stick's full travel in SDL's units, one way.
constexpr double SDL_STICK_TRAVEL = 32768.0;

bool started = false;

void stickMoved(SDL_JoystickID id) {
  SDL_GameController* controller = SDL_GameControllerFromInstanceID(id);
  if (!controller) return;
  padStick(id, SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX) / SDL_STICK_TRAVEL,
           SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY) / SDL_STICK_TRAVEL);
}

// A pad plugged in is read whole at once: what it held as it came is held,
// since no event will say so.
void opened(int deviceIndex) {
  if (SDL_GameControllerFromInstanceID(SDL_JoystickGetDeviceInstanceID(deviceIndex))) return;
  SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
  if (!controller) return;
  const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
  padConnected(id, SDL_GameControllerName(controller));
  for (size_t i = 0; i < PAD_BUTTONS; i++)
    padButton(id, static_cast<PadButton>(i), SDL_GameControllerGetButton(controller, SDL_BUTTONS[i]));
  stickMoved(id);
}

void closed(SDL_JoystickID id) {
  padDisconnected(id);
  if (SDL_GameController* controller = SDL_GameControllerFromInstanceID(id)) SDL_GameControllerClose(controller);
}

void buttonChanged(const SDL_ControllerButtonEvent& event) {
  const SDL_GameControllerButton* found = std::find(std::begin(SDL_BUTTONS), std::end(SDL_BUTTONS), event.button);
  if (found != std::end(SDL_BUTTONS))
    padButton(event.which, static_cast<PadButton>(found - SDL_BUTTONS), event.state == SDL_PRESSED);
}

// The pads already plugged in arrive as pads added, in the first read.
void readPads() {
  if (!started) return;
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    if (event.type == SDL_CONTROLLERDEVICEADDED) opened(event.cdevice.which);
    if (event.type == SDL_CONTROLLERDEVICEREMOVED) closed(event.cdevice.which);
    if (event.type == SDL_CONTROLLERBUTTONDOWN || event.type == SDL_CONTROLLERBUTTONUP) buttonChanged(event.cbutton);
    if (event.type == SDL_CONTROLLERAXISMOTION) stickMoved(event.caxis.which);
  }
}

}  // namespace

void startInput() {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  started = SDL_Init(SDL_INIT_GAMECONTROLLER) == 0;
  if (started) std::atexit(SDL_Quit);
}

#endif

void pollInput() {
  releaseLateKeys();
  readPads();
}
