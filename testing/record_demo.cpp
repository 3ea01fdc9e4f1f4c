#include "record_demo.h"

#include <string>
#include <vector>

#include "glrecord.h"
#include "picture.h"
#include "soundrecord.h"

namespace {

// A clock that is always a whole second late, so the shell never sleeps.
unsigned int hurriedTicks() {
  static unsigned int now = 0;
  return now += 1000000;
}

}  // namespace

void DemoKeys::hold(int code, bool down) {
  bool& now = held[code];
  if (now == down) return;
  now = down;
  Interface().keyEvent(code, down);
}

void DemoKeys::press(int code) { Interface().keyEvent(code, true); }

bool startRecording(int argc, char** argv, const char* program, unsigned seed) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s_demo FILE\n", program);
    return false;
  }
  std::string seedText = std::to_string(seed);
  std::vector<char*> line = {const_cast<char*>(program), const_cast<char*>("--record"), argv[1],
                             const_cast<char*>("--seed"), seedText.data(), nullptr};
  Interface shell(int(line.size()) - 1, line.data(), program, Point(-200, 200), Point(200, -200));
  Interface::tickSource = hurriedTicks;
  setPictureOutput(false);
  return true;
}

void playDemoFrame() {
  glrecord::reset();
  soundrecord::reset();
  drawCallback();
}
