#include "gif.h"

#include <gif_lib.h>

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace {

constexpr size_t MOST_COLOURS = 256;       // a GIF colour table's
constexpr int COLOUR_BITS = 8;             // bits a primary, for the screen descriptor
constexpr GifByteType TRANSPARENT = 0;     // the index of "unchanged", when a frame has one
constexpr uint32_t NOT_SHOWN = 0xFF000000;  // before the first frame: unlike every 0xRRGGBB
constexpr double HUNDREDTHS = 100;

// giflib's output: appended to the bytes the encoder keeps.
int append(GifFileType* gif, const GifByteType* data, int size) {
  auto* bytes = static_cast<std::vector<unsigned char>*>(gif->UserData);
  bytes->insert(bytes->end(), data, data + size);
  return size;
}

uint32_t packed(GifByteType red, GifByteType green, GifByteType blue) {
  return uint32_t(red) << 16 | uint32_t(green) << 8 | blue;
}

}  // namespace

// A rectangle of the frame, in pixels from the top left; right and bottom exclusive.
struct GifEncoder::Box {
  int left, top, right, bottom;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
};

GifEncoder::GifEncoder(int width, int height, double framesPerSecond)
    : width(width), height(height), framesPerSecond(framesPerSecond),
      frame(size_t(width) * size_t(height)), shown(frame.size(), NOT_SHOWN) {
  int error = 0;
  file = EGifOpen(&bytes, append, &error);
  if (!file) {
    failed = true;
    return;
  }
  EGifSetGifVersion(file, true);  // 89a: frames with delays and transparency
  failed = EGifPutScreenDesc(file, width, height, COLOUR_BITS, 0, nullptr) != GIF_OK;
}

GifEncoder::~GifEncoder() {
  if (file) EGifCloseFile(file, nullptr);
}

void GifEncoder::addFrame(const unsigned char* rgb, bool fromBottom) {
  if (!file || failed) return;
  for (int y = 0; y < height; y++) {
    uint32_t* pixel = &frame[size_t(fromBottom ? height - 1 - y : y) * size_t(width)];
    for (int x = 0; x < width; x++, rgb += 3) pixel[x] = packed(rgb[0], rgb[1], rgb[2]);
  }
  putFrame(changedBox());
  added++;
}

std::vector<unsigned char> GifEncoder::finish() {
  if (!file) return {};
  if (EGifCloseFile(file, nullptr) != GIF_OK) failed = true;
  file = nullptr;
  if (failed) bytes.clear();
  return std::move(bytes);
}

// The smallest rectangle holding every pixel unlike the one shown; one
// pixel, to be left transparent, when nothing changed.
GifEncoder::Box GifEncoder::changedBox() const {
  Box box{width, height, 0, 0};
  for (int y = 0; y < height; y++) {
    const uint32_t* now = &frame[size_t(y) * size_t(width)];
    const uint32_t* was = &shown[size_t(y) * size_t(width)];
    int first = 0, last = width - 1;
    while (first < width && now[first] == was[first]) first++;
    if (first == width) continue;
    while (now[last] == was[last]) last--;
    box = {std::min(box.left, first), std::min(box.top, y), std::max(box.right, last + 1), y + 1};
  }
  return box.left < box.right ? box : Box{0, 0, 1, 1};
}

