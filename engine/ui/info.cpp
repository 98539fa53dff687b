// The info screen.
#include "engine/ui/info.h"

void InfoScreen() {}
