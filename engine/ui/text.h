// Bitmap font text: QueueText turns a string into glyph entries of the per-tick text queue, which
// the scene drawing draws on top of everything. The queue is emptied at the start of every tick.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

inline constexpr int TextQueueCapacity = 10000;

// Glyph sheets hold 10 cells per row; glyph g sits in cell g - 1.
inline constexpr int GlyphsPerRow = 10;
inline constexpr int16_t NoGlyph = 0;
inline constexpr int16_t FreeEntry = -1;

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

// Called by the screen routines, the control panel and the pop-ups during a tick's logic.
// Appends a leading empty entry at x, then one entry per byte of text (Windows-1252), character k
// at x + k * advance. A full queue keeps overwriting entry TextQueueCapacity, so only the last
// entry queued survives there. A font number that is no font queues entries that draw nothing.
void QueueText(int x, int y, int font, int addStrength, std::string_view text);
// The glyph of a byte in the small fonts (1, 6, 7) and in the large fonts (2, 3, 4); 0 for a
// byte the font has no picture for.
int16_t SmallFontGlyph(unsigned char ch);
int16_t LargeFontGlyph(unsigned char ch);
// Cell size and advance of a font number; 0 for a number that is no font.
int FontCellSize(int font);
int FontAdvance(int font);
// True for the large fonts (2, 3, 4), whose entries with an AddStrength above 0 are blended
// additively; the small fonts are always copied plainly.
bool FontBlends(int font);
// Called once per tick before the logic: TextCount 0 and every Glyph -1.
void ResetTextQueue();
