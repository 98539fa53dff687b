// The game screen: the status panel's counts and texts, the place indicator, the state texts and
// the hand-over of a winning game to the winner entry.
#include "engine/rules/game.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "engine/globals.h"
#include "engine/rules/popups.h"
#include "engine/rules/store.h"
#include "engine/shell/lighting.h"
#include "engine/shell/sound.h"
#include "engine/ui/text.h"
#include "engine/ui/winner_entry.h"
#include "engine/world/layouts.h"
#include "engine/world/pool.h"
#include "tests/test_support.h"

namespace {

struct TQueuedText {
  std::string Text;
  int Font;
};

int16_t GlyphOf(int font, unsigned char ch) {
  const bool large = font == 2 || font == 3 || font == 4;
  return large ? LargeFontGlyph(ch) : SmallFontGlyph(ch);
}

// Reads a glyph back as the first byte that gives it; glyph 0 (a large font's space) as a space.
char CharOfGlyph(int font, int16_t glyph) {
  if (glyph == 0) return ' ';
  for (int ch = 1; ch < 256; ++ch) {
    if (GlyphOf(font, static_cast<unsigned char>(ch)) == glyph) return static_cast<char>(ch);
  }
  return '#';
}

// The first text of this tick whose leading entry stands at (x, y), read back from its glyphs.
std::optional<TQueuedText> QueuedTextAt(int x, int y) {
  for (int e = 1; e <= TextCount; ++e) {
    if (TextQueue.Glyph[e] != 0 || TextQueue.GlyphX[e] != x || TextQueue.GlyphY[e] != y) continue;
    const int font = TextQueue.Font[e];
    const int advance = FontAdvance(font);
    TQueuedText found{"", font};
    for (int next = e + 1; next <= TextCount; ++next) {
      const bool inLine = TextQueue.GlyphY[next] == y && TextQueue.Font[next] == font &&
                          TextQueue.GlyphX[next] == x + advance * (next - e);
      if (!inLine) break;
      found.Text += CharOfGlyph(font, TextQueue.Glyph[next]);
    }
    return found;
  }
  return std::nullopt;
}

std::string TextAt(int x, int y) {
  const auto found = QueuedTextAt(x, y);
  return found ? found->Text : "";
}

constexpr int TestMode = 1;

// An empty pool and a game of type 1 with the winners 500, 400, 300, 200, 100; each test sets the
// game state it needs and runs one frame of the game screen.
class GameScreenTest : public testing::Test {
 protected:
  void SetUp() override {
    ScreenWidth = 800;
    FreeAllObjects();
    StaticCount = 0;
    CarriedStones = {};
    StoreStones = {};
    ClearScorePopups();
    ClearSoundTriggers();
    GameMode = TestMode;
    WinnerScores[TestMode] = {0, 500, 400, 300, 200, 100};
    Screen = ScreenGame;
    GameRunning = 0;
    GameEnded = 0;
    DialogOpen = 0;
    Score = 0;
    Kills = 0;
    StonesPlaced = 0;
  }

  static void Frame() {
    ResetTextQueue();
    LightCount = 0;
    GameScreen();
  }

