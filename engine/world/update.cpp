// Object update: every tick, after the logic and before drawing, buttons under the mouse change
// their picture and run their actions, explosions advance and end, and every live object gets
// the source rectangle and size it is drawn and hit-tested with.
#include "engine/world/update.h"

#include "engine/globals.h"
#include "engine/shell/assets.h"
#include "engine/shell/lighting.h"
#include "engine/ui/buttons.h"
#include "engine/world/pool.h"

namespace {

enum : int16_t { ButtonNormal = 1, ButtonHovered = 2, ButtonPressed = 3 };
constexpr int16_t LastExplosionFrame = 28;

// Strict bounds: a pointer on the edge is outside. The half sizes are those of the previous
// tick, so a slot used for the first time cannot be hit before it has been measured once.
bool MouseOver(int id) {
  return Pool.X[id] - Pool.HalfWidth[id] < MouseX && MouseX < Pool.X[id] + Pool.HalfWidth[id] &&
         Pool.Y[id] - Pool.HalfHeight[id] < MouseY && MouseY < Pool.Y[id] + Pool.HalfHeight[id];
}

void ButtonStep(int id) {
  if (!MouseOver(id)) {
    Pool.Frame[id] = ButtonNormal;
    return;
  }
  if (LeftButton == 0 && RightButton == 0) {
    Pool.Frame[id] = ButtonHovered;
    AddLight(Pool.X[id], Pool.Y[id], 1.0);
    return;
  }
  // The light marks the place of the press even when the action removes the button itself
  // (NEIN closes the dialog and frees its own slot).
  const int x = Pool.X[id];
  const int y = Pool.Y[id];
  Pool.Frame[id] = ButtonPressed;
  ButtonAction(id);
  AddLight(x, y, 2.0);
}

// An explosion that has shown its last frame is freed; the slot is done for this tick.
void ExplosionStep(int id) {
  if (Pool.Frame[id] >= LastExplosionFrame)
    FreeObject(id);
  else
    ++Pool.Frame[id];
}

void GeometryStep(int id) {
  const int16_t kind = Pool.Kind[id];
  const int16_t subKind = Pool.SubKind[id];
  const int16_t frame = Pool.Frame[id];
  const int16_t picture = Pool.Picture[id];
  Pool.SrcLeft[id] = FrameLeft(kind, subKind, frame, picture);
  Pool.SrcRight[id] = FrameRight(kind, subKind, frame, picture);
  Pool.SrcTop[id] = FrameTop(kind, subKind, frame, picture);
  Pool.SrcBottom[id] = FrameBottom(kind, subKind, frame, picture);
  Pool.Width[id] = static_cast<int16_t>(Pool.SrcRight[id] - Pool.SrcLeft[id]);
  Pool.Height[id] = static_cast<int16_t>(Pool.SrcBottom[id] - Pool.SrcTop[id]);
  Pool.HalfWidth[id] = static_cast<int16_t>(Pool.Width[id] / 2);
  Pool.HalfHeight[id] = static_cast<int16_t>(Pool.Height[id] / 2);
}

}  // namespace

void UpdateObjects() {
  for (int id = 1; id <= PoolCapacity; ++id) {
    if (!IsLive(id)) continue;
    if (Pool.Kind[id] == KindButton) ButtonStep(id);
    // A button action may rebuild the pool or close the dialog, so every later step reads the
    // slot afresh, and the pass goes on over whatever the table now holds.
    if (!IsLive(id)) continue;
    if (Pool.Kind[id] == KindExplosion) ExplosionStep(id);
    if (IsLive(id)) GeometryStep(id);
  }
}
