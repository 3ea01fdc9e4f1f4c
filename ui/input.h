/// @file
/// input: the sources of keys beside the keyboard. Each feeds the shell's key
/// table (tessik.h) with the keys it stands for, under a KeySource of its own,
/// so that a game never learns where a key came from and a recording keeps
/// the keys themselves.
///
/// Gamepads: natively through SDL's game-controller subsystem (its database
/// gives every common pad the same layout), in the browser through the page's
/// gamepads of the standard mapping. Both only translate their own button
/// numbers and stick units into the calls below, which hold the one pad table:
///
///   d-pad, or the left stick past half its travel   the arrows
///   south button (A, cross)                         space
///   east button (B, circle)                         b
///   north button (Y, triangle)                      r
///   west button (X, square)                         n
///   Start                                           p (pause and go on)
///   Back / Select                                   m (mute and unmute)
///
/// A stick pushed beyond half its travel holds that arrow, and lets go once
/// it is back under 40% (so a stick resting near the line does not chatter);
/// a diagonal holds two arrows. A key held by several pads stays held until
/// the last lets go. Game keys reach the game only while it takes keys
/// (Interface::takesKeys); Start and Back act as p and m even then.
///
/// In the browser the page's touch controls press and let go keys through
/// touchKey().
#pragma once

/// Starts the sources the shell reads itself, once the window is open:
/// natively SDL's game-controller subsystem, with none of its signal
/// handlers. Where it cannot start, nothing is printed and the keyboard plays
/// on alone.
void startInput();
/// Reads the sources the shell reads itself, at the start of every frame
/// (and, natively, several times a second while paused, so that Start can
/// go on): a change made since the last read reaches the next frame. A game
/// key that a pad or a touch presses and lets go between two reads is held
/// until the second, so that even the shortest press reaches the game.
void pollInput();

/// The buttons of a pad the table names, by their place on the pad.
enum class PadButton { SOUTH, EAST, NORTH, WEST, START, BACK, UP, DOWN, LEFT, RIGHT };

/// A pad was plugged in: `pad` is the platform's number for it, `name` what
/// it calls itself. Prints "gamepad connected: NAME" on the error stream. A
/// pad already known is left as it is.
void padConnected(int pad, const char* name);
/// A button of a known pad is down (true) or up. Saying again what is already
/// so changes nothing, so a platform may report every button every frame.
void padButton(int pad, PadButton button, bool down);
/// The left stick of a known pad stands at `x` (right positive) and `y` (down
/// positive), each a share of its travel from -1 to 1.
void padStick(int pad, double x, double y);
/// A pad was pulled out: every key it held is let go, "gamepad disconnected:
/// NAME" is printed on the error stream and the game pauses, as when its
/// window is hidden. Nothing for a pad that is not known.
void padDisconnected(int pad);

/// In the browser, a touch control went down (`down` 1) or up (0). `code` is
/// the key it stands for: a game key of the shell's key table, held from
/// KeySource::TOUCH while the game takes keys, or one of the shell's own
/// keys (p, m), which acts when it goes down.
extern "C" void touchKey(int code, int down);
