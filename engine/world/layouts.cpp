// Board layouts and neighbour links.
#include "engine/world/layouts.h"

#include "engine/globals.h"

void NewGame() { Screen = ScreenGame; }
void AddFixedObjects() {}
void AddStoreField(int, int, int) {}
void AddBoardField(int, int, int) {}
