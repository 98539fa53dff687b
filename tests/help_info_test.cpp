// Tests of the help and info screens: where their lines stand, their lights, and that our own
// lines of the info screen can be drawn and fit on the screen.
#include <gtest/gtest.h>

#include <string_view>

#include "engine/shell/lighting.h"
#include "engine/ui/help.h"
#include "engine/ui/info.h"
#include "engine/ui/text.h"
#include "tests/test_support.h"

namespace {

void RunScreenFrame(void (*screen)()) {
  ResetTextQueue();
  LightCount = 0;
  screen();
}

// The queue entry of the first character that is no space, in a text found at e.
int FirstVisibleEntry(int e, std::string_view text) {
  return e + 1 + static_cast<int>(text.find_first_not_of(' '));
}

TEST(HelpScreen, TitleAndFirstHeadingShareTheTopLine) {
  RunScreenFrame(HelpScreen);
  const int title = FindQueuedText(480, 60, 2, "HILFE");
  ASSERT_NE(title, 0);
  EXPECT_EQ(TextQueue.GlyphX[title + 1], 495);
  EXPECT_EQ(TextQueue.GlyphX[title + 5] + FontCellSize(2), 570);  // ends at x 569

  const int heading = FindQueuedText(90, 60, 7, W1252<"DIE KNÖPFE:">());
  ASSERT_NE(heading, 0);
  EXPECT_EQ(TextQueue.GlyphX[heading + 1], 98);
}

TEST(HelpScreen, EveryLineStandsAtItsPlaceAndIndentedLinesDrawTheirSpaces) {
  RunScreenFrame(HelpScreen);
  for (const TScreenLine& line : HelpLines) {
    EXPECT_NE(FindQueuedText(90, line.Y, line.Font, line.Text), 0) << line.Y;
  }
  // "                 -DORT LÖSCHT ER DIE EINGABE": 17 drawn spaces, then the dash at x 234
  const int indented = FindQueuedText(90, 90, 1, HelpLines[3].Text);
  ASSERT_NE(indented, 0);
  EXPECT_EQ(TextQueue.Glyph[indented + 1], SmallFontGlyph(' '));
  const int dash = FirstVisibleEntry(indented, HelpLines[3].Text);
  EXPECT_EQ(TextQueue.GlyphX[dash], 90 + 8 * 18);
  EXPECT_EQ(TextQueue.Glyph[dash], SmallFontGlyph('-'));
}

TEST(InfoScreen, FirstLineStartsOneAdvanceRightOfTheMargin) {
  RunScreenFrame(InfoScreen);
  const TScreenLine& first = InfoLines[0];
  const int e = FindQueuedText(90, first.Y, first.Font, first.Text);
  ASSERT_NE(e, 0);
  EXPECT_EQ(TextQueue.GlyphX[e + 1], 105);
  EXPECT_EQ(TextQueue.GlyphY[e + 1], 60);
  EXPECT_EQ(TextQueue.GlyphX[e + static_cast<int>(first.Text.size())] + 15, 495);  // 26 characters

  EXPECT_NE(FindQueuedText(90, 160, 2, "WEITERE FREEWARESPIELE VON"), 0);
  EXPECT_NE(FindQueuedText(90, 440, 2, "ALLES BEI:"), 0);
  EXPECT_NE(FindQueuedText(90, 480, 2, "KONTAKT:"), 0);
}

TEST(InfoScreen, OurLinesAreDrawableFitOnTheScreenAndPlaceTheAddresses) {
  RunScreenFrame(InfoScreen);
  for (const TScreenLine& line : InfoLines) {
    ASSERT_NE(FindQueuedText(90, line.Y, line.Font, line.Text), 0) << line.Y;
    EXPECT_TRUE(line.Font == 2 || line.Font == 4) << line.Y;
    for (const char c : line.Text) {
      if (c == ' ') continue;  // an empty step in the large fonts
      EXPECT_GE(LargeFontGlyph(static_cast<unsigned char>(c)), 1) << line.Y;
    }
    EXPECT_LE(90 + 15 * (static_cast<int>(line.Text.size()) + 1), 790) << line.Y;
  }
  // the two addresses start after 11 spaces, at x 270
  for (const int y : {460, 500}) {
    for (const TScreenLine& line : InfoLines) {
      if (line.Y != y) continue;
      EXPECT_EQ(line.Font, 4);
      const int e = FindQueuedText(90, y, 4, line.Text);
      EXPECT_EQ(TextQueue.GlyphX[FirstVisibleEntry(e, line.Text)], 270) << y;
    }
  }
}

TEST(TextScreens, LightTheFourCorners) {
  for (void (*screen)() : {HelpScreen, InfoScreen}) {
    RunScreenFrame(screen);
    ASSERT_EQ(LightCount, 4);
    const int corners[4][2] = {{40, 40}, {660, 40}, {40, 560}, {660, 560}};
    for (int i = 1; i <= 4; ++i) {
      EXPECT_EQ(LightX[i], corners[i - 1][0]);
      EXPECT_EQ(LightY[i], corners[i - 1][1]);
    }
  }
}

}  // namespace
