// Scene drawing: every tick, after the logic, the floor, the pool objects and the text queue are
// composed onto the freshly cleared back buffer.
#include "engine/shell/drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

#include "engine/globals.h"
#include "engine/shell/assets.h"
#include "engine/shell/form.h"
#include "engine/shell/lighting.h"
#include "engine/ui/text.h"
#include "engine/world/pool.h"

namespace {

constexpr int32_t MaxShake = 10;

// The objects listed for this tick's drawing and their layers when listed, positions 1..count.
std::array<int16_t, PoolCapacity + 1> VisibleList{};
std::array<int16_t, PoolCapacity + 1> VisibleLayer{};
int VisibleCount = 0;

PictureSurface* BackBuffer() {
  return Form1 != nullptr ? &Form1->DXDraw1.Surface() : nullptr;
}

PictureSurface* SheetOf(int id) {
  const int kind = Pool.Kind[id];
  const int subKind = Pool.SubKind[id];
  if (kind < 1 || kind > SheetKinds || subKind < 1 || subKind > SheetSubKinds) return nullptr;
  return SheetTable[kind][subKind];
}

// Lists every live object whose horizontal extent meets the screen, in ObjectId order.
void ListVisibleObjects() {
  VisibleCount = 0;
  for (int id = 1; id <= PoolCapacity; ++id) {
    if (Pool.Active[id] <= 0) continue;
    const int x = Pool.X[id];
    const int halfWidth = Pool.HalfWidth[id];
    if (x - halfWidth > ScreenWidth || x + halfWidth < 0) continue;
    ++VisibleCount;
    VisibleList[VisibleCount] = static_cast<int16_t>(id);
    VisibleLayer[VisibleCount] = Pool.Layer[id];
  }
}

// Selection sort by layer. Among equal layers the first found stays the minimum, and the exchange
// may carry an object behind others of its layer: objects of one layer are drawn in exactly the
// order this produces, which the look of overlapping pieces depends on.
void SortVisibleByLayer() {
  for (int j = 1; j <= VisibleCount; ++j) {
    int smallest = j;
    for (int p = j + 1; p <= VisibleCount; ++p) {
      if (VisibleLayer[p] < VisibleLayer[smallest]) smallest = p;
    }
    std::swap(VisibleList[smallest], VisibleList[j]);
    std::swap(VisibleLayer[smallest], VisibleLayer[j]);
  }
}

// Draws one object at its swung place. An object whose centre lies above the top edge is left
// out even if its lower half would show.
void DrawObject(PictureSurface& screen, int id, double swing) {
  const int halfWidth = Pool.HalfWidth[id];
  const int halfHeight = Pool.HalfHeight[id];
  const int sx = RoundHalfEven(Pool.X[id] - halfWidth + swing);
  const int sy = Pool.Y[id] - halfHeight;
  if (sx + Pool.Width[id] < 0 || sy + halfHeight < 0) return;
  if (sx > halfWidth + ScreenWidth || sy > halfHeight + ScreenHeight) return;
  const PictureSurface* sheet = SheetOf(id);
  if (sheet == nullptr) return;
  // the copy cuts whatever lies outside the screen or outside the sheet
  screen.CopyKeyed(sx, sy, *sheet,
                   {Pool.SrcLeft[id], Pool.SrcTop[id], Pool.SrcRight[id], Pool.SrcBottom[id]});
}

}  // namespace

void UpdateShake() {
  if (ShakeAmount <= 0) return;
  ShakeAmount = std::min(ShakeAmount - 1, MaxShake);
  if (ShakePrevious == 0) ShakeAngle = 0.0;  // a swing after a quiet tick starts afresh
  ShakeAngle += std::numbers::pi;
  ShakePrevious = ShakeAmount;
}

void DrawFloor() {
  PictureSurface* screen = BackBuffer();
  for (int i = 1; i <= FloorTileCount; ++i) {
    LightTile(i);
    if (screen == nullptr || FloorSheet == nullptr) continue;
    const int left = TileBrightness[i] * FloorTileSize;
    const int top = TilePattern[i] * FloorTileSize;
    screen->CopyKeyed(TileX[i], TileY[i], *FloorSheet,
                      {left, top, left + FloorTileSize, top + FloorTileSize});
  }
}

void DrawObjects() {
  PictureSurface* screen = BackBuffer();
  if (screen == nullptr) return;
  ListVisibleObjects();
  SortVisibleByLayer();
  // floor and text stay in place; only the objects swing
  const double swing = std::cos(ShakeAngle) * ShakeAmount;
  for (int j = 1; j <= VisibleCount; ++j) DrawObject(*screen, VisibleList[j], swing);
}

void DrawTextEntry(int e, const PictureSurface& sheet) {
  PictureSurface* screen = BackBuffer();
  const int font = TextQueue.Font[e];
  const int cell = FontCellSize(font);
  if (screen == nullptr || cell == 0 || TextQueue.Glyph[e] < 1) return;
  const int g = TextQueue.Glyph[e] - 1;
  const int left = (g % GlyphsPerRow) * cell;
  const int top = (g / GlyphsPerRow) * cell;
  const TRect source{left, top, left + cell, top + cell};
  const int x = TextQueue.GlyphX[e];
  const int y = TextQueue.GlyphY[e];
  const int strength = TextQueue.AddStrength[e];
  if (FontBlends(font) && strength > 0) {
    screen->AddBlend(x, y, sheet, source, strength);
  } else {
    screen->CopyKeyed(x, y, sheet, source);
  }
}

void DrawTextQueue() {
  for (int e = 1; e <= TextQueueCapacity; ++e) {
    if (TextQueue.Glyph[e] < 1) continue;  // free or empty
    const PictureSurface* sheet = FontSheet(TextQueue.Font[e]);
    if (sheet != nullptr) DrawTextEntry(e, *sheet);
  }
}
