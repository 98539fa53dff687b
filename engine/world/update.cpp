// Object update.
#include "engine/world/update.h"

void UpdateObjects() {}
