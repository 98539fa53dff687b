// The object pool: one fixed table of every object on the screen (layout pieces, buttons, fields,
// shadows, stones, explosions), addressed by ObjectId 1..900; 0 means none.
#pragma once

#include <array>
#include <cstdint>

inline constexpr int PoolCapacity = 900;

// Object kinds and subkinds.
enum : int16_t { KindLayout = 2, KindButton = 3, KindBoard = 4, KindExplosion = 8 };
enum : int16_t { SubKindField = 1, SubKindShadow = 2, SubKindStone = 3 };

// Directions of the neighbour links.
enum : int {
  DirBelow = 1,
  DirBelowLeft = 2,
  DirAboveLeft = 3,
  DirAbove = 4,
  DirAboveRight = 5,
  DirBelowRight = 6
};

// Parallel arrays indexed by ObjectId; index 0 is never a slot.
struct TObjectPool {
  template <typename T>
  using Column = std::array<T, PoolCapacity + 1>;

  Column<int16_t> Active{};
  Column<int16_t> Kind{};
  Column<int16_t> SubKind{};
  Column<int16_t> Picture{};
  Column<int16_t> X{};
  Column<int16_t> Y{};
  Column<int16_t> Layer{};
  Column<int16_t> Frame{};
  Column<int16_t> Width{};
  Column<int16_t> Height{};
  Column<int16_t> HalfWidth{};
  Column<int16_t> HalfHeight{};
  Column<int16_t> SrcLeft{};
  Column<int16_t> SrcTop{};
  Column<int16_t> SrcRight{};
  Column<int16_t> SrcBottom{};
  Column<int16_t> FieldStone{};
  Column<int32_t> Tag{};
  Column<int32_t> RestColour{};
  Column<int32_t> ExplodeMark{};
  Column<std::array<int32_t, 7>> Neighbour{};  // [id][direction 1..6]
};

inline TObjectPool Pool;

// Allocation state.
inline int32_t NextStatic = 0;              // last slot filled by static construction
inline int32_t StaticCount = 0;             // dynamic allocation never goes at or below this slot
inline int32_t AllocCursor = PoolCapacity;  // downward cursor, reset to 900 every tick

// Frees slot id (1..900; anything else is ignored). Kind, SubKind, Layer and the geometry keep
// their old values; nothing reads them while the slot is free.
void FreeObject(int id);
void FreeAllObjects();

// SpawnStone and SpawnExplosion return 0 when no slot above the static objects is free; callers
// treat 0 as no object.
int16_t SpawnStone(int x, int y, int colour);
// Also starts the screen swing and raises the explosion sound.
int16_t SpawnExplosion(int x, int y, int colour);

// True when id names a slot in use.
inline bool IsLive(int id) {
  return id >= 1 && id <= PoolCapacity && Pool.Active[id] >= 1;
}
