// The help screen.
#include "engine/ui/help.h"

void HelpScreen() {}
