// The six font sheets: one hand-set pixel alphabet, drawn crisp in the small 7-pixel fonts and
// smoothed, outlined and shaded in the large 15- and 30-pixel fonts.
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "tools/artgen/sheets.h"

namespace {

constexpr int ShapeWidth = 5;
constexpr int ShapeHeight = 7;  // row 0 holds the dots of the umlauts; capitals use rows 1..6
constexpr int CellsPerRow = 10;

struct TGlyphShape {
  unsigned char Ch;  // the Windows-1252 byte the shape stands for
  std::array<const char*, ShapeHeight> Rows;
};

// The alphabet, one row per character: '#' is ink.
constexpr TGlyphShape Shapes[] = {
    {'A', {".....", ".###.", "#...#", "#...#", "#####", "#...#", "#...#"}},
    {'B', {".....", "####.", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', {".....", ".####", "#....", "#....", "#....", "#....", ".####"}},
    {'D', {".....", "####.", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {".....", "#####", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {".....", "#####", "#....", "####.", "#....", "#....", "#...."}},
    {'G', {".....", ".####", "#....", "#....", "#..##", "#...#", ".####"}},
    {'H', {".....", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {".....", ".###.", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'J', {".....", "..###", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
    {'K', {".....", "#...#", "#..#.", "###..", "#..#.", "#...#", "#...#"}},
    {'L', {".....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {".....", "#...#", "##.##", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {".....", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}},
    {'O', {".....", ".###.", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {".....", "####.", "#...#", "#...#", "####.", "#....", "#...."}},
    {'Q', {".....", ".###.", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {".....", "####.", "#...#", "#...#", "####.", "#..#.", "#...#"}},
    {'S', {".....", ".####", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {".....", "#####", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {".....", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {".....", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', {".....", "#...#", "#...#", "#...#", "#.#.#", "##.##", "#...#"}},
    {'X', {".....", "#...#", ".#.#.", "..#..", "..#..", ".#.#.", "#...#"}},
    {'Y', {".....", "#...#", "#...#", ".#.#.", "..#..", "..#..", "..#.."}},
    {'Z', {".....", "#####", "...#.", "..#..", ".#...", "#....", "#####"}},
    {0xC4, {".#.#.", ".....", ".###.", "#...#", "#####", "#...#", "#...#"}},
    {0xD6, {".#.#.", ".....", ".###.", "#...#", "#...#", "#...#", ".###."}},
    {0xDC, {".#.#.", ".....", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'0', {".....", ".###.", "#..##", "#.#.#", "#.#.#", "##..#", ".###."}},
    {'1', {".....", "..#..", ".##..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".....", ".###.", "#...#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {".....", "####.", "....#", ".###.", "....#", "....#", "####."}},
    {'4', {".....", "...#.", "..##.", ".#.#.", "#..#.", "#####", "...#."}},
    {'5', {".....", "#####", "#....", "####.", "....#", "....#", "####."}},
    {'6', {".....", ".###.", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {".....", "#####", "....#", "...#.", "..#..", "..#..", "..#.."}},
    {'8', {".....", ".###.", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".....", ".###.", "#...#", "#...#", ".####", "....#", ".###."}},
    {'.', {".....", ".....", ".....", ".....", ".....", ".....", "..#.."}},
    {',', {".....", ".....", ".....", ".....", ".....", "..#..", ".#..."}},
    {';', {".....", ".....", "..#..", ".....", ".....", "..#..", ".#..."}},
    {':', {".....", ".....", "..#..", ".....", ".....", ".....", "..#.."}},
    {'-', {".....", ".....", ".....", ".....", ".###.", ".....", "....."}},
    {'_', {".....", ".....", ".....", ".....", ".....", ".....", "#####"}},
    {'!', {".....", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."}},
    {'?', {".....", ".###.", "#...#", "...#.", "..#..", ".....", "..#.."}},
    {'+', {".....", ".....", "..#..", "..#..", "#####", "..#..", "..#.."}},
    {'/', {".....", "....#", "...#.", "..#..", "..#..", ".#...", "#...."}},
    {'\\', {".....", "#....", ".#...", "..#..", "..#..", "...#.", "....#"}},
    {'[', {".....", ".###.", ".#...", ".#...", ".#...", ".#...", ".###."}},
    {']', {".....", ".###.", "...#.", "...#.", "...#.", "...#.", ".###."}},
    {'=', {".....", ".....", ".....", "#####", ".....", "#####", "....."}},
    {'*', {".....", ".....", "..#..", "#.#.#", ".###.", "#.#.#", "..#.."}},
    {'<', {".....", ".....", "...#.", "..#..", ".#...", "..#..", "...#."}},
    {'>', {".....", ".....", ".#...", "..#..", "...#.", "..#..", ".#..."}},
    {'&', {".....", ".##..", "#..#.", ".##..", "#.#.#", "#..#.", ".##.#"}},
    {'(', {".....", "...#.", "..#..", "..#..", "..#..", "..#..", "...#."}},
    {')', {".....", ".#...", "..#..", "..#..", "..#..", "..#..", ".#..."}},
    {0x80, {".....", "..###", ".#...", "####.", ".#...", "####.", "..###"}},
    {'@', {".....", ".###.", "#...#", "#.###", "#.##.", "#....", ".###."}},
    {'b', {".....", "#....", "#....", "####.", "#...#", "#...#", "####."}},
    {'c', {".....", ".....", ".....", ".###.", "#....", "#....", ".###."}},
    {'d', {".....", "....#", "....#", ".####", "#...#", "#...#", ".####"}},
    {'e', {".....", ".....", ".....", ".###.", "#####", "#....", ".###."}},
    {'f', {".....", "..##.", ".#...", "####.", ".#...", ".#...", ".#..."}},
    {'g', {".....", ".....", ".####", "#...#", ".####", "....#", ".###."}},
    {'h', {".....", "#....", "#....", "####.", "#...#", "#...#", "#...#"}},
    {'i', {".....", "..#..", ".....", ".##..", "..#..", "..#..", ".###."}},
    {'j', {".....", "...#.", ".....", "..##.", "...#.", "#..#.", ".##.."}},
    {'k', {".....", "#....", "#..#.", "#.#..", "##...", "#.#..", "#..#."}},
    {'l', {".....", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'m', {".....", ".....", ".....", "##.#.", "#.#.#", "#.#.#", "#.#.#"}},
    {'n', {".....", ".....", ".....", "####.", "#...#", "#...#", "#...#"}},
    {'o', {".....", ".....", ".....", ".###.", "#...#", "#...#", ".###."}},
    {'p', {".....", ".....", "####.", "#...#", "####.", "#....", "#...."}},
    {'q', {".....", ".....", ".####", "#...#", ".####", "....#", "....#"}},
    {'r', {".....", ".....", ".....", "#.##.", "##...", "#....", "#...."}},
    {'s', {".....", ".....", ".####", "#....", ".###.", "....#", "####."}},
    {'t', {".....", ".#...", ".#...", "####.", ".#...", ".#...", "..##."}},
    {'u', {".....", ".....", ".....", "#...#", "#...#", "#...#", ".####"}},
    {'v', {".....", ".....", ".....", "#...#", "#...#", ".#.#.", "..#.."}},
    {'w', {".....", ".....", ".....", "#...#", "#.#.#", "#.#.#", ".#.#."}},
};

// Which character each glyph cell shows, glyph 1 first. The small fonts' cell 55 is the space;
// the large fonts show s, u and w in the cells 74, 76 and 78 that no character reaches.
constexpr std::string_view SmallCells =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xC4\xD6\xDC.,;:-_!?1234567890+/\\[]=* <>bcd";
constexpr std::string_view LargeCells =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789\xC4\xD6\xDC?!.:;=*&\\/\x80-_()<>bcdefghijklmnopqrstuvw@,";
constexpr int SmallCell = 7;
constexpr int SmallRows = 6;
constexpr int LargeRows = 8;

const TGlyphShape* FindShape(char ch) {
  for (const TGlyphShape& shape : Shapes) {
    if (shape.Ch == static_cast<unsigned char>(ch)) return &shape;
  }
  return nullptr;
}

// A two-level picture of ink (true) and paper.
struct TMask {
  int Width = 0;
  int Height = 0;
  std::vector<bool> Ink;
  bool At(int x, int y) const {
    return x >= 0 && y >= 0 && x < Width && y < Height && Ink[static_cast<size_t>(y) * Width + x];
  }
};

TMask ShapeMask(const TGlyphShape& shape) {
  TMask mask{ShapeWidth, ShapeHeight, std::vector<bool>(ShapeWidth * ShapeHeight)};
  for (int y = 0; y < ShapeHeight; ++y) {
    for (int x = 0; x < ShapeWidth; ++x) mask.Ink[y * ShapeWidth + x] = shape.Rows[y][x] == '#';
  }
  return mask;
}

// Doubles a mask and fills the inner corners of its stair steps (the EPX rule, but only ever
// adding ink), so diagonals become smooth while the outer corners of D, B or E stay square.
TMask Smooth2x(const TMask& in) {
  TMask out{in.Width * 2, in.Height * 2, std::vector<bool>(in.Ink.size() * 4)};
  for (int y = 0; y < in.Height; ++y) {
    for (int x = 0; x < in.Width; ++x) {
      const bool p = in.At(x, y);
      const bool up = in.At(x, y - 1), right = in.At(x + 1, y);
      const bool left = in.At(x - 1, y), down = in.At(x, y + 1);
      const bool quarter[4] = {
          p || (left && up && !down && !right),
          p || (up && right && !left && !down),
          p || (down && left && !right && !up),
          p || (right && down && !up && !left),
      };
      for (int q = 0; q < 4; ++q) {
        out.Ink[static_cast<size_t>(2 * y + q / 2) * out.Width + 2 * x + q % 2] = quarter[q];
      }
    }
  }
  return out;
}

// How much of the target pixel (x, y) of a w x h box the smoothed shape covers, 0..1: the mask is
// read with bilinear weights and cut at one half, sampled 4 x 4 times per pixel.
double Coverage(const TMask& mask, int x, int y, int w, int h) {
  constexpr int Samples = 4;
  int inside = 0;
  for (int sy = 0; sy < Samples; ++sy) {
    for (int sx = 0; sx < Samples; ++sx) {
      const double u = (x + (sx + 0.5) / Samples) * mask.Width / w - 0.5;
      const double v = (y + (sy + 0.5) / Samples) * mask.Height / h - 0.5;
      const int x0 = static_cast<int>(std::floor(u));
      const int y0 = static_cast<int>(std::floor(v));
      const double fx = u - x0, fy = v - y0;
      const double value = (1 - fx) * (1 - fy) * mask.At(x0, y0) +
                           fx * (1 - fy) * mask.At(x0 + 1, y0) +
                           (1 - fx) * fy * mask.At(x0, y0 + 1) + fx * fy * mask.At(x0 + 1, y0 + 1);
      if (value >= 0.5) ++inside;
    }
  }
  return static_cast<double>(inside) / (Samples * Samples);
}

// Colours of one font: ink from top to bottom, and the dark rim around large glyphs.
struct TFontColours {
  TColour Top;
  TColour Bottom;
  TColour Rim;
};

// Small fonts: the shape pixel for pixel in columns 1..5 of the 7 x 7 cell, lighter at the top.
TCanvas PaintSmallFont(const TFontColours& colours) {
  TCanvas sheet(CellsPerRow * SmallCell, SmallRows * SmallCell, Magenta);
  for (size_t cell = 0; cell < SmallCells.size(); ++cell) {
    const TGlyphShape* shape = FindShape(SmallCells[cell]);
    if (shape == nullptr) continue;  // the space
    const int left = static_cast<int>(cell % CellsPerRow) * SmallCell + 1;
    const int top = static_cast<int>(cell / CellsPerRow) * SmallCell;
    for (int y = 0; y < ShapeHeight; ++y) {
      for (int x = 0; x < ShapeWidth; ++x) {
        if (shape->Rows[y][x] != '#') continue;
        sheet.Set(left + x, top + y, Mix(colours.Top, colours.Bottom, y / (ShapeHeight - 1.0)));
      }
    }
  }
  return sheet;
}

// Large fonts: the shape smoothed to a box inside the cell, with a light top edge, shaded from
// top to bottom and ringed by a dark rim one pixel wide. The rim is nearly black, so it keeps
// plain text readable and adds almost nothing when a glyph is drawn additively.
TCanvas PaintLargeFont(int cell, const TFontColours& colours) {
  TCanvas sheet(CellsPerRow * cell, LargeRows * cell, Magenta);
  const int boxWidth = cell * 4 / 5;
  const int boxHeight = cell - 1;
  const int margin = (cell - boxWidth) / 2;
  for (size_t index = 0; index < LargeCells.size(); ++index) {
    const TGlyphShape* shape = FindShape(LargeCells[index]);
    if (shape == nullptr) continue;
    const TMask smooth = Smooth2x(ShapeMask(*shape));
    std::vector<double> cover(static_cast<size_t>(cell) * cell, 0.0);
    for (int y = 0; y < boxHeight; ++y) {
      for (int x = 0; x < boxWidth; ++x) {
        cover[static_cast<size_t>(y) * cell + x + margin] =
            Coverage(smooth, x, y, boxWidth, boxHeight);
      }
    }
    const auto coverAt = [&](int x, int y) {
      return (x < 0 || y < 0 || x >= cell || y >= cell) ? 0.0
                                                        : cover[static_cast<size_t>(y) * cell + x];
    };
    const int left = static_cast<int>(index % CellsPerRow) * cell;
    const int top = static_cast<int>(index / CellsPerRow) * cell;
    for (int y = 0; y < cell; ++y) {
      for (int x = 0; x < cell; ++x) {
        const double c = coverAt(x, y);
        if (c > 0) {
          TColour ink = Mix(colours.Top, colours.Bottom, static_cast<double>(y) / boxHeight);
          // a pixel whose upper neighbour is paper catches the light
          if (coverAt(x, y - 1) < 0.5) ink = Mix(ink, {255, 255, 255}, 0.45);
          sheet.Set(left + x, top + y, Mix(colours.Rim, ink, c));
          continue;
        }
        const bool nearInk = coverAt(x - 1, y) > 0 || coverAt(x + 1, y) > 0 ||
                             coverAt(x, y - 1) > 0 || coverAt(x, y + 1) > 0 ||
                             coverAt(x - 1, y - 1) > 0;
        if (nearInk) sheet.Set(left + x, top + y, colours.Rim);
      }
    }
  }
  return sheet;
}

}  // namespace

TCanvas PaintSmallGreen() {
  return PaintSmallFont({{170, 255, 140}, {60, 200, 70}, Black});
}
TCanvas PaintSmallDarkGreen() {
  return PaintSmallFont({{70, 170, 70}, {40, 120, 50}, Black});
}
TCanvas PaintSmallBright() {
  return PaintSmallFont({{255, 255, 240}, {200, 215, 205}, Black});
}
TCanvas PaintLargeGreen() {
  return PaintLargeFont(15, {{170, 255, 140}, {30, 160, 60}, {8, 24, 12}});
}
TCanvas PaintLargeGold() {
  return PaintLargeFont(30, {{255, 240, 150}, {225, 110, 20}, {28, 12, 8}});
}
TCanvas PaintLargeBlue() {
  return PaintLargeFont(15, {{190, 235, 255}, {40, 110, 230}, {8, 12, 30}});
}
