// Button actions and the exit dialog.
#include "engine/ui/buttons.h"

void ButtonAction(int) {}
void OpenDialog() {}
void CloseDialog() {}
