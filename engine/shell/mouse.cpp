// Mouse input: the four handlers run between ticks and only record the mouse state.
#include "engine/globals.h"
#include "engine/shell/form.h"

void TForm1::DXDraw1MouseDown(TMouseButton button, TShiftState shift, int /*x*/, int /*y*/) {
  if (shift.Ctrl) {
    // Ctrl + left toggles the sound and is not a press of the left button
    if (button == TMouseButton::Left) SoundOn = static_cast<uint8_t>(1 - SoundOn);
    return;
  }
  if (button == TMouseButton::Left) LeftButton = 1;
  if (button == TMouseButton::Right) RightButton = 1;
}

void TForm1::DXDraw1MouseUp(TMouseButton button, TShiftState /*shift*/, int /*x*/, int /*y*/) {
  if (button == TMouseButton::Left) LeftButton = 0;
  if (button == TMouseButton::Right) RightButton = 0;
}

void TForm1::DXDraw1MouseMove(TShiftState /*shift*/, int x, int y) {
  MouseX = x;
  MouseY = y;
}

void TForm1::DXDraw1Click() {
  Clicked = 1;
}
