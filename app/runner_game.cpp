// The runner's game: ticks and mouse events go to the form's handlers, nowhere else.
#include "app/runner_game.h"

#include "engine/globals.h"

TRunnerGame::TRunnerGame() {
  Form.FormCreate();
}

void TRunnerGame::Tick() {
  if (Ended()) return;
  Backend.ForgetPlays();
  Form.DXTimer1Timer(0);
}

void TRunnerGame::Move(int x, int y) {
  Form.DXDraw1MouseMove({}, x, y);
}

void TRunnerGame::Press(TMouseButton button, bool ctrl) {
  // the platform clicks on any left release that follows a left press, Ctrl held or not
  if (button == TMouseButton::Left) leftPressed_ = true;
  Form.DXDraw1MouseDown(button, {ctrl}, MouseX, MouseY);
}

void TRunnerGame::Release(TMouseButton button) {
  Form.DXDraw1MouseUp(button, {}, MouseX, MouseY);
  if (button == TMouseButton::Left && leftPressed_) {
    leftPressed_ = false;
    Form.DXDraw1Click();
  }
}

void TRunnerGame::Click(int x, int y) {
  Move(x, y);
  Press(TMouseButton::Left, false);
  Release(TMouseButton::Left);
}
