// Button actions and the exit dialog: run from the object update for the button under the mouse,
// in every frame a mouse button is held over it.
#include "engine/ui/buttons.h"

#include <cstdint>

#include "engine/globals.h"
#include "engine/ui/winner_entry.h"
#include "engine/world/layouts.h"
#include "engine/world/pool.h"

namespace {

// EXIT, SPIEL, HILFE and INFO would leave the winner entry without storing the name, so they do
// nothing there.
bool OnWinnerEntry() {
  return Screen == ScreenWinnerEntry;
}

void StepUp(int32_t& setting) {
  if (setting < SettingMax) setting += SettingStep;
}

void StepDown(int32_t& setting, int32_t lowest) {
  if (setting > lowest) setting -= SettingStep;
}

// Switches the main area to another screen; any of these buttons also removes the dialog.
void ShowScreen(int32_t screen) {
  if (OnWinnerEntry()) return;
  Screen = screen;
  CloseDialog();
}

void ExitAction() {
  if (OnWinnerEntry()) return;
  // held over several frames, the dialog is opened in the first one only
  if (DialogOpen == 0) OpenDialog();
  DialogOpen = 1;
  Screen = ScreenGame;
}

void StartAction() {
  // NewGame clears LeftButton, so a held START starts one game, not one per frame
  NewGame();
  Screen = ScreenGame;
  GameRunning = 1;
}

// Checked in this order of ids; at most one matches.
void LeftButtonAction(int id) {
  switch (id) {
    case ButtonExit:
      ExitAction();
      break;
    case ButtonEnde:
      if (GameRunning) GameEnded = 1;
      break;
    case ButtonSpiel:
      ShowScreen(ScreenGame);
      break;
    case ButtonHilfe:
      ShowScreen(ScreenHelp);
      break;
    case ButtonInfo:
      ShowScreen(ScreenInfo);
      break;
    case ButtonSound:
      StepUp(SoundLevel);
      break;
    case ButtonLicht:
      StepUp(LightLevel);
      break;
    case ButtonStart:
      StartAction();
      break;
    case ButtonJa:
      QuitRequested = 1;
      break;
    case ButtonNein:
      CloseDialog();
      break;
    case ButtonNeu:
      if (OnWinnerEntry()) ClearTypedName();
      break;
    case ButtonEnter:
      if (OnWinnerEntry()) ConfirmWinner();
      break;
    default:
      break;
  }
}

void RightButtonAction(int id) {
  switch (id) {
    case ButtonSound:
      StepDown(SoundLevel, SoundLevelMin);
      break;
    case ButtonLicht:
      StepDown(LightLevel, LightLevelMin);
      break;
    default:
      break;
  }
}

// Puts an object into a free dialog slot; the object update computes its size and picture frame.
void PlaceDialogObject(int id, int16_t kind, int x, int y, int layer) {
  Pool.Active[id] = 1;
  Pool.Kind[id] = kind;
  Pool.SubKind[id] = 1;
  Pool.X[id] = static_cast<int16_t>(x);
  Pool.Y[id] = static_cast<int16_t>(y);
  Pool.Picture[id] = 5;  // the dialog box piece of the panel sheet, and the plain button look
  Pool.Layer[id] = static_cast<int16_t>(layer);
}

}  // namespace

void ButtonAction(int id) {
  if (LeftButton) LeftButtonAction(id);
  // both steps run when both mouse buttons are held
  if (RightButton) RightButtonAction(id);
}

void OpenDialog() {
  PlaceDialogObject(DialogBoxSlot, KindLayout, 400, 300, 100);
  Pool.Tag[DialogBoxSlot] = DialogTagExit;
  PlaceDialogObject(ButtonJa, KindButton, 323, 348, 101);
  Pool.Frame[ButtonJa] = 1;
  PlaceDialogObject(ButtonNein, KindButton, 481, 348, 101);
  Pool.Frame[ButtonNein] = 1;
}

void CloseDialog() {
  if (DialogOpen == 0) return;
  DialogOpen = 0;
  FreeObject(DialogBoxSlot);
  FreeObject(ButtonJa);
  FreeObject(ButtonNein);
}
