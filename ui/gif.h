/// @file
/// gif: frames of RGB pixels encoded as an animated GIF, in memory, with giflib.
///
/// Every frame added is one image of the animation, shown for its share of
/// the game's time. GIF delays are whole hundredths of a second, so they
/// alternate (3, 4, 3, 3, 4, 3 ... at 30 frames a second) and the animation
/// lasts its frames' time rounded to the hundredth. A frame stores only the
/// rectangle that changed since the one before, with the pixels that did not
/// change transparent. Its colours are exact when the frame has 256 colours
/// or fewer; beyond that they are the nearest of 256 chosen for it.
#pragma once

#include <cstdint>
#include <vector>

struct GifFileType;

/// An animated GIF being encoded. Not thread-safe: one thread at a time.
class GifEncoder {
 public:
  /// An animation of no frames yet, `width` by `height` pixels, played at
  /// `framesPerSecond`.
  GifEncoder(int width, int height, double framesPerSecond);
  ~GifEncoder();
  GifEncoder(const GifEncoder&) = delete;
  GifEncoder& operator=(const GifEncoder&) = delete;

  /// Adds a frame of width × height pixels, 3 bytes each (red, green, blue),
  /// rows from the top, or from the bottom (as GL reads them) when
  /// `fromBottom`. Nothing once finished.
  void addFrame(const unsigned char* rgb, bool fromBottom = false);
  /// The frames added so far.
  long frames() const { return added; }
  /// Ends the animation and hands over its bytes, a whole GIF file; empty if
  /// giflib failed (it fails only when memory runs out). Later calls give nothing.
  std::vector<unsigned char> finish();

 private:
  struct Box;
  Box changedBox() const;
  void putFrame(const Box& box);

  GifFileType* file = nullptr;
  std::vector<unsigned char> bytes;  // the file so far
  int width, height;
  double framesPerSecond;
  long added = 0;
  bool failed = false;
  std::vector<uint32_t> frame;  // the frame being added, 0xRRGGBB a pixel, rows from the top
  std::vector<uint32_t> shown;  // what a viewer shows after the last frame, likewise
};

/// The delay of frame `index` (counting from 0) in hundredths of a second at
/// `framesPerSecond`: the delays of frames 0 to N - 1 add up to N frames'
/// time, rounded to the hundredth.
int gifFrameDelay(long index, double framesPerSecond);
