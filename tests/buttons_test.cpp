// Button actions and the exit dialog: the settings' steps and bounds, the screen buttons, START
// and ENDE, the buttons that do nothing on the winner entry, and leaving through the dialog.
#include "engine/ui/buttons.h"

#include <gtest/gtest.h>

#include <string_view>

#include "engine/globals.h"
#include "engine/rules/game.h"
#include "engine/ui/winner_entry.h"
#include "engine/world/pool.h"
#include "tests/test_support.h"

namespace {

// The buttons act on the globals directly; each test starts on the game screen without a game,
// without the dialog and with no mouse button held.
class ButtonTest : public testing::Test {
 protected:
  void SetUp() override {
    FreeAllObjects();
    Screen = ScreenGame;
    DialogOpen = 0;
    QuitRequested = 0;
    GameRunning = 0;
    GameEnded = 0;
    SoundLevel = 35000;
    LightLevel = 25000;
    LeftButton = 0;
    RightButton = 0;
  }
  void TearDown() override {
    LeftButton = 0;
    RightButton = 0;
    QuitRequested = 0;
  }

  static void Left(int id) {
    LeftButton = 1;
    ButtonAction(id);
    LeftButton = 0;
  }

  static bool DialogShown() {
    return DialogOpen == 1 && IsLive(DialogBoxSlot) && IsLive(ButtonJa) && IsLive(ButtonNein);
  }
};

TEST_F(ButtonTest, SoundAndLichtStepByOneHundredWithinTheirBounds) {
  struct TCase {
    std::string_view Name;
    int Id;
    int32_t Start;
    uint8_t LeftHeld, RightHeld;
    int32_t After;
  };
  const TCase cases[] = {
      {"sound up", ButtonSound, 35000, 1, 0, 35100},
      {"sound at the top", ButtonSound, 50000, 1, 0, 50000},
      {"sound down from the top", ButtonSound, 50000, 0, 1, 49900},
      {"sound at the bottom", ButtonSound, 10000, 0, 1, 10000},
      {"sound both held", ButtonSound, 35000, 1, 1, 35000},
      {"sound both held at the top", ButtonSound, 50000, 1, 1, 49900},
      {"sound both held at the bottom", ButtonSound, 10000, 1, 1, 10000},
      {"licht up", ButtonLicht, 25000, 1, 0, 25100},
      {"licht at the top", ButtonLicht, 50000, 1, 0, 50000},
      {"licht at the bottom", ButtonLicht, 15000, 0, 1, 15000},
      {"licht down", ButtonLicht, 15100, 0, 1, 15000},
      {"licht both held at the bottom", ButtonLicht, 15000, 1, 1, 15000},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    int32_t& setting = c.Id == ButtonSound ? SoundLevel : LightLevel;
    setting = c.Start;
    LeftButton = c.LeftHeld;
    RightButton = c.RightHeld;
    ButtonAction(c.Id);
    EXPECT_EQ(setting, c.After);
  }
}

TEST_F(ButtonTest, ExitOpensTheDialogOnceAndShowsTheGameScreen) {
  Screen = ScreenHelp;
  Left(ButtonExit);
  ASSERT_TRUE(DialogShown());
  EXPECT_EQ(Screen, ScreenGame);

  EXPECT_EQ(Pool.Kind[DialogBoxSlot], KindLayout);
  EXPECT_EQ(Pool.X[DialogBoxSlot], 400);
  EXPECT_EQ(Pool.Y[DialogBoxSlot], 300);
  EXPECT_EQ(Pool.Picture[DialogBoxSlot], 5);
  EXPECT_EQ(Pool.Layer[DialogBoxSlot], 100);
  EXPECT_EQ(Pool.Tag[DialogBoxSlot], 1);
  struct TButton {
    int Id, X;
  };
  for (const TButton b : {TButton{ButtonJa, 323}, TButton{ButtonNein, 481}}) {
    EXPECT_EQ(Pool.Kind[b.Id], KindButton);
    EXPECT_EQ(Pool.SubKind[b.Id], 1);
    EXPECT_EQ(Pool.X[b.Id], b.X);
    EXPECT_EQ(Pool.Y[b.Id], 348);
    EXPECT_EQ(Pool.Picture[b.Id], 5);
    EXPECT_EQ(Pool.Layer[b.Id], 101);
    EXPECT_EQ(Pool.Frame[b.Id], 1);
  }

  // a second press, or the button held on, leaves the open dialog as it is
  Pool.Frame[ButtonJa] = 3;
  Screen = ScreenInfo;
  Left(ButtonExit);
  EXPECT_TRUE(DialogShown());
  EXPECT_EQ(Pool.Frame[ButtonJa], 3);
  EXPECT_EQ(Screen, ScreenGame);
}

TEST_F(ButtonTest, ScreenButtonsSwitchAndCloseTheDialog) {
  struct TCase {
    int Id;
    int32_t Screen;
  };
  const TCase cases[] = {{ButtonSpiel, ScreenGame},
                         {ButtonHilfe, ScreenHelp},
                         {ButtonInfo, ScreenInfo},
                         {ButtonNein, ScreenGame}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Id);
    Screen = ScreenGame;
    Left(ButtonExit);
    Left(c.Id);
    EXPECT_EQ(Screen, c.Screen);
    EXPECT_EQ(DialogOpen, 0);
    EXPECT_FALSE(IsLive(DialogBoxSlot));
    EXPECT_FALSE(IsLive(ButtonJa));
    EXPECT_FALSE(IsLive(ButtonNein));
  }
}

