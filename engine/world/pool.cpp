// The object pool: freeing slots and handing out slots for stones and explosions from the top of
// the table downward while a game runs.
#include "engine/world/pool.h"

#include "engine/globals.h"
#include "engine/shell/drawing.h"
#include "engine/shell/sound.h"

namespace {

// The next free slot below the cursor, or 0 when none is left above the static objects.
int16_t AllocateSlot() {
  while (AllocCursor - 1 > StaticCount) {
    --AllocCursor;
    if (Pool.Active[AllocCursor] == 0) return static_cast<int16_t>(AllocCursor);
  }
  return 0;
}

}  // namespace

void FreeObject(int id) {
  if (id < 1 || id > PoolCapacity) return;
  Pool.Active[id] = 0;
  Pool.Picture[id] = 1;
  Pool.X[id] = 0;
  Pool.Y[id] = 0;
  Pool.Frame[id] = 0;
  Pool.FieldStone[id] = 0;
  Pool.Tag[id] = 0;
  Pool.RestColour[id] = 0;
  Pool.ExplodeMark[id] = 0;
  Pool.Neighbour[id] = {};
}

void FreeAllObjects() {
  for (int id = 1; id <= PoolCapacity; ++id) FreeObject(id);
}

int16_t SpawnStone(int x, int y, int colour) {
  const int16_t id = AllocateSlot();
  if (id == 0) return 0;
  Pool.Kind[id] = KindBoard;
  Pool.SubKind[id] = SubKindStone;
  Pool.Active[id] = 1;
  Pool.X[id] = static_cast<int16_t>(x);
  Pool.Y[id] = static_cast<int16_t>(y);
  Pool.Layer[id] = 85;
  Pool.Picture[id] = static_cast<int16_t>(colour);
  Pool.Frame[id] = 1;
  return id;
}

int16_t SpawnExplosion(int x, int y, int colour) {
  const int16_t id = AllocateSlot();
  if (id != 0) {
    Pool.Active[id] = 1;
    Pool.Kind[id] = KindExplosion;
    Pool.SubKind[id] = 1;
    Pool.Frame[id] = static_cast<int16_t>(Random(3) + 4);
    Pool.Picture[id] = static_cast<int16_t>(colour);
    Pool.X[id] = static_cast<int16_t>(x);
    Pool.Y[id] = static_cast<int16_t>(y);
    Pool.Layer[id] = 104;
  }
  // the blast is felt and heard even when no slot is left to show it
  ShakeAmount = 2;
  RaiseSound(4, x);
  return id;
}
