#include "soundrecord.h"

#include <algorithm>

#include "sound.h"

namespace {

std::vector<Effect> oneShots;
std::vector<Effect> sounding;
bool muted = false;
bool output = true;
int marks = 0;

bool heard() { return output && !muted; }

}  // namespace

void playSound(const Effect& effect) {
  if (heard()) oneShots.push_back(effect);
}

void loopSound(const Effect& effect, bool on) {
  const auto found = std::find(sounding.begin(), sounding.end(), effect);
  if (!on && found != sounding.end()) sounding.erase(found);
  if (on && found == sounding.end() && heard()) sounding.push_back(effect);
}

void setMuted(bool on) {
  muted = on;
  if (muted) sounding.clear();
}

void toggleMute() { setMuted(!muted); }

bool isMuted() { return muted; }

void setSoundOutput(bool on) {
  output = on;
  if (!output) sounding.clear();
}

void drawMuteMark(const Point&) { marks += muted; }

namespace soundrecord {

void reset() {
  oneShots.clear();
  marks = 0;
}

void clear() {
  reset();
  sounding.clear();
  muted = false;
  output = true;
}

const std::vector<Effect>& played() { return oneShots; }

int timesPlayed(const Effect& effect) {
  return int(std::count(oneShots.begin(), oneShots.end(), effect));
}

bool looping(const Effect& effect) {
  return std::find(sounding.begin(), sounding.end(), effect) != sounding.end();
}

const std::vector<Effect>& loops() { return sounding; }

int markDrawn() { return marks; }

}  // namespace soundrecord