TEST_F(ButtonTest, ExitAndTheScreenButtonsDoNothingOnTheWinnerEntry) {
  for (const int id : {ButtonExit, ButtonSpiel, ButtonHilfe, ButtonInfo}) {
    SCOPED_TRACE(id);
    Screen = ScreenWinnerEntry;
    Left(id);
    EXPECT_EQ(Screen, ScreenWinnerEntry);
    EXPECT_EQ(DialogOpen, 0);
    EXPECT_FALSE(IsLive(DialogBoxSlot));
  }
}

TEST_F(ButtonTest, NeuClearsTheNameOnlyOnTheWinnerEntry) {
  struct TCase {
    int32_t Screen;
    int NameLengthAfter;
  };
  for (const TCase c : {TCase{ScreenGame, 3}, TCase{ScreenWinnerEntry, 0}}) {
    SCOPED_TRACE(c.Screen);
    Screen = c.Screen;
    PlayerName.Assign("ABC");
    NameLength = 3;
    Left(ButtonNeu);
    EXPECT_EQ(NameLength, c.NameLengthAfter);
    EXPECT_EQ(PlayerName.Length, c.NameLengthAfter);
  }
}

TEST_F(ButtonTest, EndeEndsOnlyARunningGame) {
  Left(ButtonEnde);
  EXPECT_EQ(GameEnded, 0);
  GameRunning = 1;
  Left(ButtonEnde);
  EXPECT_EQ(GameEnded, 1);
}

TEST_F(ButtonTest, StartSetsUpARunningGameOnTheGameScreen) {
  Screen = ScreenInfo;
  GameEnded = 1;
  Score = 77;
  Left(ButtonStart);
  EXPECT_EQ(Screen, ScreenGame);
  EXPECT_EQ(GameRunning, 1);
  EXPECT_EQ(GameEnded, 0);
  EXPECT_EQ(Score, 0);
}

TEST_F(ButtonTest, TheRightButtonDoesNothingButOnSoundAndLicht) {
  Screen = ScreenHelp;
  GameRunning = 1;
  for (int id = ButtonExit; id <= ButtonNein; ++id) {
    if (id == ButtonSound || id == ButtonLicht) continue;
    SCOPED_TRACE(id);
    RightButton = 1;
    ButtonAction(id);
    RightButton = 0;
    EXPECT_EQ(Screen, ScreenHelp);
    EXPECT_EQ(DialogOpen, 0);
    EXPECT_EQ(GameEnded, 0);
    EXPECT_EQ(QuitRequested, 0);
    EXPECT_EQ(SoundLevel, 35000);
    EXPECT_EQ(LightLevel, 25000);
  }
}

TEST_F(ButtonTest, JaRequestsTheEnd) {
  Left(ButtonExit);
  Left(ButtonJa);
  EXPECT_EQ(QuitRequested, 1);
}

// Through the whole game: the mouse over a button, the object update and the end of the tick.

TEST(ButtonsInPlay, JaEndsTheProgramAtTheEndOfTheSameFrame) {
  HeadlessGame game;
  game.Load();
  game.Move(54, 52);
  game.Press(TMouseButton::Left);
  game.Tick();
  game.Release(TMouseButton::Left);
  game.Tick();
  ASSERT_EQ(DialogOpen, 1);

  game.Move(323, 348);
  game.Press(TMouseButton::Left);
  const int framesBefore = game.Backend.FramesPresented();
  game.Tick();
  EXPECT_EQ(QuitRequested, 1);
  EXPECT_EQ(game.Backend.FramesPresented(), framesBefore + 1);  // the last frame is still shown
  EXPECT_TRUE(game.Form.Closed());
  EXPECT_TRUE(game.Backend.Closed());
  QuitRequested = 0;
}

TEST(ButtonsInPlay, HoldingStartStartsOneGameNotOnePerTick) {
  HeadlessGame game;
  game.Load();
  game.Move(51, 200);
  game.Press(TMouseButton::Left);
  game.Tick();
  ASSERT_EQ(GameRunning, 1);
  Score = 5;  // a fresh setup would clear it
  game.Tick(3);
  EXPECT_EQ(Score, 5);
  EXPECT_EQ(GameRunning, 1);
}

TEST(ButtonsInPlay, ExitFromTheHelpScreenShowsTheGameWithTheDialog) {
  HeadlessGame game;
  game.Load();
  game.Move(253, 27);
  game.Press(TMouseButton::Left);
  game.Tick();
  game.Release(TMouseButton::Left);
  ASSERT_EQ(Screen, ScreenHelp);
  game.Move(54, 52);
  game.Press(TMouseButton::Left);
  game.Tick();
  game.Release(TMouseButton::Left);
  game.Tick();
  EXPECT_EQ(Screen, ScreenGame);
  EXPECT_EQ(DialogOpen, 1);
  EXPECT_TRUE(IsLive(DialogBoxSlot));
}

}  // namespace
