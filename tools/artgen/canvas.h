// artgen's drawing surface: a 24-bit picture in memory with the few drawing operations every
// sheet painter shares, and the BMP writer that stores it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// A colour with channels 0..255; painters work in floating point and round when storing.
struct TColour {
  double R = 0;
  double G = 0;
  double B = 0;
};

constexpr TColour Magenta{255, 0, 255};
constexpr TColour Black{0, 0, 0};

TColour Mix(TColour a, TColour b, double t);  // a at t = 0, b at t = 1
TColour Scale(TColour c, double factor);      // channels multiplied, not clamped
TColour Add(TColour a, TColour b);

class TCanvas {
 public:
  TCanvas(int width, int height, TColour background);
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // Stores the colour rounded and clamped to 0..255; points outside are ignored.
  void Set(int x, int y, TColour c);
  TColour Get(int x, int y) const;
  // Covers the pixel with c at the given opacity 0..1.
  void Blend(int x, int y, TColour c, double opacity);
  void FillRect(int left, int top, int right, int bottom, TColour c);  // right, bottom exclusive
  // Copies another canvas to (x, y).
  void Paste(int x, int y, const TCanvas& from);
  const uint8_t* Rgb() const { return rgb_.data(); }

 private:
  int width_;
  int height_;
  std::vector<uint8_t> rgb_;  // top-down rows, 3 bytes a pixel
};

// Writes a 24-bit BMP (rows bottom-up, each padded to 4 bytes). False when the file cannot be
// written.
bool WriteBmp(const TCanvas& canvas, const std::string& path);
