// Button actions and the exit dialog: what a panel button does while a mouse button is held over
// it, and the yes/no dialog that asks before the program ends.
#pragma once

// The buttons' fixed ObjectIds; the exit dialog's two buttons and its box use the slots that the
// game setup leaves free.
enum : int {
  ButtonExit = 5,
  ButtonEnde = 6,
  ButtonSpiel = 7,
  ButtonHilfe = 8,
  ButtonInfo = 9,
  ButtonSound = 10,
  ButtonLicht = 11,
  ButtonStart = 12,
  ButtonNeu = 13,
  ButtonEnter = 14,
  ButtonJa = 15,
  ButtonNein = 16,
  DialogBoxSlot = 19,
};

// The dialog box's Tag: which dialog the box shows.
inline constexpr int DialogTagExit = 1;

// Ranges of the two settings, changed by 100 in every frame the button is held.
inline constexpr int SoundLevelMin = 10000;
inline constexpr int LightLevelMin = 15000;
inline constexpr int SettingMax = 50000;
inline constexpr int SettingStep = 100;

// Called by the object update in every frame in which a mouse button is held over button id:
// the left button's action first, then the right button's (only SOUND and LICHT have one).
// Ids that name no button do nothing.
void ButtonAction(int id);
// Fills the dialog's box and its JA and NEIN buttons; the caller sets DialogOpen.
void OpenDialog();
// While the dialog is open: clears DialogOpen and frees the box, JA and NEIN. Otherwise nothing.
void CloseDialog();
