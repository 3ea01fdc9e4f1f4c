/// @file
/// input: the sources of keys beside the keyboard. Each feeds the shell's key
/// table (tessik.h) with the keys it stands for, under a KeySource of its own,
/// so that a game never learns where a key came from and a recording keeps
/// the keys themselves.
///
/// In the browser the page's touch controls press and let go keys through
/// touchKey().
#pragma once

/// Starts the sources the shell reads itself, once the window is open.
void startInput();
/// Reads the sources the shell reads itself, at the start of every frame.
void pollInput();

/// In the browser, a touch control went down (`down` 1) or up (0). `code` is
/// the key it stands for: a game key of the shell's key table, held from
/// KeySource::TOUCH while the game takes keys, or one of the shell's own
/// keys (p, m), which acts when it goes down.
extern "C" void touchKey(int code, int down);
