/// @file
/// screenshot: the picture in the window, kept as a PNG file.
///
/// saveScreenshot reads a rectangle of the frame being drawn and writes it to
/// a new file in the current folder named after the program and the time,
/// "gallery-20261209-143005.png" (a second one within the same second gets
/// "-2", then "-3" ...), never over an existing file. It says "Saved <file>"
/// on standard output, or why it could not in one line on the error stream.
/// Clips (clip.h) are named and saved the same way, through saveNamedFile.
#pragma once

#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "view.h"

/// The file name for a screenshot of `program` taken at `when` (local time);
/// `copy` 1 for the first of a second, 2 for the next one, and so on. Other
/// files named like screenshots (clips) give their own `extension`.
std::string screenshotName(const std::string& program, std::time_t when, int copy,
                           const char* extension = "png");

/// Saves a new file named like a screenshot of `program` at `when`, with
/// `extension`, in the current folder: the first of its copies whose name is
/// free, never over an existing file. `write` writes the content to the open
/// file and says whether it could. Says "Saved <file>" on standard output, or
/// "The <what> was not saved: <reason>" on the error stream; whether it was saved.
bool saveNamedFile(const std::string& program, std::time_t when, const char* extension, const char* what,
                   const std::function<bool(std::FILE*)>& write);

/// Creates `file` (replacing one that exists only if `replace`) and has
/// `write` write it; a file that could not be written whole is removed.
/// False, with the reason in `error`.
bool writeWholeFile(const std::string& file, bool replace, const std::function<bool(std::FILE*)>& write,
                    std::string& error);

/// Writes `width` by `height` RGB pixels, rows from the top, 3 bytes a pixel,
/// to `file` as a PNG that must not exist yet. False, with the reason in
/// `error`, when it exists or cannot be written.
bool writePng(const std::string& file, int width, int height,
              const std::vector<unsigned char>& rgb, std::string& error);

/// Reads the rectangle x, y, width, height (pixels from the window's lower
/// left) of the frame being drawn and saves it; whether it was saved.
bool saveScreenshot(const std::string& program, int x, int y, int width, int height);

/// Asks for a screenshot of the frame being drawn (F12 does).
void requestScreenshot();
/// Whether a screenshot was asked for and is not taken yet.
bool isScreenshotRequested();
/// Takes the screenshot asked for, if one was: the world's rectangle as the
/// view shows it, without the bars, of the frame drawn so far.
void takeRequestedScreenshot(const std::string& program, const View& view);
