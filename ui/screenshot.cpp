#include "screenshot.h"

#include <GL/gl.h>
#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr int MOST_COPIES = 99;  // files of one program and one extension within one second
constexpr int RGB = 3;

// Writes the pixels through libpng to an open file; libpng reports its
// errors by a long jump back here.
bool encode(std::FILE* out, int width, int height, const std::vector<unsigned char>& rgb) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, out);
  png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int row = 0; row < height; row++)
    png_write_row(png, &rgb[size_t(row) * size_t(width) * RGB]);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

std::string screenshotName(const std::string& program, std::time_t when, int copy, const char* extension) {
  std::tm local{};
  localtime_r(&when, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  return program + "-" + stamp + (copy > 1 ? "-" + std::to_string(copy) : "") + "." + extension;
}

bool writeWholeFile(const std::string& file, bool replace, const std::function<bool(std::FILE*)>& write,
                    std::string& error) {
  std::FILE* out = std::fopen(file.c_str(), replace ? "wb" : "wbx");  // x: never over an existing file
  if (!out) {
    error = std::strerror(errno);
    return false;
  }
  bool written = write(out);
  written = std::fflush(out) == 0 && written;
  if (std::ferror(out)) written = false;
  const int saved = errno;
  if (std::fclose(out) != 0) written = false;
  if (!written) {
    error = saved ? std::strerror(saved) : "the file could not be written";
    std::remove(file.c_str());
  }
  return written;
}

bool writePng(const std::string& file, int width, int height,
              const std::vector<unsigned char>& rgb, std::string& error) {
  return writeWholeFile(file, false, [&](std::FILE* out) { return encode(out, width, height, rgb); }, error);
}

bool saveNamedFile(const std::string& program, std::time_t when, const char* extension, const char* what,
                   const std::function<bool(std::FILE*)>& write) {
  std::string error;
  for (int copy = 1; copy <= MOST_COPIES; copy++) {
    const std::string file = screenshotName(program, when, copy, extension);
    errno = 0;
    if (writeWholeFile(file, false, write, error)) {
      std::printf("Saved %s\n", file.c_str());
      std::fflush(stdout);
      return true;
    }
    if (errno != EEXIST) break;
  }
  std::fprintf(stderr, "The %s was not saved: %s\n", what, error.c_str());
  return false;
}

bool saveScreenshot(const std::string& program, int x, int y, int width, int height) {
  // GL's rows run from the bottom up; a PNG's from the top down.
  std::vector<unsigned char> rows(size_t(width) * size_t(height) * RGB);
  std::vector<unsigned char> rgb(rows.size());
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, y, width, height, GL_RGB, GL_UNSIGNED_BYTE, rows.data());
  const size_t rowBytes = size_t(width) * RGB;
  for (int row = 0; row < height; row++)
    std::memcpy(&rgb[size_t(row) * rowBytes], &rows[size_t(height - 1 - row) * rowBytes], rowBytes);
  return saveNamedFile(program, std::time(nullptr), "png", "screenshot",
                       [&](std::FILE* out) { return encode(out, width, height, rgb); });
}
namespace {
bool requested = false;
}  // namespace

void requestScreenshot() { requested = true; }

bool isScreenshotRequested() { return requested; }

void takeRequestedScreenshot(const std::string& program, const View& view) {
  if (!requested) return;
  requested = false;
  saveScreenshot(program, view.x, view.y, view.width, view.height);
}
