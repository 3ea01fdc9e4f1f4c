#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "gif.h"

namespace {

constexpr int WIDTH = 40, HEIGHT = 30;
using Picture = std::vector<unsigned char>;  // RGB, rows from the top

// A picture of `colours` colours, all different, one after another from the top left.
Picture picture(int colours) {
  Picture rgb;
  for (int i = 0; i < WIDTH * HEIGHT; i++) {
    const int c = i % colours;
    rgb.insert(rgb.end(), {static_cast<unsigned char>(c * 7), static_cast<unsigned char>(c / 37 * 50),
                           static_cast<unsigned char>(255 - c % 5)});
  }
  return rgb;
}

// Reads the bytes through giflib, as a viewer does.
struct ReadBack {
  explicit ReadBack(const std::vector<unsigned char>& bytes) : bytes(bytes) {
    int error = 0;
    gif = DGifOpen(this, read, &error);
    slurped = gif && DGifSlurp(gif) == GIF_OK;
  }
  ~ReadBack() { DGifCloseFile(gif, nullptr); }
  static int read(GifFileType* gif, GifByteType* into, int size) {
    auto* self = static_cast<ReadBack*>(gif->UserData);
    size = std::min(size, int(self->bytes.size() - self->at));
    std::memcpy(into, &self->bytes[self->at], size_t(size));
    self->at += size_t(size);
    return size;
  }
  // Draws image `i` over `canvas`, leaving its transparent pixels as they were.
  void drawOver(int i, Picture& canvas) const {
    const SavedImage& image = gif->SavedImages[i];
    GraphicsControlBlock control;
    DGifSavedExtensionToGCB(gif, i, &control);
    const GifImageDesc& at = image.ImageDesc;
    for (int y = 0; y < at.Height; y++)
      for (int x = 0; x < at.Width; x++) {
        const int index = image.RasterBits[y * at.Width + x];
        if (index == control.TransparentColor) continue;
        const GifColorType& c = at.ColorMap->Colors[index];
        unsigned char* pixel = &canvas[size_t(((at.Top + y) * WIDTH + at.Left + x) * 3)];
        pixel[0] = c.Red, pixel[1] = c.Green, pixel[2] = c.Blue;
      }
  }
  const std::vector<unsigned char>& bytes;
  size_t at = 0;
  GifFileType* gif = nullptr;
  bool slurped = false;
};

}  // namespace

TEST(Gif, AClipReadsBackAtItsSizeFrameForFrameWithExactColoursAndTheGamesTiming) {
  // 256 colours; a 5 x 4 block of it turned red; nothing changed; 200
  // colours with 400 more below them, more than a frame holds; the 200 alone,
  // over the nearest colours shown before; then 35 still frames.
  Picture red = picture(256), many = picture(200);
  for (int y = 10; y < 14; y++)
    for (int x = 20; x < 25; x++) std::memcpy(&red[size_t((y * WIDTH + x) * 3)], "\xff\0\0", 3);
  const Picture all = picture(WIDTH * HEIGHT);
  std::copy(all.end() - 400 * 3, all.end(), many.end() - 400 * 3);
  std::vector<Picture> frames = {picture(256), red, red, many, picture(200)};
  frames.resize(40, picture(200));
  GifEncoder encoder(WIDTH, HEIGHT, 30);
  for (const Picture& frame : frames) encoder.addFrame(frame.data());
  EXPECT_EQ(encoder.frames(), 40);
  const std::vector<unsigned char> bytes = encoder.finish();

  ReadBack gif(bytes);
  ASSERT_TRUE(gif.slurped);
  EXPECT_EQ(gif.gif->SWidth, WIDTH);
  EXPECT_EQ(gif.gif->SHeight, HEIGHT);
  ASSERT_EQ(gif.gif->ImageCount, 40);
  const GifImageDesc& changed = gif.gif->SavedImages[1].ImageDesc;
  EXPECT_EQ(std::vector<int>({changed.Left, changed.Top, changed.Width, changed.Height}),
            std::vector<int>({20, 10, 5, 4}));  // only what changed is stored
  EXPECT_EQ(gif.gif->SavedImages[2].ImageDesc.Width * gif.gif->SavedImages[2].ImageDesc.Height, 1);

  Picture shown(frames[0].size());
  int hundredths = 0;
  for (int i = 0; i < 40; i++) {
    gif.drawOver(i, shown);
    if (i != 3) {
      EXPECT_TRUE(shown == frames[size_t(i)]) << "frame " << i << " is not exact";
    }
    GraphicsControlBlock control;
    DGifSavedExtensionToGCB(gif.gif, i, &control);
    EXPECT_EQ(control.DisposalMode, DISPOSE_DO_NOT);
    hundredths += control.DelayTime;
  }
  const double seconds = 40 / 30.0;
  EXPECT_LE(std::fabs(hundredths / 100.0 - seconds), seconds / 100) << hundredths;
}
