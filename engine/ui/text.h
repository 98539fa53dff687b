// Bitmap font text: QueueText turns a string into glyph entries of the per-tick text queue, which
// the scene drawing draws on top of everything.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

inline constexpr int TextQueueCapacity = 10000;

struct TTextQueue {
  template <typename T>
  using Column = std::array<T, TextQueueCapacity + 1>;
  Column<int16_t> Glyph{};  // -1 free, 0 draws nothing
  Column<int16_t> GlyphX{};
  Column<int16_t> GlyphY{};
  Column<int16_t> Font{};
  Column<int16_t> AddStrength{};
};

inline TTextQueue TextQueue;
inline int32_t TextCount = 0;

// Appends a leading empty entry at x, then one entry per character one advance apart. A full
// queue keeps overwriting its last entry.
void QueueText(int x, int y, int font, int addStrength, std::string_view text);
int16_t SmallFontGlyph(unsigned char ch);
int16_t LargeFontGlyph(unsigned char ch);
// Cell size and advance of a font number; 0 for a number that is no font.
int FontCellSize(int font);
int FontAdvance(int font);
// Empties the queue: TextCount 0 and every Glyph -1.
void ResetTextQueue();
