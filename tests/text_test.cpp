// Bitmap font text: the two character tables, the font metrics and the text queue.
#include "engine/ui/text.h"

#include <gtest/gtest.h>

#include <string_view>

#include "engine/text1252.h"

namespace {

struct TEntry {
  int Glyph, X, Y, Font, AddStrength;
  bool operator==(const TEntry&) const = default;
};

TEntry EntryAt(int e) {
  return {TextQueue.Glyph[e], TextQueue.GlyphX[e], TextQueue.GlyphY[e], TextQueue.Font[e],
          TextQueue.AddStrength[e]};
}

void PrintTo(const TEntry& e, std::ostream* os) {
  *os << "{glyph " << e.Glyph << ", x " << e.X << ", y " << e.Y << ", font " << e.Font << ", add "
      << e.AddStrength << "}";
}

class TextQueueTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetTextQueue(); }
};

TEST_F(TextQueueTest, ATextTakesALeadingEmptyEntryAndOneEntryPerCharacter) {
  QueueText(100, 50, 2, 0, "AB");
  ASSERT_EQ(TextCount, 3);
  EXPECT_EQ(EntryAt(1), (TEntry{0, 100, 50, 2, 0}));
  EXPECT_EQ(EntryAt(2), (TEntry{1, 115, 50, 2, 0}));
  EXPECT_EQ(EntryAt(3), (TEntry{2, 130, 50, 2, 0}));
  EXPECT_EQ(TextQueue.Glyph[4], FreeEntry);
}

TEST_F(TextQueueTest, CharactersStandOneAdvanceApartFromTheReferencePoint) {
  struct Case {
    int font, xOfA, xOfB;
  };
  const Case cases[] = {{1, 108, 116}, {6, 108, 116}, {7, 108, 116},
                        {2, 115, 130}, {4, 115, 130}, {3, 140, 180}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.font);
    ResetTextQueue();
    QueueText(100, 50, c.font, 0, "AB");
    EXPECT_EQ(EntryAt(2), (TEntry{1, c.xOfA, 50, c.font, 0}));
    EXPECT_EQ(EntryAt(3), (TEntry{2, c.xOfB, 50, c.font, 0}));
  }
}

TEST_F(TextQueueTest, TextsFollowOneAnotherAndKeepTheirStrength) {
  QueueText(10, 20, 1, 64, "X");
  QueueText(30, 40, 2, 128, W1252<"Ü">());
  ASSERT_EQ(TextCount, 4);
  EXPECT_EQ(EntryAt(2), (TEntry{24, 18, 20, 1, 64}));
  EXPECT_EQ(EntryAt(3), (TEntry{0, 30, 40, 2, 128}));
  EXPECT_EQ(EntryAt(4), (TEntry{39, 45, 40, 2, 128}));
}

TEST_F(TextQueueTest, AnEmptyTextQueuesOnlyItsLeadingEntry) {
  QueueText(5, 6, 3, 0, "");
  ASSERT_EQ(TextCount, 1);
  EXPECT_EQ(EntryAt(1), (TEntry{0, 5, 6, 3, 0}));
}

TEST_F(TextQueueTest, FontAndCharacterChooseTheGlyph) {
  struct Case {
    int font;
    std::string_view text;
    int glyph;
  };
  const Case cases[] = {
      {1, W1252<"Ä">(), 27}, {2, W1252<"Ä">(), 37}, {6, ",", 31}, {4, ",", 80},
      {1, " ", 55},          {2, " ", 0},           {3, " ", 0},  {4, " ", 0},
      {1, "e", 0},           {6, "e", 0},           {7, "e", 0},  {2, "e", 60},
      {3, "e", 60},          {4, "e", 60},          {5, "A", 0},  {0, "A", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "font " << c.font << " text '" << c.text << "'");
    ResetTextQueue();
    QueueText(0, 0, c.font, 0, c.text);
    EXPECT_EQ(TextQueue.Glyph[2], c.glyph);
  }
}

TEST_F(TextQueueTest, CharactersWithoutAGlyphStillAdvance) {
  QueueText(0, 0, 2, 0, "asuZ");
  ASSERT_EQ(TextCount, 5);
  for (int e = 2; e <= 4; ++e) EXPECT_EQ(TextQueue.Glyph[e], 0) << e;
  EXPECT_EQ(EntryAt(5), (TEntry{26, 60, 0, 2, 0}));
}

