// Board layouts: NewGame sets up a game with the fixed screen objects, the stone store and the
// board of the selected game type, links every board field to its neighbours and marks the drop
// fields.
#pragma once

#include <cstdint>

// The counts each game type's board must give (board fields, drop fields, StaticCount).
struct TLayoutCounts {
  int BoardFields;
  int DropFields;
  int StaticCount;
};

void NewGame();
void AddFixedObjects();
void AddStoreField(int x, int y, int picture);
void AddBoardField(int x, int y, int picture);
