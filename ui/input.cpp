#include "input.h"

#include "platform.h"
#include "tessik.h"

// The gamepads come here.
void startInput() {}
void pollInput() {}

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

extern "C" EMSCRIPTEN_KEEPALIVE void touchKey(int code, int down) {
  Interface ui;
  if (code >= 0 && code < 256 && isShellKey(static_cast<unsigned char>(code))) {
    if (down) shellKey(static_cast<unsigned char>(code));
  } else if (ui.takesKeys()) {
    ui.keyEvent(code, down != 0, KeySource::TOUCH);
  }
}

#endif