  static int AddObject(int id, int16_t subKind) {
    Pool.Active[id] = 1;
    Pool.Kind[id] = KindBoard;
    Pool.SubKind[id] = subKind;
    return id;
  }
};

TEST_F(GameScreenTest, PlaceIndicatorShowsTheBestPlaceTheScoreHasMadeSafe) {
  struct TCase {
    int32_t Score;
    std::string_view Place;  // empty: nothing queued
    int Font;
  };
  const TCase cases[] = {
      {301, "PLATZ 3", 1}, {300, "PLATZ 4", 1},  // equal to place 3 ranks below it
      {501, "PLATZ 1", 7}, {101, "PLATZ 5", 1}, {100, "", 0}, {0, "", 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Score);
    Score = c.Score;
    Frame();
    const auto place = QueuedTextAt(675, 380);
    const auto safe = QueuedTextAt(675, 390);
    if (c.Place.empty()) {
      EXPECT_FALSE(place.has_value());
      EXPECT_FALSE(safe.has_value());
      continue;
    }
    ASSERT_TRUE(place.has_value());
    ASSERT_TRUE(safe.has_value());
    EXPECT_EQ(place->Text, c.Place);
    EXPECT_EQ(place->Font, c.Font);
    EXPECT_EQ(safe->Text, "SICHER");
    EXPECT_EQ(safe->Font, c.Font);
  }
}

TEST_F(GameScreenTest, ScoreIsRightAlignedInSevenCharacters) {
  struct TCase {
    int32_t Score;
    std::string_view Shown;  // empty: not shown
  };
  const TCase cases[] = {
      {1234, "   1234"},
      {0, "      0"},
      {9999999, "9999999"},
      {10000000, ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Score);
    Score = c.Score;
    Frame();
    EXPECT_EQ(TextAt(680, 310), "PUNKTE");
    const auto score = QueuedTextAt(700, 320);
    if (c.Shown.empty()) {
      EXPECT_FALSE(score.has_value());
      continue;
    }
    ASSERT_TRUE(score.has_value());
    EXPECT_EQ(score->Text, c.Shown);
    EXPECT_EQ(score->Font, 6);
  }
}

TEST_F(GameScreenTest, StatisticsCountBoardStonesButNotStoredCarriedOrFreedOnes) {
  // 45 fields, 10 stones of which one column lies in the store and one is carried, one freed slot
  int id = 100;
  for (int i = 0; i < 45; ++i) AddObject(id++, SubKindField);
  for (int i = 0; i < 10; ++i) AddObject(id++, SubKindStone);
  AddObject(id, SubKindStone);
  FreeObject(id);
  StoreStones[FirstStoreRow][1] = 150;
  CarriedStones[1] = 153;
  StonesPlaced = 9;
  Kills = 2;

  Frame();

  const auto heading = QueuedTextAt(680, 200);
  ASSERT_TRUE(heading.has_value());
  EXPECT_EQ(heading->Text, "SPIEL");
  EXPECT_EQ(heading->Font, 7);
  EXPECT_EQ(TextAt(650, 240), "FELDER :3");
  EXPECT_EQ(TextAt(650, 250), "STEINE :4");
  EXPECT_EQ(TextAt(650, 260), "EINGEL.:9");
  EXPECT_EQ(TextAt(650, 270), "EXPLOD.:5");
  EXPECT_EQ(TextAt(650, 280), "KILLS  :2");
  EXPECT_EQ(QueuedTextAt(650, 280)->Font, 6);
}

TEST_F(GameScreenTest, EachGameStateShowsItsTexts) {
  struct TCase {
    std::string_view Name;
    uint8_t Running, Ended, Dialog;
    std::string_view Line1, Line2;  // at (650, 350) and (650, 360)
    bool GameOver;
  };
  const TCase cases[] = {
      {"no game", 0, 0, 0, "SPIEL FERTIG", W1252<"START DRÜCKEN">(), false},
      {"running", 1, 0, 0, W1252<"SPIEL LÄUFT">(), "", false},
      {"ended", 1, 1, 0, "SPIEL BEENDET", "", true},
      {"ended under the dialog", 1, 1, 1, "SPIEL BEENDET", "", false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    GameRunning = c.Running;
    GameEnded = c.Ended;
    DialogOpen = c.Dialog;
    AddScorePopup(300, 300, 7, "9");
    Frame();
    EXPECT_EQ(TextAt(650, 350), c.Line1);
    EXPECT_EQ(TextAt(650, 360), c.Line2);
    const auto gameOver = QueuedTextAt(130, 260);
    EXPECT_EQ(gameOver.has_value(), c.GameOver);
    if (c.GameOver) {
      EXPECT_EQ(gameOver->Text, "GAME OVER");
      EXPECT_EQ(gameOver->Font, 3);
    }
    // pop-ups age in every state
    EXPECT_EQ(PopupLife[1], PopupLifetime - 1);
    ClearScorePopups();
  }
}

TEST_F(GameScreenTest, AnEndedGameAboveTheFifthPlaceGoesToTheWinnerEntryEvenUnderTheDialog) {
  GameRunning = 1;
  GameEnded = 1;
  DialogOpen = 1;
  Score = 101;
  PlayerName.Assign("OLD");
  NameLength = 3;

  ResetTextQueue();
  GameScreen();

  EXPECT_FALSE(QueuedTextAt(130, 260).has_value());
  EXPECT_EQ(Screen, ScreenWinnerEntry);
  EXPECT_EQ(SoundTrigger[13], 1);
  EXPECT_EQ(SoundPan[13], 0);
  EXPECT_EQ(PlayerName.Length, 0);
  EXPECT_EQ(NameLength, 0);
}

TEST_F(GameScreenTest, AnEndedGameEqualToTheFifthPlaceStaysOnTheGameScreen) {
  GameRunning = 1;
  GameEnded = 1;
  Score = 100;
  Frame();
  Frame();
  EXPECT_EQ(Screen, ScreenGame);
  EXPECT_EQ(SoundTrigger[13], 0);
  EXPECT_EQ(TextAt(130, 260), "GAME OVER");
}

// Through the whole game: the board of a real layout and the end of a tick.

TEST(GameScreenInPlay, FieldCountOfGameTypeOneLeavesOutTheStoreAndFrame) {
  HeadlessGame game;
  game.Load();
  GameMode = 1;
  NewGame();
  game.Tick();
  // 189 board fields and 24 store fields, less 42
  EXPECT_EQ(TextAt(650, 240), "FELDER :171");
  EXPECT_EQ(TextAt(650, 250), "STEINE :0");
  EXPECT_EQ(TextAt(650, 270), "EXPLOD.:0");
}

TEST(GameScreenInPlay, TheHandOverPlaysTheFanfareAndRunsTheWinnerEntryInTheSameTick) {
  HeadlessGame game;
  game.Load();
  WinnerScores[GameMode] = {0, 500, 400, 300, 200, 100};
  GameRunning = 1;
  GameEnded = 1;
  Score = 450;
  game.Tick();
  EXPECT_EQ(Screen, ScreenWinnerEntry);
  EXPECT_EQ(NewPlace, 2);  // the entry screen has run in this tick
  ASSERT_EQ(game.Backend.Plays().size(), 1u);
  EXPECT_EQ(game.Backend.Plays()[0].Name, "tusch.wav");
  EXPECT_EQ(game.Backend.Plays()[0].Pan, 0);
}

TEST(GameScreenInPlay, TheStoreCountsDownOnlyWhileAGameRunsOnTheGameScreen) {
  HeadlessGame game;
  game.Load();
  game.Move(51, 200);  // START
  game.Press(TMouseButton::Left);
  game.Tick();
  game.Release(TMouseButton::Left);
  ASSERT_EQ(GameRunning, 1);
  const int row = CurrentRow;
  const int32_t started = RowCountdown[row];
  game.Tick(5);
  EXPECT_EQ(RowCountdown[row], started - 5);

  Screen = ScreenHelp;  // the game pauses while another screen is shown
  game.Tick(5);
  EXPECT_EQ(RowCountdown[row], started - 5);

  Screen = ScreenGame;
  GameEnded = 1;
  game.Tick(5);
  EXPECT_EQ(RowCountdown[row], started - 5);
}

}  // namespace
