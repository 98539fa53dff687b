// Score pop-ups: choosing a slot, overwriting the last one, and the rise over fifty frames.
#include "engine/rules/popups.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/ui/text.h"

namespace {

// True when a text of this tick starts at (x, y) in this font.
bool QueuedAt(int x, int y, int font) {
  for (int e = 1; e <= TextCount; ++e) {
    if (TextQueue.Glyph[e] == 0 && TextQueue.GlyphX[e] == x && TextQueue.GlyphY[e] == y &&
        TextQueue.Font[e] == font) {
      return true;
    }
  }
  return false;
}

class PopupTest : public testing::Test {
 protected:
  void SetUp() override { ClearScorePopups(); }

  static void AddNumbered(int n) { AddScorePopup(n, 100, 7, std::to_string(n)); }
};

TEST_F(PopupTest, ANewPopupTakesTheLowestFreeSlot) {
  for (int n = 1; n <= 4; ++n) AddNumbered(n);
  PopupLife[3] = 0;
  AddScorePopup(10, 20, 2, "NEU");
  EXPECT_EQ(PopupText[3].View(), "NEU");
  EXPECT_EQ(PopupX[3], 10);
  EXPECT_EQ(PopupY[3], 20);
  EXPECT_EQ(PopupFont[3], 2);
  EXPECT_EQ(PopupLife[3], PopupLifetime);
  EXPECT_EQ(PopupText[4].View(), "4");
  EXPECT_EQ(PopupLife[5], 0);
}

TEST_F(PopupTest, WhenSlotsOneToFortyNineAreLiveTheLastSlotIsOverwritten) {
  for (int n = 1; n <= 60; ++n) AddNumbered(n);
  for (int k = 1; k < PopupCapacity; ++k) EXPECT_EQ(PopupText[k].View(), std::to_string(k));
  EXPECT_EQ(PopupText[PopupCapacity].View(), "60");
  EXPECT_EQ(PopupX[PopupCapacity], 60);
  EXPECT_EQ(PopupLife[PopupCapacity], PopupLifetime);
}

TEST_F(PopupTest, TheLastSlotIsTakenEvenWhenAnotherFreesLater) {
  // slot 50 is chosen only when 1..49 are all live, whether or not 50 itself is free
  for (int n = 1; n <= 49; ++n) AddNumbered(n);
  AddScorePopup(0, 0, 7, "A");
  AddScorePopup(0, 0, 7, "B");
  EXPECT_EQ(PopupText[PopupCapacity].View(), "B");
}

TEST_F(PopupTest, APopupRisesSlowerAndSlowerForFiftyFramesThenVanishes) {
  struct TStep {
    int Frame;
    int Y;
  };
  // 4 pixels a frame for ten frames, then 3, 2 and 1, then standing still
  const TStep steps[] = {{1, 176}, {10, 140}, {20, 110}, {30, 90}, {40, 80}, {50, 80}};
  AddScorePopup(200, 180, 2, "100");
  int frame = 0;
  for (const TStep& step : steps) {
    SCOPED_TRACE(step.Frame);
    while (frame < step.Frame) {
      ResetTextQueue();
      AgeScorePopups();
      ++frame;
    }
    EXPECT_EQ(PopupY[1], step.Y);
    EXPECT_TRUE(QueuedAt(200, step.Y, 2));
    EXPECT_EQ(TextCount, 4);  // the leading entry and three digits
  }
  EXPECT_EQ(PopupLife[1], 0);
  ResetTextQueue();
  AgeScorePopups();
  EXPECT_EQ(TextCount, 0);
  EXPECT_EQ(PopupY[1], 80);
}

TEST_F(PopupTest, ATooLongTextIsCutToTheSlot) {
  const std::string longText(PopupTextCapacity + 10, 'X');
  AddScorePopup(0, 0, 7, longText);
  EXPECT_EQ(PopupText[1].View(), longText.substr(0, PopupTextCapacity));
}

}  // namespace
