// The runner's game: the whole game on the headless platform, ticked and fed mouse events by the
// script and by the bot, exactly as the desktop platform would.
#pragma once

#include "engine/shell/form.h"
#include "platform/headless/headless_backend.h"

class TRunnerGame {
 public:
  // Creates the form as the platform does; the first tick is the first of the ten black ones.
  TRunnerGame();

  // One tick of the frame timer. Afterwards Backend.Plays() holds the sounds of this tick only.
  // Does nothing once the game has ended (JA in the exit dialog closed the form).
  // A picture that cannot be loaded on the load tick escapes as BitmapError.
  void Tick();
  // True once the form is closed: no tick runs any more.
  bool Ended() const { return Form.Closed(); }

  // The mouse, delivered to the form's handlers between ticks.
  void Move(int x, int y);
  void Press(TMouseButton button, bool ctrl);
  // For the left button, the platform's click event follows when a left press came before it.
  void Release(TMouseButton button);
  void Click(int x, int y);

  HeadlessBackend Backend;
  TForm1 Form{Backend};

 private:
  bool leftPressed_ = false;  // a left press is waiting for its release (and click)
};