namespace {

// A frame's rectangle as colour indices, and their table.
struct Indexed {
  std::vector<GifByteType> indices;  // a pixel each, rows from the top
  std::vector<uint32_t> table;       // 0xRRGGBB an index
  bool transparent = false;          // index 0 leaves the pixel as it was shown
};

// Indexes the pixels `now` exactly; given the pixels `was` shown before,
// with the unchanged ones at TRANSPARENT. False when they have more colours
// than a table holds.
bool indexExactly(const std::vector<uint32_t>& now, const std::vector<uint32_t>* was, Indexed& out) {
  out.indices.resize(now.size());
  out.table.assign(was ? 1 : 0, 0);
  out.transparent = was != nullptr;
  std::unordered_map<uint32_t, GifByteType> index;
  uint32_t last = NOT_SHOWN;
  GifByteType lastIndex = 0;
  for (size_t i = 0; i < now.size(); i++) {
    if (was && now[i] == (*was)[i]) {
      out.indices[i] = TRANSPARENT;
      continue;
    }
    if (now[i] != last) {
      auto found = index.find(now[i]);
      if (found == index.end()) {
        if (out.table.size() == MOST_COLOURS) return false;
        found = index.emplace(now[i], GifByteType(out.table.size())).first;
        out.table.push_back(now[i]);
      }
      last = now[i], lastIndex = found->second;
    }
    out.indices[i] = lastIndex;
  }
  return true;
}

// Indexes the pixels `now`, `width` a row, with the 256 colours giflib's
// quantizer picks for them.
bool indexNearest(const std::vector<uint32_t>& now, int width, Indexed& out) {
  std::vector<GifByteType> red(now.size()), green(now.size()), blue(now.size());
  for (size_t i = 0; i < now.size(); i++)
    red[i] = GifByteType(now[i] >> 16), green[i] = GifByteType(now[i] >> 8), blue[i] = GifByteType(now[i]);
  GifColorType chosen[MOST_COLOURS];
  int colours = int(MOST_COLOURS);
  out.indices.resize(now.size());
  out.transparent = false;
  if (GifQuantizeBuffer(unsigned(width), unsigned(now.size() / size_t(width)), &colours, red.data(),
                        green.data(), blue.data(), out.indices.data(), chosen) != GIF_OK)
    return false;
  out.table.clear();
  for (int i = 0; i < colours; i++)
    out.table.push_back(packed(chosen[i].Red, chosen[i].Green, chosen[i].Blue));
  return true;
}

// Writes one frame: its delay and transparency, then the rectangle's pixels.
bool writeFrame(GifFileType* file, int left, int top, int width, int height, int delay,
                Indexed& frame) {
  ColorMapObject* map = GifMakeMapObject(1 << GifBitSize(int(frame.table.size())), nullptr);
  if (!map) return false;
  for (size_t i = 0; i < frame.table.size(); i++)
    map->Colors[i] = {GifByteType(frame.table[i] >> 16), GifByteType(frame.table[i] >> 8),
                      GifByteType(frame.table[i])};
  const GraphicsControlBlock control{DISPOSE_DO_NOT, false, delay,
                                     frame.transparent ? TRANSPARENT : NO_TRANSPARENT_COLOR};
  GifByteType extension[4];
  const size_t length = EGifGCBToExtension(&control, extension);
  bool written = EGifPutExtension(file, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_OK &&
                 EGifPutImageDesc(file, left, top, width, height, false, map) == GIF_OK;
  for (int row = 0; written && row < height; row++)
    written = EGifPutLine(file, &frame.indices[size_t(row) * size_t(width)], width) == GIF_OK;
  GifFreeMapObject(map);
  return written;
}

}  // namespace

// Exact colours, with the unchanged pixels transparent, when the changed
// ones have at most 255; exact and opaque when the whole rectangle has at
// most 256; else the nearest of 256. Afterwards `shown` is what a viewer shows.
void GifEncoder::putFrame(const Box& box) {
  const size_t across = size_t(box.width());
  std::vector<uint32_t> now(across * size_t(box.height())), was(now.size());
  const auto row = [&](int y) { return size_t(y) * size_t(width) + size_t(box.left); };
  for (int y = box.top; y < box.bottom; y++) {
    std::copy_n(&frame[row(y)], across, &now[size_t(y - box.top) * across]);
    std::copy_n(&shown[row(y)], across, &was[size_t(y - box.top) * across]);
  }
  Indexed indexed;
  if (!indexExactly(now, &was, indexed) && !indexExactly(now, nullptr, indexed) &&
      !indexNearest(now, box.width(), indexed)) {
    failed = true;
    return;
  }
  for (size_t i = 0; i < now.size(); i++)
    if (!indexed.transparent || indexed.indices[i] != TRANSPARENT) was[i] = indexed.table[indexed.indices[i]];
  for (int y = box.top; y < box.bottom; y++)
    std::copy_n(&was[size_t(y - box.top) * across], across, &shown[row(y)]);
  if (!writeFrame(file, box.left, box.top, box.width(), box.height(), gifFrameDelay(added, framesPerSecond),
                  indexed))
    failed = true;
}

int gifFrameDelay(long index, double framesPerSecond) {
  const auto at = [framesPerSecond](long frames) {
    return std::lround(HUNDREDTHS * double(frames) / framesPerSecond);
  };
  return int(at(index + 1) - at(index));
}
