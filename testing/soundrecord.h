/// @file
/// Recording stand-in for the sound module (ui/sound.h).
///
/// Linked into unit tests in place of the real player: no device, nothing
/// heard. It keeps the one-shots started since the last reset and the loops
/// sounding now, with the real module's rules: a loop sounds from the call
/// that turns it on to the one that turns it off, and muting or turning the
/// output off stops everything and starts nothing.
#pragma once

#include <vector>

#include "effect.h"

namespace soundrecord {

/// Forgets the one-shots played so far (the loops sounding now are kept).
void reset();
/// Back to the start: no loops, not muted, the output on.
void clear();

/// The one-shots started since the last reset, oldest first.
const std::vector<Effect>& played();
/// How many times `effect` was started since the last reset.
int timesPlayed(const Effect& effect);
/// Whether `effect` loops now.
bool looping(const Effect& effect);
/// The loops sounding now.
const std::vector<Effect>& loops();
/// How many times the mute mark was drawn (while muted) since the last reset.
int markDrawn();

}  // namespace soundrecord
