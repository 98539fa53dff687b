// Frames for the runner: RGB565 pictures widened to 24 bits and written through stb_image_write.
#include "app/runner_frame.h"

#include <cstdint>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "platform/stb.h"

namespace {

constexpr int RgbChannels = 3;

// A channel of `bits` bits widened to 8: the top bits fill the gap, so 0 stays 0 and the
// largest value becomes 255.
uint8_t Widen(unsigned value, unsigned bits) {
  return static_cast<uint8_t>((value << (8 - bits)) | (value >> (2 * bits - 8)));
}

}  // namespace

bool WriteFramePng(const std::string& path, const PictureSurface& frame) {
  const int width = frame.Width();
  const int height = frame.Height();
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * RgbChannels);
  uint8_t* out = rgb.data();
  for (int y = 0; y < height; ++y) {
    const TPixel* row = frame.Row(y);
    for (int x = 0; x < width; ++x) {
      const unsigned pixel = row[x];
      *out++ = Widen((pixel >> 11) & 0x1Fu, 5);
      *out++ = Widen((pixel >> 5) & 0x3Fu, 6);
      *out++ = Widen(pixel & 0x1Fu, 5);
    }
  }
  return stbi_write_png(path.c_str(), width, height, RgbChannels, rgb.data(),
                        width * RgbChannels) != 0;
}
