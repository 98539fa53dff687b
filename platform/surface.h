// Our 16-bit picture surfaces: the back buffer and the sheets loaded from bitmaps, with the
// colour-keyed copy and the additive blend that every frame is composed of.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

using TPixel = uint16_t;  // RGB565

constexpr TPixel Rgb565(unsigned r, unsigned g, unsigned b) {
  return static_cast<TPixel>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

// A rectangle: left, top, right, bottom; right and bottom exclusive.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

// A picture file that cannot be used. The message names the file and what is wrong.
class BitmapError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A picture of 16-bit pixels with one transparent colour (black unless set).
class PictureSurface {
 public:
  PictureSurface() = default;
  PictureSurface(int width, int height);

  // Reads a bitmap file (any format stb_image knows) and converts it to 16 bits.
  // Throws BitmapError naming the file when it is missing or unreadable.
  void LoadFromFile(const std::string& path);
  // Takes 24-bit RGB pixels, row by row.
  void LoadFromRgb(int width, int height, const uint8_t* rgb);

  // The key is converted once to the 16-bit pixel value.
  void SetTransparentColour(unsigned r, unsigned g, unsigned b);
  TPixel TransparentPixel() const { return key_; }

  void Fill(TPixel colour);
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  // Writing pixels through Row or At is seen by the next copy from this surface.
  TPixel* Row(int y) {
    runsStale_ = true;
    return pixels_.data() + static_cast<size_t>(y) * width_;
  }
  const TPixel* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
  TPixel& At(int x, int y) { return Row(y)[x]; }
  TPixel At(int x, int y) const { return Row(y)[x]; }

  // Copies the source rectangle of src to (x, y) of this surface, leaving out src's transparent
  // pixels. The rectangle is clipped to both surfaces; nothing is written outside.
  void CopyKeyed(int x, int y, const PictureSurface& src, TRect source);
  // Adds the non-transparent pixels of the source rectangle, scaled by strength/255 (1..255),
  // channel by channel, saturating. Clipped like CopyKeyed.
  void AddBlend(int x, int y, const PictureSurface& src, TRect source, int strength);

 private:
  struct OpaqueRun {
    uint16_t Start;
    uint16_t Length;
  };
  // Recomputes, per row, the runs of pixels that are not the key, so a copy is a few memcpy calls.
  // A copy from this surface first rebuilds them if its pixels or key changed since.
  void BuildOpaqueRuns() const;
  void RefreshOpaqueRuns() const {
    if (runsStale_) BuildOpaqueRuns();
  }
  // Calls action(from, to, count) for every run of non-key pixels of a clipped copy of source to
  // (x, y).
  template <typename SpanAction>
  void ForEachOpaqueSpan(int x, int y, const PictureSurface& src, TRect source, SpanAction action);
  // Clips a copy of source to (x, y) against both surfaces; false when nothing is left.
  bool Clip(int& x, int& y, const PictureSurface& src, TRect& source) const;

  int width_ = 0;
  int height_ = 0;
  TPixel key_ = 0;
  std::vector<TPixel> pixels_;
  mutable std::vector<OpaqueRun> runs_;
  mutable std::vector<uint32_t> rowRunStart_;  // height + 1 entries into runs_
  mutable bool runsStale_ = true;
};
