// artgen's drawing surface and its BMP writer; the same canvas always gives the same bytes.
#include "tools/artgen/canvas.h"

#include <cmath>
#include <cstdio>

TColour Mix(TColour a, TColour b, double t) {
  return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}

TColour Scale(TColour c, double factor) {
  return {c.R * factor, c.G * factor, c.B * factor};
}

TColour Add(TColour a, TColour b) {
  return {a.R + b.R, a.G + b.G, a.B + b.B};
}

TCanvas::TCanvas(int width, int height, TColour background)
    : width_(width), height_(height), rgb_(static_cast<size_t>(width) * height * 3) {
  FillRect(0, 0, width, height, background);
}

static uint8_t ToByte(double channel) {
  return static_cast<uint8_t>(std::lround(std::clamp(channel, 0.0, 255.0)));
}

void TCanvas::Set(int x, int y, TColour c) {
  if (!Inside(x, y)) return;
  uint8_t* p = &rgb_[(static_cast<size_t>(y) * width_ + x) * 3];
  p[0] = ToByte(c.R);
  p[1] = ToByte(c.G);
  p[2] = ToByte(c.B);
}

TColour TCanvas::Get(int x, int y) const {
  if (!Inside(x, y)) return Black;
  const uint8_t* p = &rgb_[(static_cast<size_t>(y) * width_ + x) * 3];
  return {double(p[0]), double(p[1]), double(p[2])};
}

void TCanvas::Blend(int x, int y, TColour c, double opacity) {
  if (!Inside(x, y) || opacity <= 0) return;
  Set(x, y, Mix(Get(x, y), c, std::min(opacity, 1.0)));
}

void TCanvas::FillRect(int left, int top, int right, int bottom, TColour c) {
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) Set(x, y, c);
  }
}

void TCanvas::Paste(int x, int y, const TCanvas& from) {
  for (int sy = 0; sy < from.Height(); ++sy) {
    for (int sx = 0; sx < from.Width(); ++sx) Set(x + sx, y + sy, from.Get(sx, sy));
  }
}

// Little-endian fields of the BMP headers.
static void PutU16(std::vector<uint8_t>& out, unsigned value) {
  out.push_back(static_cast<uint8_t>(value & 0xFFu));
  out.push_back(static_cast<uint8_t>((value >> 8) & 0xFFu));
}

static void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  PutU16(out, value & 0xFFFFu);
  PutU16(out, value >> 16);
}

bool WriteBmp(const TCanvas& canvas, const std::string& path) {
  constexpr uint32_t HeaderBytes = 14 + 40;
  const uint32_t rowBytes = (static_cast<uint32_t>(canvas.Width()) * 3 + 3) & ~3u;
  const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(canvas.Height());
  std::vector<uint8_t> out;
  out.reserve(HeaderBytes + pixelBytes);
  // File header.
  out.push_back('B');
  out.push_back('M');
  PutU32(out, HeaderBytes + pixelBytes);
  PutU32(out, 0);
  PutU32(out, HeaderBytes);
  // Info header: 24 bits a pixel, uncompressed, 72 dpi.
  PutU32(out, 40);
  PutU32(out, static_cast<uint32_t>(canvas.Width()));
  PutU32(out, static_cast<uint32_t>(canvas.Height()));
  PutU16(out, 1);
  PutU16(out, 24);
  PutU32(out, 0);
  PutU32(out, pixelBytes);
  PutU32(out, 2835);
  PutU32(out, 2835);
  PutU32(out, 0);
  PutU32(out, 0);
  // Pixels: the bottom row first, blue green red, each row padded with zeros.
  for (int y = canvas.Height() - 1; y >= 0; --y) {
    const uint8_t* row = canvas.Rgb() + static_cast<size_t>(y) * canvas.Width() * 3;
    for (int x = 0; x < canvas.Width(); ++x) {
      out.push_back(row[3 * x + 2]);
      out.push_back(row[3 * x + 1]);
      out.push_back(row[3 * x]);
    }
    for (uint32_t pad = static_cast<uint32_t>(canvas.Width()) * 3; pad < rowBytes; ++pad) {
      out.push_back(0);
    }
  }
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
  return std::fclose(file) == 0 && written;
}
