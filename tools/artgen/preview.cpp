// artgen's contact sheet: every sheet enlarged on one PNG, transparent pixels shown as a grey
// checker board so that holes in a picture stand out.
#include "tools/artgen/preview.h"

#include <vector>

#include "tools/artgen/sheets.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "platform/stb.h"

namespace {

constexpr int PreviewWidth = 2400;
constexpr int Gap = 16;

// How much each sheet is enlarged: small sheets a lot, the big ones not at all.
int Enlargement(const TCanvas& sheet) {
  const int longest = std::max(sheet.Width(), sheet.Height());
  if (longest <= 80) return 6;
  if (longest <= 160) return 4;
  if (longest <= 300) return 3;
  if (sheet.Width() <= 64) return 2;
  return 1;
}

// The game's test for a transparent pixel: equal to the key once both are 16-bit.
bool IsKey(TColour c, TColour key) {
  const auto pack = [](TColour k) {
    return (static_cast<int>(k.R) >> 3) << 11 | (static_cast<int>(k.G) >> 2) << 5 |
           (static_cast<int>(k.B) >> 3);
  };
  return pack(c) == pack(key);
}

void PasteEnlarged(TCanvas& out, int left, int top, const TCanvas& sheet, TColour key, int factor) {
  for (int y = 0; y < sheet.Height() * factor; ++y) {
    for (int x = 0; x < sheet.Width() * factor; ++x) {
      TColour c = sheet.Get(x / factor, y / factor);
      if (IsKey(c, key)) c = ((x / 8 + y / 8) % 2 == 0) ? TColour{40, 40, 48} : TColour{56, 56, 64};
      out.Set(left + x, top + y, c);
    }
  }
}

}  // namespace

bool WritePreview(const std::string& path) {
  struct Placed {
    TCanvas Sheet;
    TColour Key;
    int Factor, Left, Top;
  };
  std::vector<Placed> placed;
  int x = Gap;
  int y = Gap;
  int shelfHeight = 0;
  for (const TSheet& s : Sheets) {
    TCanvas sheet = s.Paint();
    const bool magenta = IsKey(sheet.Get(0, 0), Magenta) ||
                         s.Path.find("schriftz") != s.Path.npos ||
                         s.Path.find("schatten") != s.Path.npos;
    const int factor = Enlargement(sheet);
    const int w = sheet.Width() * factor;
    if (x + w + Gap > PreviewWidth) {
      x = Gap;
      y += shelfHeight + Gap;
      shelfHeight = 0;
    }
    placed.push_back({sheet, magenta ? Magenta : Black, factor, x, y});
    x += w + Gap;
    shelfHeight = std::max(shelfHeight, sheet.Height() * factor);
  }
  TCanvas out(PreviewWidth, y + shelfHeight + Gap, {24, 24, 28});
  for (const Placed& p : placed) PasteEnlarged(out, p.Left, p.Top, p.Sheet, p.Key, p.Factor);
  return stbi_write_png(path.c_str(), out.Width(), out.Height(), 3, out.Rgb(), out.Width() * 3) !=
         0;
}
