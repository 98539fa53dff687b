// Picture surfaces: loading bitmaps into 16-bit pixels, and the two ways of drawing one picture
// onto another, colour-keyed and additive.
#include "platform/surface.h"

#include <algorithm>
#include <cstring>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_ONLY_PNG
#define STBI_NO_SIMD
#include "platform/stb.h"

namespace {

uint32_t LittleEndian(const uint8_t* bytes, int count) {
  uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
  return value;
}

// stb_image fills a cut-off BMP with black instead of failing, so an uncompressed BMP whose pixel
// rows do not all fit in the file is refused here. Returns false for such a file.
bool UncompressedBmpIsWhole(FILE* file) {
  uint8_t header[34]{};
  const size_t read = std::fread(header, 1, sizeof header, file);
  std::fseek(file, 0, SEEK_END);
  const long fileSize = std::ftell(file);
  std::rewind(file);
  if (read < sizeof header || header[0] != 'B' || header[1] != 'M') return true;
  const uint32_t compression = LittleEndian(header + 30, 4);
  if (compression != 0) return true;  // compressed or bit-field files are checked by the reader
  const uint64_t pixelOffset = LittleEndian(header + 10, 4);
  const uint64_t width = LittleEndian(header + 18, 4);
  const auto height = static_cast<int32_t>(LittleEndian(header + 22, 4));
  const uint64_t bitsPerPixel = LittleEndian(header + 28, 2);
  const uint64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
  const uint64_t rows = static_cast<uint64_t>(height < 0 ? -static_cast<int64_t>(height) : height);
  return pixelOffset + rowBytes * rows <= static_cast<uint64_t>(fileSize);
}

}  // namespace

PictureSurface::PictureSurface(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, 0) {}

void PictureSurface::LoadFromFile(const std::string& path) {
  int width = 0;
  int height = 0;
  int channels = 0;
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) throw BitmapError(path + ": " + std::strerror(errno));
  if (!UncompressedBmpIsWhole(file)) {
    std::fclose(file);
    throw BitmapError(path + ": not a readable bitmap (the file is cut short)");
  }
  stbi_uc* rgb = stbi_load_from_file(file, &width, &height, &channels, 3);
  std::fclose(file);
  if (rgb == nullptr) {
    throw BitmapError(path + ": not a readable bitmap (" + stbi_failure_reason() + ")");
  }
  LoadFromRgb(width, height, rgb);
  stbi_image_free(rgb);
}

void PictureSurface::LoadFromRgb(int width, int height, const uint8_t* rgb) {
  width_ = width;
  height_ = height;
  pixels_.resize(static_cast<size_t>(width) * height);
  for (size_t i = 0; i < pixels_.size(); ++i) {
    pixels_[i] = Rgb565(rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]);
  }
  runsStale_ = true;
}

void PictureSurface::SetTransparentColour(unsigned r, unsigned g, unsigned b) {
  key_ = Rgb565(r, g, b);
  runsStale_ = true;
}

void PictureSurface::Fill(TPixel colour) {
  std::fill(pixels_.begin(), pixels_.end(), colour);
  runsStale_ = true;
}

void PictureSurface::BuildOpaqueRuns() const {
  runs_.clear();
  rowRunStart_.assign(static_cast<size_t>(height_) + 1, 0);
  for (int y = 0; y < height_; ++y) {
    rowRunStart_[y] = static_cast<uint32_t>(runs_.size());
    const TPixel* row = Row(y);
    int x = 0;
    while (x < width_) {
      while (x < width_ && row[x] == key_) ++x;
      const int start = x;
      while (x < width_ && row[x] != key_) ++x;
      if (x > start) {
        runs_.push_back({static_cast<uint16_t>(start), static_cast<uint16_t>(x - start)});
      }
    }
  }
  rowRunStart_[height_] = static_cast<uint32_t>(runs_.size());
  runsStale_ = false;
}

bool PictureSurface::Clip(int& x, int& y, const PictureSurface& src, TRect& source) const {
  // The source rectangle first stays inside its own surface...
  if (source.Left < 0) {
    x -= source.Left;
    source.Left = 0;
  }
  if (source.Top < 0) {
    y -= source.Top;
    source.Top = 0;
  }
  source.Right = std::min(source.Right, src.width_);
  source.Bottom = std::min(source.Bottom, src.height_);
  // ...then the destination inside this one.
  if (x < 0) {
    source.Left -= x;
    x = 0;
  }
  if (y < 0) {
    source.Top -= y;
    y = 0;
  }
  source.Right = std::min(source.Right, source.Left + (width_ - x));
  source.Bottom = std::min(source.Bottom, source.Top + (height_ - y));
  return source.Right > source.Left && source.Bottom > source.Top;
}

template <typename SpanAction>
void PictureSurface::ForEachOpaqueSpan(int x, int y, const PictureSurface& src, TRect source,
                                       SpanAction action) {
  if (!Clip(x, y, src, source)) return;
  src.RefreshOpaqueRuns();
  // a source column sx lands on column sx + shift of this surface
  const int shift = x - source.Left;
  for (int sy = source.Top; sy < source.Bottom; ++sy) {
    const TPixel* from = src.Row(sy);
    TPixel* to = Row(y + sy - source.Top);
    for (uint32_t r = src.rowRunStart_[sy]; r < src.rowRunStart_[sy + 1]; ++r) {
      const int start = std::max<int>(src.runs_[r].Start, source.Left);
      const int end = std::min<int>(src.runs_[r].Start + src.runs_[r].Length, source.Right);
      if (start < end) action(from + start, to + start + shift, end - start);
    }
  }
}

void PictureSurface::CopyKeyed(int x, int y, const PictureSurface& src, TRect source) {
  ForEachOpaqueSpan(x, y, src, source, [](const TPixel* from, TPixel* to, int count) {
    std::memcpy(to, from, sizeof(TPixel) * static_cast<size_t>(count));
  });
}

void PictureSurface::AddBlend(int x, int y, const PictureSurface& src, TRect source, int strength) {
  strength = std::clamp(strength, 0, 255);
  if (strength == 0) return;
  const auto scale = [strength](unsigned channel) {
    return (channel * static_cast<unsigned>(strength) + 127) / 255;
  };
  ForEachOpaqueSpan(x, y, src, source, [&scale](const TPixel* from, TPixel* to, int count) {
    for (int i = 0; i < count; ++i) {
      const TPixel s = from[i];
      const TPixel d = to[i];
      const unsigned red = std::min(31u, (d >> 11) + scale(s >> 11));
      const unsigned green = std::min(63u, ((d >> 5) & 63u) + scale((s >> 5) & 63u));
      const unsigned blue = std::min(31u, (d & 31u) + scale(s & 31u));
      to[i] = static_cast<TPixel>((red << 11) | (green << 5) | blue);
    }
  });
}
