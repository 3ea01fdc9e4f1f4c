#include "sound.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include "picture.h"
#include "vexel.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#else
#include <AL/alext.h>  // ALC_CONNECTED: whether the device is still there
#endif

namespace {

constexpr int VOICES = 16;  // one-shots that can sound at once; the oldest gives way
constexpr float MARK_RED = 1.0f, MARK_GREEN = 0.8f, MARK_BLUE = 0.2f;
constexpr float MARK_GAP = 5.0f;  // from the corner to the mark

bool muted = false;
bool output = true;

// The open device and what lives on it.
struct Player {
  ALCdevice* device = nullptr;
  ALCcontext* context = nullptr;
  std::map<Effect, ALuint> buffers;  // one per recipe, made at its first use
  std::vector<ALuint> voices;        // sources for one-shots
  size_t nextVoice = 0;
  std::map<Effect, ALuint> loops;    // a source for each loop that sounds now
};

enum class State { UNOPENED, OPEN, SILENT };
State state = State::UNOPENED;
Player player;

#ifdef __EMSCRIPTEN__
// Browsers keep a page quiet until the person acts: no device before the
// first key, or the first touch to end (a touch's start does not count as acting).
bool keyPressed = false;
extern "C" EMSCRIPTEN_KEEPALIVE void soundKeyPressed() { keyPressed = true; }
const bool listening = [] {
  EM_ASM({
    var acted = function() { _soundKeyPressed(); };
    window.addEventListener("keydown", acted, {once: true});
    window.addEventListener("touchend", acted, {once: true});
  });
  return true;
}();
bool mayOpen() { return keyPressed; }

// The page's own audio library writes nothing worth silencing.
ALCdevice* openQuietly() { return alcOpenDevice(nullptr); }
#else
bool mayOpen() { return true; }

// Opens the default device with the error stream shut: the audio libraries
// report every driver they try and fail. Their later reports are off too.
ALCdevice* openQuietly() {
  setenv("ALSOFT_LOGLEVEL", "0", 0);
  std::fflush(stderr);
  const int saved = dup(STDERR_FILENO);
  const int nowhere = open("/dev/null", O_WRONLY);
  if (saved >= 0 && nowhere >= 0) dup2(nowhere, STDERR_FILENO);
  ALCdevice* device = alcOpenDevice(nullptr);
  if (saved >= 0) {
    dup2(saved, STDERR_FILENO);
    close(saved);
  }
  if (nowhere >= 0) close(nowhere);
  return device;
}
#endif

void goSilent(const char* why) {
  std::fprintf(stderr, "sound: %s; playing on without sound\n", why);
  state = State::SILENT;
}

// Opens the device on first need; false while there is none to play on.
bool ready() {
  if (!output || muted) return false;
  if (state == State::UNOPENED && mayOpen()) {
    player.device = openQuietly();
    if (player.device) player.context = alcCreateContext(player.device, nullptr);
    if (!player.context || !alcMakeContextCurrent(player.context)) {
      if (player.device) alcCloseDevice(player.device);
      goSilent("no audio device");
      return false;
    }
    player.voices.resize(VOICES);
    alGenSources(VOICES, player.voices.data());
    state = State::OPEN;
  }
  if (state != State::OPEN) return false;
#ifdef ALC_CONNECTED
  ALCint connected = 1;
  alcGetIntegerv(player.device, ALC_CONNECTED, 1, &connected);
  if (!connected) {
    goSilent("the audio device was lost");
    return false;
  }
#endif
  return true;
}

ALuint bufferFor(const Effect& effect) {
  auto found = player.buffers.find(effect);
  if (found != player.buffers.end()) return found->second;
  const std::vector<int16_t> samples = makeSamples(effect);
  ALuint buffer = 0;
  alGenBuffers(1, &buffer);
  alBufferData(buffer, AL_FORMAT_MONO16, samples.data(), ALsizei(samples.size() * sizeof(int16_t)),
               SAMPLE_RATE);
  player.buffers[effect] = buffer;
  return buffer;
}

void start(ALuint source, const Effect& effect) {
  alSourceStop(source);
  alSourcei(source, AL_BUFFER, ALint(bufferFor(effect)));
  alSourcei(source, AL_LOOPING, effect.loop ? AL_TRUE : AL_FALSE);
  alSourcePlay(source);
}

void stopAll() {
  if (state != State::OPEN) return;
  for (ALuint voice : player.voices) alSourceStop(voice);
  for (const auto& loop : player.loops) {
    alSourceStop(loop.second);
    alDeleteSources(1, &loop.second);
  }
  player.loops.clear();
}

}  // namespace

void playSound(const Effect& effect) {
  if (!ready()) return;
  start(player.voices[player.nextVoice], effect);
  player.nextVoice = (player.nextVoice + 1) % player.voices.size();
}

void loopSound(const Effect& effect, bool on) {
  const bool looping = player.loops.count(effect) > 0;
  if (on == looping || (on && !ready())) return;
  if (on) {
    ALuint source = 0;
    alGenSources(1, &source);
    player.loops[effect] = source;
    start(source, effect);
  } else {
    const ALuint source = player.loops[effect];
    alSourceStop(source);
    alDeleteSources(1, &source);
    player.loops.erase(effect);
  }
}

void setMuted(bool on) {
  muted = on;
  if (muted) stopAll();
}

void toggleMute() { setMuted(!muted); }

bool isMuted() { return muted; }

void setSoundOutput(bool on) {
  output = on;
  if (!output) stopAll();
}

void drawMuteMark(const Point& corner) {
  if (!muted) return;
  setPictureCounted(false);
  const float x = corner.getX() + MARK_GAP, y = corner.getY() + MARK_GAP;
  const Point box[] = {Point(x, y + 3), Point(x + 3, y + 3), Point(x + 7, y), Point(x + 7, y + 10),
                       Point(x + 3, y + 7), Point(x, y + 7), Point(x, y + 3)};
  for (size_t i = 1; i < sizeof(box) / sizeof(box[0]); i++)
    drawLine(box[i - 1], box[i], MARK_RED, MARK_GREEN, MARK_BLUE);
  drawLine(Point(x + 10, y + 2), Point(x + 16, y + 8), MARK_RED, MARK_GREEN, MARK_BLUE);
  drawLine(Point(x + 10, y + 8), Point(x + 16, y + 2), MARK_RED, MARK_GREEN, MARK_BLUE);
  setPictureCounted(true);
}
