// Tests of the object pool: where stones and explosions are allocated within a tick, what freeing
// leaves behind, and what happens when no slot is left.
#include "engine/world/pool.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "engine/globals.h"
#include "engine/shell/drawing.h"
#include "engine/shell/sound.h"
#include "engine/world/layouts.h"

namespace {

// A fresh board of game type 8 (StaticCount 108) at the start of a tick.
void StartTick() {
  RandomSeed(3);
  GameMode = 8;
  NewGame();
  AllocCursor = PoolCapacity;
}

bool SameSlot(const TObjectPool& a, const TObjectPool& b, int id) {
  return a.Active[id] == b.Active[id] && a.Kind[id] == b.Kind[id] &&
         a.SubKind[id] == b.SubKind[id] && a.Picture[id] == b.Picture[id] && a.X[id] == b.X[id] &&
         a.Y[id] == b.Y[id] && a.Layer[id] == b.Layer[id] && a.Frame[id] == b.Frame[id] &&
         a.Width[id] == b.Width[id] && a.Height[id] == b.Height[id] &&
         a.HalfWidth[id] == b.HalfWidth[id] && a.HalfHeight[id] == b.HalfHeight[id] &&
         a.SrcLeft[id] == b.SrcLeft[id] && a.SrcTop[id] == b.SrcTop[id] &&
         a.SrcRight[id] == b.SrcRight[id] && a.SrcBottom[id] == b.SrcBottom[id] &&
         a.FieldStone[id] == b.FieldStone[id] && a.Tag[id] == b.Tag[id] &&
         a.RestColour[id] == b.RestColour[id] && a.ExplodeMark[id] == b.ExplodeMark[id] &&
         a.Neighbour[id] == b.Neighbour[id];
}

}  // namespace

TEST(Pool, SpawnsGoDownwardFromTheTopWithinATick) {
  StartTick();
  EXPECT_EQ(SpawnStone(100, 200, 3), 899);
  // 898 is taken by something else: the second spawn skips it
  Pool.Active[898] = 1;
  EXPECT_EQ(SpawnExplosion(100, 200, 3), 897);
  EXPECT_EQ(Pool.Active[900], 0);

  EXPECT_EQ(Pool.Kind[899], KindBoard);
  EXPECT_EQ(Pool.SubKind[899], SubKindStone);
  EXPECT_EQ(Pool.Layer[899], 85);
  EXPECT_EQ(Pool.Picture[899], 3);
  EXPECT_EQ(Pool.Frame[899], 1);
  EXPECT_EQ(Pool.X[899], 100);
  EXPECT_EQ(Pool.Y[899], 200);
}

TEST(Pool, SlotFreedAboveTheCursorReturnsOnlyNextTick) {
  StartTick();
  ASSERT_EQ(SpawnStone(100, 200, 1), 899);
  ASSERT_EQ(SpawnStone(100, 200, 1), 898);
  FreeObject(899);
  EXPECT_EQ(SpawnStone(100, 200, 1), 897);

  AllocCursor = PoolCapacity;  // the next tick
  EXPECT_EQ(SpawnStone(100, 200, 1), 899);
}

TEST(Pool, FreeObjectClearsTheSlotButKeepsItsKind) {
  StartTick();
  // a linked board field with a stone on it, measured by a previous tick
  const int id = 69;
  ASSERT_NE(Pool.Neighbour[id][DirAbove], 0);
  Pool.FieldStone[id] = 880;
  Pool.RestColour[id] = 4;
  Pool.ExplodeMark[id] = 1;
  Pool.Width[id] = 28;
  Pool.SrcBottom[id] = 52;

  FreeObject(id);

  EXPECT_EQ(Pool.Active[id], 0);
  EXPECT_EQ(Pool.Picture[id], 1);
  EXPECT_EQ(Pool.X[id], 0);
  EXPECT_EQ(Pool.Y[id], 0);
  EXPECT_EQ(Pool.Frame[id], 0);
  EXPECT_EQ(Pool.FieldStone[id], 0);
  EXPECT_EQ(Pool.Tag[id], 0);
  EXPECT_EQ(Pool.RestColour[id], 0);
  EXPECT_EQ(Pool.ExplodeMark[id], 0);
  for (int d = 1; d <= 6; ++d) EXPECT_EQ(Pool.Neighbour[id][d], 0) << d;
  EXPECT_EQ(Pool.Kind[id], KindBoard);
  EXPECT_EQ(Pool.SubKind[id], SubKindField);
  EXPECT_EQ(Pool.Layer[id], 90);
  EXPECT_EQ(Pool.Width[id], 28);
  EXPECT_EQ(Pool.SrcBottom[id], 52);

  // freeing again, or outside the table, is harmless
  FreeObject(id);
  FreeObject(0);
  FreeObject(PoolCapacity + 1);
  EXPECT_EQ(Pool.Active[id], 0);
}

TEST(Pool, ExplosionStartsOnAnEarlyFrameAndShakesTheScreen) {
  StartTick();
  std::set<int> frames;
  for (int previousShake : {0, 1, 9}) {
    for (int n = 0; n < 20; ++n) {
      ShakeAmount = previousShake;
      SoundTrigger.fill(0);
      AllocCursor = PoolCapacity;
      const int id = SpawnExplosion(250, 300, 5);
      ASSERT_EQ(id, 899);
      frames.insert(Pool.Frame[id]);
      EXPECT_EQ(ShakeAmount, 2);
      EXPECT_NE(SoundTrigger[4], 0);
      EXPECT_EQ(Pool.Kind[id], KindExplosion);
      EXPECT_EQ(Pool.Picture[id], 5);
      EXPECT_EQ(Pool.Layer[id], 104);
      FreeObject(id);
    }
  }
  EXPECT_EQ(frames, (std::set<int>{4, 5, 6}));
}

TEST(Pool, FullPoolHandsOutNothingAndWritesNothing) {
  StartTick();
  int spawned = 0;
  while (SpawnStone(300, 300, 2) != 0) ++spawned;
  EXPECT_EQ(spawned, PoolCapacity - 1 - StaticCount);  // every slot from 899 down to 109

  const auto before = std::make_unique<TObjectPool>(Pool);
  AllocCursor = PoolCapacity;
  EXPECT_EQ(SpawnStone(300, 300, 2), 0);
  EXPECT_EQ(SpawnExplosion(300, 300, 2), 0);
  for (int id = 0; id <= PoolCapacity; ++id) EXPECT_TRUE(SameSlot(*before, Pool, id)) << id;
  EXPECT_EQ(Pool.Active[0], 0);
  EXPECT_EQ(Pool.Active[PoolCapacity], 0);
}

TEST(Pool, NewGameFreesEveryDynamicSlot) {
  StartTick();
  SpawnStone(300, 300, 2);
  SpawnExplosion(300, 300, 2);
  GameMode = 1;
  NewGame();
  for (int id = StaticCount + 1; id <= PoolCapacity; ++id) EXPECT_EQ(Pool.Active[id], 0) << id;
}
