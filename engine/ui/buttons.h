// Button actions and the exit dialog.
#pragma once

// Runs the action of the button under the mouse; called every tick a mouse button is held over it.
void ButtonAction(int id);
void OpenDialog();
void CloseDialog();
