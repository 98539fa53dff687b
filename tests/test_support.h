// Test support: the whole game on the headless platform, driven tick by tick.
#pragma once

#include <cstdint>

#include "engine/globals.h"
#include "engine/shell/assets.h"
#include "engine/shell/form.h"
#include "platform/headless/headless_backend.h"

// A game on the headless platform with Random seeded. Ticks and mouse events are driven by the
// test. The art is found in the build tree, so tests may run from any directory.
class HeadlessGame {
 public:
  explicit HeadlessGame(uint64_t seed = 1) {
    SetExecutablePath(TARVOLIN_BUILD_DIR "/tarvolin_tests");
    FixedSeedGiven = true;
    FixedSeed = seed;
    Form.FormCreate();
  }
  ~HeadlessGame() { FixedSeedGiven = false; }

  void Tick(int count = 1) {
    for (int i = 0; i < count; ++i) {
      Backend.ForgetPlays();
      Form.DXTimer1Timer(0);
    }
  }
  void RunTo(int32_t tickCount) {
    while (TickCount < tickCount) Tick();
  }
  // The first full frame: the board of game type 3, no game running.
  void Load() { RunTo(LoadTick + 1); }

  void Move(int x, int y) { Form.DXDraw1MouseMove({}, x, y); }
  void Press(TMouseButton button, bool ctrl = false) {
    Form.DXDraw1MouseDown(button, {ctrl}, MouseX, MouseY);
  }
  void Release(TMouseButton button) {
    Form.DXDraw1MouseUp(button, {}, MouseX, MouseY);
    if (button == TMouseButton::Left) Form.DXDraw1Click();
  }
  void Click(int x, int y) {
    Move(x, y);
    Press(TMouseButton::Left);
    Release(TMouseButton::Left);
  }

  HeadlessBackend Backend;
  TForm1 Form{Backend};
};
