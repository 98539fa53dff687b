// Mouse input: the four handlers record the pointer, the held buttons, the click latch and the
// Ctrl + left sound switch; the tick clears the latch.
#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace {

class MouseInput : public ::testing::Test {
 protected:
  void SetUp() override {
    LeftButton = 0;
    RightButton = 0;
    Clicked = 0;
    SoundOn = 1;
  }
  HeadlessGame game;
};

TEST_F(MouseInput, PressesAndReleasesSetAndClearTheHeldButtons) {
  struct Case {
    const char* what;
    TMouseButton button;
    bool ctrl;
    uint8_t left, right, sound;  // after the press
  };
  const Case cases[] = {
      {"left", TMouseButton::Left, false, 1, 0, 1},
      {"right", TMouseButton::Right, false, 0, 1, 1},
      {"middle", TMouseButton::Middle, false, 0, 0, 1},
      {"ctrl + left switches the sound", TMouseButton::Left, true, 0, 0, 0},
      {"ctrl + right", TMouseButton::Right, true, 0, 0, 1},
      {"ctrl + middle", TMouseButton::Middle, true, 0, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    game.Form.DXDraw1MouseDown(c.button, {c.ctrl}, 10, 20);
    EXPECT_EQ(LeftButton, c.left);
    EXPECT_EQ(RightButton, c.right);
    EXPECT_EQ(SoundOn, c.sound);
    game.Form.DXDraw1MouseUp(c.button, {c.ctrl}, 10, 20);
    EXPECT_EQ(LeftButton, 0);
    EXPECT_EQ(RightButton, 0);
    EXPECT_EQ(SoundOn, c.sound);
  }
}

TEST_F(MouseInput, EachCtrlLeftPressSwitchesTheSoundOnce) {
  game.Press(TMouseButton::Left, true);
  EXPECT_EQ(SoundOn, 0);
  game.Release(TMouseButton::Left);
  EXPECT_EQ(SoundOn, 0);
  EXPECT_EQ(Clicked, 1);  // the click of a Ctrl press still counts
  game.Press(TMouseButton::Left, true);
  EXPECT_EQ(SoundOn, 1);
}

TEST_F(MouseInput, AReleaseClearsTheButtonWhateverKeysAreHeld) {
  game.Press(TMouseButton::Left);
  game.Press(TMouseButton::Right);
  game.Form.DXDraw1MouseUp(TMouseButton::Left, {true}, 0, 0);
  EXPECT_EQ(LeftButton, 0);
  EXPECT_EQ(RightButton, 1);
  game.Form.DXDraw1MouseUp(TMouseButton::Right, {true}, 0, 0);
  EXPECT_EQ(RightButton, 0);
}

TEST_F(MouseInput, OnlyMovesChangeThePointerPosition) {
  game.Move(-5, 700);  // positions are not clamped
  EXPECT_EQ(MouseX, -5);
  EXPECT_EQ(MouseY, 700);
  game.Form.DXDraw1MouseDown(TMouseButton::Left, {}, 100, 200);
  game.Form.DXDraw1MouseUp(TMouseButton::Left, {}, 300, 400);
  EXPECT_EQ(MouseX, -5);
  EXPECT_EQ(MouseY, 700);
}

TEST_F(MouseInput, BeforeTheFirstMoveThePointerIsInTheMiddle) {
  game.Load();
  EXPECT_EQ(MouseX, 400);
  EXPECT_EQ(MouseY, 300);
}

TEST_F(MouseInput, AHeldButtonLastsEveryTickAndItsClickExactlyOne) {
  game.Load();
  game.Move(50, 300);  // over the left bar, where nothing reacts
  game.Press(TMouseButton::Left);
  for (int tick = 1; tick <= 30; ++tick) {
    game.Tick();
    ASSERT_EQ(LeftButton, 1) << tick;
    ASSERT_EQ(Clicked, 0) << tick;
  }
  game.Release(TMouseButton::Left);
  EXPECT_EQ(LeftButton, 0);
  EXPECT_EQ(Clicked, 1);
  game.Tick();
  EXPECT_EQ(Clicked, 0);
}

TEST_F(MouseInput, SeveralClicksBetweenTwoTicksCountAsOne) {
  game.Load();
  game.Click(50, 300);
  game.Click(50, 310);
  EXPECT_EQ(Clicked, 1);
  game.Tick();
  EXPECT_EQ(Clicked, 0);
  game.Tick();
  EXPECT_EQ(Clicked, 0);
}

}  // namespace
