/// @file
/// sound: plays the games' effects (effect.h) on the audio device.
///
/// The worlds call it in their step: playSound for an event, loopSound every
/// frame for a sound that lasts while something holds (an engine that fires).
/// The samples are mixed on the audio library's own thread; these calls only
/// start and stop sources and return at once. Nothing here draws from rand().
///
/// The device opens with the first sound (in the browser, not before the
/// first key). Without one the program runs silent, after one line on the
/// error stream; a device lost during the game leaves it silent likewise.
/// Programs link the real player (kit_sound); tests link the recording
/// stand-in (testing/soundrecord), which keeps what was played instead.
#pragma once

#include "effect.h"
#include "point.h"

/// Starts `effect` once from its beginning; several may sound together.
/// Nothing while muted or with the output off.
void playSound(const Effect& effect);

/// `on`: starts `effect` looping unless it loops already; off: stops it if it
/// does. Call it every frame with the state that keeps the sound going.
/// Nothing starts while muted or with the output off.
void loopSound(const Effect& effect, bool on);

/// Muting stops every sound at once and starts none until unmuted.
///@{
void setMuted(bool muted);
void toggleMute();
bool isMuted();
///@}

/// Off: no device is opened, nothing plays and nothing is printed (a replay
/// checked without a window). On unless set.
void setSoundOutput(bool on);

/// A small crossed-out speaker in the corner whose lower-left is `corner`,
/// while muted; nothing otherwise. Drawn uncounted (picture.h): muting is not
/// part of the game.
void drawMuteMark(const Point& corner);
