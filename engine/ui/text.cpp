// Bitmap font text: the two character tables, the font metrics and the per-tick text queue that
// the logic fills and the scene drawing empties onto the screen.
#include "engine/ui/text.h"

#include <initializer_list>
#include <string_view>

namespace {

using TGlyphTable = std::array<int16_t, 256>;

// One run of a character table: the bytes of chars get the glyphs first, first + 1, ...
struct TGlyphRun {
  int16_t First;
  std::string_view Chars;
};

constexpr TGlyphTable BuildGlyphTable(std::initializer_list<TGlyphRun> runs) {
  TGlyphTable table{};
  for (const TGlyphRun& run : runs) {
    int16_t glyph = run.First;
    for (const char c : run.Chars) table[static_cast<unsigned char>(c)] = glyph++;
  }
  return table;
}

// Fonts 1, 6 and 7.
constexpr TGlyphTable SmallGlyphs = BuildGlyphTable({
    {1, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
    {27, "\xC4\xD6\xDC"},  // Ä Ö Ü
    {30, ".,;:-_!?"},
    {38, "123456789"},
    {47, "0"},
    {48, "+/\\[]=*"},
    {55, " "},
    {56, "<>"},
    {58, "bcd"},
});

// Fonts 2, 3 and 4. A space has no glyph: it is an empty step.
constexpr TGlyphTable LargeGlyphs = BuildGlyphTable({
    {1, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
    {27, "0123456789"},
    {37, "\xC4\xD6\xDC"},  // Ä Ö Ü
    {40, "?!.:;=*&\\/"},
    {50, "\x80"},  // the euro sign
    {51, "-_()<>"},
    {57, "bcdefghijklmnopqr"},
    {75, "t"},
    {77, "v"},
    {79, "@"},
    {80, ","},
});

// The metrics of one font number.
struct TFontMetrics {
  int Cell;
  int Advance;
  bool Large;  // reads LargeGlyphs rather than SmallGlyphs
};

constexpr int FontNumbers = 7;
// Indexed by font number; 0 and 5 are no fonts.
constexpr std::array<TFontMetrics, FontNumbers + 1> Fonts = {{
    {0, 0, false},
    {7, 8, false},
    {15, 15, true},
    {30, 40, true},
    {15, 15, true},
    {0, 0, false},
    {7, 8, false},
    {7, 8, false},
}};

const TFontMetrics& MetricsOf(int font) {
  return font >= 1 && font <= FontNumbers ? Fonts[font] : Fonts[0];
}

int16_t GlyphInFont(int font, unsigned char ch) {
  const TFontMetrics& metrics = MetricsOf(font);
  if (metrics.Cell == 0) return NoGlyph;
  return metrics.Large ? LargeGlyphs[ch] : SmallGlyphs[ch];
}

// Appends one entry; a full queue overwrites its last entry instead.
void QueueEntry(int16_t glyph, int x, int y, int font, int addStrength) {
  if (TextCount < TextQueueCapacity) ++TextCount;
  const int e = TextCount;
  TextQueue.Glyph[e] = glyph;
  TextQueue.GlyphX[e] = static_cast<int16_t>(x);
  TextQueue.GlyphY[e] = static_cast<int16_t>(y);
  TextQueue.Font[e] = static_cast<int16_t>(font);
  TextQueue.AddStrength[e] = static_cast<int16_t>(addStrength);
}

}  // namespace

int16_t SmallFontGlyph(unsigned char ch) {
  return SmallGlyphs[ch];
}
int16_t LargeFontGlyph(unsigned char ch) {
  return LargeGlyphs[ch];
}
int FontCellSize(int font) {
  return MetricsOf(font).Cell;
}
int FontAdvance(int font) {
  return MetricsOf(font).Advance;
}
bool FontBlends(int font) {
  return MetricsOf(font).Large;
}

void QueueText(int x, int y, int font, int addStrength, std::string_view text) {
  const int advance = FontAdvance(font);
  // every text opens with an empty entry at x, so its first character stands one advance right
  QueueEntry(NoGlyph, x, y, font, addStrength);
  int charX = x;
  for (const char c : text) {
    charX += advance;
    QueueEntry(GlyphInFont(font, static_cast<unsigned char>(c)), charX, y, font, addStrength);
  }
}

void ResetTextQueue() {
  TextCount = 0;
  TextQueue.Glyph.fill(FreeEntry);
}
