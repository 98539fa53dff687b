// Tests of the control panel: the game-type menu, the winners board, the captions, the dialog's
// texts and the title.
#include "engine/ui/panel.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "engine/globals.h"
#include "engine/rules/game.h"
#include "engine/ui/buttons.h"
#include "engine/ui/text.h"
#include "engine/world/layouts.h"
#include "engine/world/pool.h"
#include "tests/test_support.h"

namespace {

// A loaded game showing the board of game type 1 with no game running. The help screen is shown
// so that a rebuild of the board shows as the switch back to the game screen.
class PanelMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game_.Load();
    GameMode = 1;
    NewGame();
    Screen = ScreenHelp;
  }
  HeadlessGame game_;
};

TEST_F(PanelMenuTest, ClickOnAnEntrySelectsItsTypeAndRebuildsTheBoard) {
  struct TCase {
    int X;
    int Y;
    int Mode;  // 1: nothing selected
  };
  // the zones are open at every edge; entries 6 to 8 are narrower
  for (const TCase& c :
       {TCase{700, 100, 3}, TCase{700, 80, 1}, TCase{700, 95, 1}, TCase{700, 85, 1},
        TCase{621, 100, 3}, TCase{620, 100, 1}, TCase{779, 100, 3}, TCase{780, 100, 1},
        TCase{630, 130, 1}, TCase{651, 130, 6}, TCase{749, 150, 8}, TCase{700, 155, 1}}) {
    SetUp();
    game_.Click(c.X, c.Y);
    game_.Tick();
    EXPECT_EQ(GameMode, c.Mode) << c.X << "," << c.Y;
    if (c.Mode == 1) {
      EXPECT_EQ(Screen, ScreenHelp) << c.X << "," << c.Y;
      EXPECT_EQ(StaticCount, LayoutCounts[1].StaticCount) << c.X << "," << c.Y;
    } else {
      EXPECT_EQ(Screen, ScreenGame) << c.X << "," << c.Y;
      EXPECT_EQ(StaticCount, LayoutCounts[c.Mode].StaticCount) << c.X << "," << c.Y;
    }
    // the menu was queued before the click: the new choice shows from the next frame on
    game_.Tick();
    EXPECT_NE(FindQueuedText(646, 95, c.Mode == 3 ? 7 : 6, W1252<"-5 SÄULEN">()), 0)
        << c.X << "," << c.Y;
  }
}

TEST_F(PanelMenuTest, HoveredEntryIsQueuedAgainInTheCaptionFont) {
  game_.Move(700, 100);
  game_.Tick();
  const int plain = FindQueuedText(646, 95, 6, W1252<"-5 SÄULEN">());
  const int hover = FindQueuedText(646, 95, 1, W1252<"-5 SÄULEN">(), 64);
  EXPECT_NE(plain, 0);
  EXPECT_GT(hover, plain);  // drawn over the plain text
  EXPECT_NE(FindQueuedText(646, 75, 7, "-3 STREIFEN"), 0);
  EXPECT_EQ(FindQueuedText(646, 75, 1, "-3 STREIFEN", 64), 0);
}

TEST_F(PanelMenuTest, MenuRestsWhileAGameRunsAndWorksAgainOnceItHasEnded) {
  GameRunning = 1;
  GameEnded = 0;
  game_.Move(700, 100);
  game_.Tick();
  EXPECT_EQ(FindQueuedText(646, 95, 1, W1252<"-5 SÄULEN">(), 64), 0);
  game_.Click(700, 100);
  game_.Tick();
  EXPECT_EQ(GameMode, 1);
  EXPECT_EQ(GameRunning, 1);

  // the ended game may stand on the winner entry: the menu works there too
  GameEnded = 1;
  Screen = ScreenWinnerEntry;
  Score = 0;
  game_.Tick();
  EXPECT_NE(FindQueuedText(646, 95, 1, W1252<"-5 SÄULEN">(), 64), 0);
  game_.Click(700, 100);
  game_.Tick();
  EXPECT_EQ(GameMode, 3);
  EXPECT_EQ(Screen, ScreenGame);
  EXPECT_EQ(GameRunning, 0);
}

TEST(PanelScore, RightAlignedInSevenCharacters) {
  struct TCase {
    int32_t Score;
    bool Shown;
    std::string Text;
  };
  for (const TCase& c :
       {TCase{0, true, "      0"}, TCase{9, true, "      9"}, TCase{10, true, "     10"},
        TCase{1234, true, "   1234"}, TCase{999999, true, " 999999"},
        TCase{1000000, true, "1000000"}, TCase{9999999, true, "9999999"},
        TCase{10000000, false, ""}, TCase{INT32_MAX, false, ""}, TCase{-5, true, "      -5"},
        TCase{INT32_MIN, true, "      -2147483648"}}) {
    TBoardScoreText text;
    EXPECT_EQ(FormatBoardScore(c.Score, text), c.Shown) << c.Score;
    EXPECT_EQ(std::string(text.View()), c.Text) << c.Score;
  }
}

class PanelBoardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game_.Load();
    GameMode = 4;
    for (int place = 1; place <= WinnerPlaces; ++place) {
      WinnerNames[4][place].Assign("ANNA");
      WinnerScores[4][place] = 100;
    }
    WinnerScores[4][2] = 1234;
    WinnerScores[4][3] = 10000000;
  }
  HeadlessGame game_;
};

TEST_F(PanelBoardTest, WinnersBoardShowsTheSelectedType) {
  game_.Tick();
  EXPECT_NE(FindQueuedText(665, 446, 7, "  SIEGER"), 0);
  // place 1 stands out in font 1, the others are in font 6
  EXPECT_NE(FindQueuedText(646, 475, 1, "1."), 0);
  EXPECT_NE(FindQueuedText(660, 475, 1, "ANNA"), 0);
  EXPECT_NE(FindQueuedText(700, 475, 1, "    100"), 0);
  EXPECT_NE(FindQueuedText(646, 515, 6, "5."), 0);

  const int score = FindQueuedText(700, 485, 6, "   1234");
  ASSERT_NE(score, 0);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(TextQueue.GlyphX[score + 4 + k], 732 + 8 * k);

  // ten million does not fit: the row keeps its label and name but shows no score
  EXPECT_NE(FindQueuedText(660, 495, 6, "ANNA"), 0);
  for (int e = 1; e <= TextCount; ++e) {
    EXPECT_FALSE(TextQueue.GlyphX[e] == 700 && TextQueue.GlyphY[e] == 495) << e;
  }
}

TEST_F(PanelBoardTest, CaptionsFollowTheButtonsAndShowTheSettings) {
  SoundLevel = 35000;
  LightLevel = 15100;
  game_.Tick();
  EXPECT_NE(FindQueuedText(32, 48, 1, "EXIT"), 0);
  EXPECT_NE(FindQueuedText(24, 394, 1, "ENTER"), 0);
  EXPECT_NE(FindQueuedText(422, 18, 1, "SOUND"), 0);
  EXPECT_NE(FindQueuedText(422, 28, 1, "35000"), 0);
  EXPECT_NE(FindQueuedText(524, 28, 1, "15100"), 0);
  EXPECT_EQ(FindQueuedText(306, 344, 1, "JA"), 0);  // no dialog, no JA

  // a button that has moved takes its caption along
  Pool.X[ButtonStart] = 60;
  game_.Tick();
  EXPECT_NE(FindQueuedText(34, 196, 1, "START"), 0);
}

TEST_F(PanelBoardTest, DialogTextsOnlyWhileTheExitDialogIsShown) {
  OpenDialog();
  DialogOpen = 1;
  ResetTextQueue();
  DrawControlPanel();
  EXPECT_NE(FindQueuedText(240, 230, 2, "WOLLEN SIE WIRKLICH"), 0);
  EXPECT_NE(FindQueuedText(240, 250, 2, "DAS SPIEL VERLASSEN"), 0);
  EXPECT_NE(FindQueuedText(240, 270, 2, "         ?         "), 0);
  EXPECT_NE(FindQueuedText(306, 344, 1, "JA"), 0);
  EXPECT_NE(FindQueuedText(459, 344, 1, "NEIN"), 0);

  // a game setup took the box away while the flag stayed set
  Pool.Tag[DialogBoxSlot] = 0;
  ResetTextQueue();
  DrawControlPanel();
  EXPECT_EQ(FindQueuedText(240, 230, 2, "WOLLEN SIE WIRKLICH"), 0);
  CloseDialog();
}

TEST_F(PanelBoardTest, TitleAndCreditsUseOnlyDrawableCharacters) {
  game_.Tick();
  EXPECT_NE(FindQueuedText(636, 555, 2, "TARVOLIN"), 0);
  EXPECT_NE(FindQueuedText(672, 575, 6, CreditLine1), 0);
  EXPECT_NE(FindQueuedText(635, 585, 6, CreditLine2), 0);
  for (const std::string_view line : {CreditLine1, CreditLine2}) {
    for (const char c : line) {
      EXPECT_GE(SmallFontGlyph(static_cast<unsigned char>(c)), 1) << line;
    }
  }
}

}  // namespace
