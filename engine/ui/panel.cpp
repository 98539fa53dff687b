// The control panel.
#include "engine/ui/panel.h"

void DrawControlPanel() {}
