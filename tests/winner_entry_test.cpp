// Tests of the winner entry: the place earned, the insert with shifting, the texts, the letter
// row, and NEU and ENTER.
#include "engine/ui/winner_entry.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/globals.h"
#include "engine/rules/game.h"
#include "engine/ui/buttons.h"
#include "engine/ui/text.h"
#include "engine/ui/winners_file.h"
#include "engine/world/layouts.h"
#include "tests/test_support.h"

namespace {

constexpr int Type = 2;
using TScores = std::array<int32_t, WinnerPlaces>;

// Type 2 holds A 900, B 800, C 700, D 600, E 500; a game of this type has ended with score.
void EndGameWith(int32_t score) {
  GameMode = Type;
  constexpr std::array<const char*, WinnerPlaces> names = {"A", "B", "C", "D", "E"};
  for (int place = 1; place <= WinnerPlaces; ++place) {
    WinnerNames[Type][place].Assign(names[place - 1]);
    WinnerScores[Type][place] = 1000 - 100 * place;
  }
  GameRunning = 1;
  GameEnded = 1;
  Score = score;
  Screen = ScreenWinnerEntry;
  WinnerInserted = 0;
  NewPlace = 0;
  ClearTypedName();
  MouseX = 0;
  MouseY = 0;
  Clicked = 0;
}

// One frame of the screen alone, with a fresh text queue.
void RunEntryFrame() {
  ResetTextQueue();
  WinnerEntryScreen();
}

TScores ScoresOf(int type) {
  TScores scores{};
  for (int place = 1; place <= WinnerPlaces; ++place) scores[place - 1] = WinnerScores[type][place];
  return scores;
}

std::string NamesOf(int type) {
  std::string names;
  for (int place = 1; place <= WinnerPlaces; ++place) {
    names += std::string(WinnerNames[type][place].View()) + " ";
  }
  return names;
}

TEST(PlaceEarned, TiesRankBelowTheStoredScore) {
  EndGameWith(0);
  struct TCase {
    int32_t Score;
    int Place;
  };
  for (const TCase& c : {TCase{901, 1}, TCase{900, 2}, TCase{800, 3}, TCase{799, 3}, TCase{501, 5},
                         TCase{500, 0}, TCase{-7, 0}}) {
    EXPECT_EQ(PlaceEarned(c.Score), c.Place) << c.Score;
  }
}

TEST(WinnerEntry, FirstFrameInsertsTheScoreOnceAndShiftsTheLowerPlaces) {
  struct TCase {
    int32_t Score;
    int Place;
    TScores After;
    std::string Names;
  };
  const std::array<TCase, 3> cases = {{
      {950, 1, {950, 900, 800, 700, 600}, "- A B C D "},
      {800, 3, {900, 800, 800, 700, 600}, "A B - C D "},
      {501, 5, {900, 800, 700, 600, 501}, "A B C D - "},
  }};
  for (const TCase& c : cases) {
    EndGameWith(c.Score);
    RunEntryFrame();
    RunEntryFrame();  // later frames leave the table alone

    EXPECT_EQ(NewPlace, c.Place) << c.Score;
    EXPECT_EQ(WinnerInserted, 1) << c.Score;
    EXPECT_EQ(ScoresOf(Type), c.After) << c.Score;
    EXPECT_EQ(NamesOf(Type), c.Names) << c.Score;
  }
}

TEST(WinnerEntry, HeadlinesNameThePlaceAndTheScore) {
  EndGameWith(800);
  RunEntryFrame();
  EXPECT_NE(FindQueuedText(80, 60, 2, "HIGHSCORE - NEUER 3. PLATZ !"), 0);
  EXPECT_NE(FindQueuedText(80, 100, 2, W1252<"GRATULIERE, SIE DÜRFEN SICH FÜR">()), 0);
  EXPECT_NE(FindQueuedText(80, 120, 2, "DEN 3. PLATZ EINTRAGEN !"), 0);
  EXPECT_NE(FindQueuedText(80, 160, 2, "800 PUNKTE"), 0);
  EXPECT_NE(FindQueuedText(80, 280, 2, W1252<"<ENTER>: EINGABE BESTÄTIGEN">()), 0);
  EXPECT_NE(FindQueuedText(130, 450, 3, "GAME OVER"), 0);

  // a new best score stands in the large font, without the congratulation lines
  EndGameWith(950);
  RunEntryFrame();
  EXPECT_NE(FindQueuedText(80, 60, 2, "HIGHSCORE - NEUER 1. PLATZ !"), 0);
  EXPECT_NE(FindQueuedText(80, 120, 3, "1. PLATZ"), 0);
  EXPECT_NE(FindQueuedText(80, 180, 3, "950 PUNKTE"), 0);
  EXPECT_EQ(FindQueuedText(80, 100, 2, W1252<"GRATULIERE, SIE DÜRFEN SICH FÜR">()), 0);
  EXPECT_EQ(FindQueuedText(80, 160, 2, "950 PUNKTE"), 0);
}

TEST(WinnerEntry, ClickedLetterJoinsTheNameInTheSameFrame) {
  struct TCase {
    int X;
    int Y;
    std::string Name;
  };
  // letter k's zone is 95 + 20 (k - 1) < x < 115 + 20 (k - 1), 360 < y < 380
  for (const TCase& c :
       {TCase{100, 370, "A"}, TCase{115, 370, ""}, TCase{116, 370, "B"}, TCase{95, 370, ""},
        TCase{96, 370, "A"}, TCase{100, 360, ""}, TCase{100, 361, "A"}, TCase{100, 379, "A"},
        TCase{100, 380, ""}, TCase{614, 370, "Z"}, TCase{615, 370, ""}}) {
    EndGameWith(800);
    MouseX = c.X;
    MouseY = c.Y;
    Clicked = 1;
    RunEntryFrame();
    EXPECT_EQ(std::string(PlayerName.View()), c.Name) << c.X << "," << c.Y;
    EXPECT_EQ(NameLength, static_cast<int16_t>(c.Name.size())) << c.X << "," << c.Y;
    // the name line was queued before the letter row: it shows the letter from the next frame
    Clicked = 0;
    RunEntryFrame();
    EXPECT_NE(FindQueuedText(80, 320, 2, "NAME: " + c.Name), 0) << c.X << "," << c.Y;
  }
}

TEST(WinnerEntry, LetterUnderTheMouseIsHighlightedWithoutAClick) {
  EndGameWith(800);
  MouseX = 136;  // C
  MouseY = 370;
  RunEntryFrame();
  EXPECT_EQ(PlayerName.Length, 0);
  EXPECT_NE(FindQueuedText(120, 360, 2, "C", 128), 0);
  EXPECT_NE(FindQueuedText(100, 360, 2, "B", 0), 0);
  EXPECT_NE(FindQueuedText(80, 320, 2, "      _______", 128), 0);
}

TEST(WinnerEntry, NameStopsAtSevenLetters) {
  EndGameWith(800);
  MouseX = 100;
  MouseY = 370;
  for (int click = 1; click <= 8; ++click) {
    Clicked = 1;
    RunEntryFrame();
  }
  EXPECT_EQ(std::string(PlayerName.View()), "AAAAAAA");
  EXPECT_EQ(NameLength, 7);
  EXPECT_NE(FindQueuedText(80, 360, 2, "A", 128), 0);  // the highlight still follows the mouse
}

class ConfirmWinnerTest : public ::testing::Test {
 protected:
  TempWorkingDirectory directory_{"tarvolin-winner-entry"};
};

TEST_F(ConfirmWinnerTest, EnterStoresTheNameSavesAndSetsUpANewGame) {
  HeadlessGame game;
  game.Load();
  EndGameWith(800);
  game.Tick();                      // the first frame inserts the placeholder
  for (const int x : {136, 116}) {  // C, then B
    game.Click(x, 370);
    game.Tick();
  }
  ASSERT_EQ(std::string(PlayerName.View()), "CB");

  game.Move(52, 398);  // ENTER
  game.Press(TMouseButton::Left);
  game.Tick();
  game.Release(TMouseButton::Left);

  EXPECT_EQ(NamesOf(Type), "A B CB C D ");
  EXPECT_EQ(ScoresOf(Type), (TScores{900, 800, 800, 700, 600}));
  EXPECT_EQ(Screen, ScreenGame);
  EXPECT_EQ(GameRunning, 0);
  EXPECT_EQ(Score, 0);
  EXPECT_EQ(NewPlace, 0);
  EXPECT_EQ(WinnerInserted, 0);
  // what was saved comes back
  WinnerNames[Type][3].Assign("LOST");
  LoadWinners();
  EXPECT_EQ(NamesOf(Type), "A B CB C D ");
}

TEST_F(ConfirmWinnerTest, NeuThenEnterStoresADash) {
  EndGameWith(950);
  RunEntryFrame();
  MouseX = 100;
  MouseY = 370;
  Clicked = 1;
  RunEntryFrame();
  ASSERT_EQ(std::string(PlayerName.View()), "A");

  ClearTypedName();
  EXPECT_EQ(NameLength, 0);
  ConfirmWinner();
  EXPECT_EQ(std::string(WinnerNames[Type][1].View()), "-");
  EXPECT_EQ(WinnerScores[Type][1], 950);
  WinnerNames[Type][1].Assign("LOST");
  LoadWinners();  // the dash was saved too
  EXPECT_EQ(std::string(WinnerNames[Type][1].View()), "-");
}

TEST_F(ConfirmWinnerTest, EnterWithoutAPlaceStoresNothingButStillSetsUpANewGame) {
  for (const int place : {0, 6, -1}) {
    EndGameWith(950);
    const std::string before = NamesOf(Type);
    NewPlace = place;
    PlayerName.Assign("X");
    ConfirmWinner();
    EXPECT_EQ(NamesOf(Type), before) << place;
    EXPECT_EQ(Screen, ScreenGame) << place;
    EXPECT_EQ(Score, 0) << place;
  }
}

}  // namespace