TEST_F(TextQueueTest, AFullQueueKeepsOverwritingItsLastEntry) {
  for (int e = 1; e < TextQueueCapacity; ++e) QueueText(1, 2, 1, 0, "");
  ASSERT_EQ(TextCount, TextQueueCapacity - 1);
  QueueText(100, 50, 2, 0, "XYZ");
  EXPECT_EQ(TextCount, TextQueueCapacity);
  EXPECT_EQ(EntryAt(TextQueueCapacity), (TEntry{26, 145, 50, 2, 0}));
  QueueText(7, 8, 1, 0, "AB");
  EXPECT_EQ(TextCount, TextQueueCapacity);
  EXPECT_EQ(EntryAt(TextQueueCapacity), (TEntry{2, 23, 8, 1, 0}));
  EXPECT_EQ(EntryAt(TextQueueCapacity - 1), (TEntry{0, 1, 2, 1, 0}));
}

TEST_F(TextQueueTest, ResetFreesEveryEntry) {
  for (int e = 1; e <= TextQueueCapacity; ++e) QueueText(0, 0, 1, 0, "");
  ResetTextQueue();
  EXPECT_EQ(TextCount, 0);
  for (int e = 1; e <= TextQueueCapacity; ++e) ASSERT_EQ(TextQueue.Glyph[e], FreeEntry) << e;
}

TEST(GlyphTables, MapTheirCharacters) {
  struct Case {
    unsigned char ch;
    int small, large;
  };
  const Case cases[] = {
      {'A', 1, 1},    {'Z', 26, 26}, {0xC4, 27, 37}, {0xD6, 28, 38}, {0xDC, 29, 39}, {'.', 30, 42},
      {',', 31, 80},  {';', 32, 44}, {':', 33, 43},  {'-', 34, 51},  {'_', 35, 52},  {'!', 36, 41},
      {'?', 37, 40},  {'1', 38, 28}, {'9', 46, 36},  {'0', 47, 27},  {'+', 48, 0},   {'/', 49, 49},
      {'\\', 50, 48}, {'[', 51, 0},  {']', 52, 0},   {'=', 53, 45},  {'*', 54, 46},  {' ', 55, 0},
      {'<', 56, 55},  {'>', 57, 56}, {'b', 58, 57},  {'c', 59, 58},  {'d', 60, 59},  {'e', 0, 60},
      {'r', 0, 73},   {'s', 0, 0},   {'t', 0, 75},   {'u', 0, 0},    {'v', 0, 77},   {'w', 0, 0},
      {'z', 0, 0},    {'a', 0, 0},   {'&', 0, 47},   {'(', 0, 53},   {')', 0, 54},   {0x80, 0, 50},
      {'@', 0, 79},   {0, 0, 0},     {0xE4, 0, 0},   {0xFF, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SmallFontGlyph(c.ch), c.small) << "byte " << int{c.ch};
    EXPECT_EQ(LargeFontGlyph(c.ch), c.large) << "byte " << int{c.ch};
  }
}

TEST(GlyphTables, NoCharacterReachesTheUnusedLargeCells) {
  for (int ch = 0; ch < 256; ++ch) {
    const int glyph = LargeFontGlyph(static_cast<unsigned char>(ch));
    EXPECT_NE(glyph, 74) << ch;
    EXPECT_NE(glyph, 76) << ch;
    EXPECT_NE(glyph, 78) << ch;
    EXPECT_LE(glyph, 80) << ch;
    EXPECT_LE(SmallFontGlyph(static_cast<unsigned char>(ch)), 60) << ch;
  }
}

TEST(FontMetrics, CellAdvanceAndBlendingPerFont) {
  struct Case {
    int font, cell, advance;
    bool blends;
  };
  const Case cases[] = {{1, 7, 8, false}, {2, 15, 15, true}, {3, 30, 40, true}, {4, 15, 15, true},
                        {6, 7, 8, false}, {7, 7, 8, false},  {5, 0, 0, false},  {0, 0, 0, false},
                        {8, 0, 0, false}, {-1, 0, 0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.font);
    EXPECT_EQ(FontCellSize(c.font), c.cell);
    EXPECT_EQ(FontAdvance(c.font), c.advance);
    EXPECT_EQ(FontBlends(c.font), c.blends);
  }
}

}  // namespace
