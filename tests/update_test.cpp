// Tests of the object update: buttons under the mouse, explosion lifetimes, sprite sizes, and a
// button action that rebuilds the pool in the middle of the pass.
#include "engine/world/update.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/globals.h"
#include "engine/rules/game.h"
#include "engine/shell/lighting.h"
#include "engine/ui/buttons.h"
#include "engine/world/layouts.h"
#include "engine/world/pool.h"
#include "test_support.h"

namespace {

// A board of game type 3, measured by one pass with the mouse away from every button; the light
// list is empty and lights have their plain factor as strength.
void MeasuredBoard() {
  RandomSeed(5);
  GameMode = 3;
  NewGame();
  MouseX = 0;
  MouseY = 0;
  LeftButton = 0;
  RightButton = 0;
  LightLevel = 25000;
  UpdateObjects();
  LightCount = 0;
}

// One tick's object update with the light list emptied first.
void UpdateTick() {
  LightCount = 0;
  AllocCursor = PoolCapacity;
  UpdateObjects();
}

}  // namespace

TEST(UpdateButtons, HoverUsesStrictBoundsOfTheMeasuredSize) {
  struct TCase {
    int Dx, Dy;
    int16_t Frame;
  };
  const TCase cases[] = {
      {0, 0, 2},  {31, 0, 2}, {32, 0, 1},  {-31, 0, 2}, {-32, 0, 1},
      {0, 23, 2}, {0, 24, 1}, {0, -23, 2}, {0, -24, 1}, {31, 23, 2},
  };
  MeasuredBoard();
  const int x = Pool.X[ButtonNeu];
  const int y = Pool.Y[ButtonNeu];
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "offset " << c.Dx << ", " << c.Dy);
    MouseX = x + c.Dx;
    MouseY = y + c.Dy;
    UpdateTick();
    EXPECT_EQ(Pool.Frame[ButtonNeu], c.Frame);
    if (c.Frame == 2) {
      ASSERT_EQ(LightCount, 1);
      EXPECT_EQ(LightX[1], x);
      EXPECT_EQ(LightY[1], y);
      EXPECT_DOUBLE_EQ(LightPower[1], 1.0);
    } else {
      EXPECT_EQ(LightCount, 0);
    }
  }
}

TEST(UpdateButtons, NewButtonCannotBeHitBeforeItIsMeasured) {
  MeasuredBoard();
  // a button in a slot never measured before: its half sizes are still 0
  const int id = 20;
  Pool.Active[id] = 1;
  Pool.Kind[id] = KindButton;
  Pool.SubKind[id] = 1;
  Pool.X[id] = 400;
  Pool.Y[id] = 300;
  Pool.Picture[id] = 5;
  Pool.Frame[id] = 1;
  Pool.HalfWidth[id] = 0;
  Pool.HalfHeight[id] = 0;
  MouseX = 400;
  MouseY = 300;

  UpdateTick();
  EXPECT_EQ(Pool.Frame[id], 1);
  EXPECT_EQ(Pool.HalfWidth[id], 32);
  EXPECT_EQ(Pool.HalfHeight[id], 24);

  UpdateTick();
  EXPECT_EQ(Pool.Frame[id], 2);
}

TEST(UpdateButtons, EitherMouseButtonPressesInEveryTick) {
  MeasuredBoard();
  MouseX = Pool.X[ButtonNeu];
  MouseY = Pool.Y[ButtonNeu];
  for (bool right : {false, true}) {
    SCOPED_TRACE(right ? "right button" : "left button");
    LeftButton = right ? 0 : 1;
    RightButton = right ? 1 : 0;
    for (int tick = 0; tick < 2; ++tick) {
      UpdateTick();
      EXPECT_EQ(Pool.Frame[ButtonNeu], 3);
      ASSERT_EQ(LightCount, 1);
      EXPECT_EQ(LightX[1], Pool.X[ButtonNeu]);
      EXPECT_DOUBLE_EQ(LightPower[1], 2.0);
    }
  }
}

TEST(UpdateButtons, HeldRightButtonRunsTheActionEveryTick) {
  MeasuredBoard();
  SoundLevel = 35000;
  MouseX = Pool.X[ButtonSound];
  MouseY = Pool.Y[ButtonSound];
  RightButton = 1;
  for (int tick = 0; tick < 3; ++tick) UpdateTick();
  RightButton = 0;
  EXPECT_EQ(SoundLevel, 35000 - 3 * SettingStep);
}

TEST(UpdateButtons, ActionThatRebuildsThePoolLeavesNothingStale) {
  MeasuredBoard();
  AllocCursor = PoolCapacity;
  const int explosion = SpawnExplosion(300, 300, 2);
  ASSERT_EQ(explosion, 899);
  Pool.Frame[explosion] = 10;
  // the next board's extra slots have never been measured
  for (int id = StaticCount + 1; id <= PoolCapacity; ++id) Pool.Width[id] = 0;
  GameMode = 4;  // a larger board than the one on screen

  MouseX = Pool.X[ButtonStart];
  MouseY = Pool.Y[ButtonStart];
  LeftButton = 1;
  UpdateTick();

  EXPECT_EQ(StaticCount, 286);
  EXPECT_EQ(GameRunning, 1);
  // the old explosion went with the pool and was not advanced or measured afterwards
  EXPECT_EQ(Pool.Active[explosion], 0);
  EXPECT_EQ(Pool.Frame[explosion], 0);
  EXPECT_EQ(Pool.Width[explosion], 0);
  // the pass went on over the new board
  EXPECT_EQ(Pool.Width[StaticCount - 1], 28);  // the last board field
  EXPECT_EQ(Pool.Width[StaticCount], 27);      // and its shadow
  EXPECT_EQ(LightCount, 1);
}

TEST(UpdateButtons, ActionThatRemovesItsOwnButton) {
  MeasuredBoard();
  LeftButton = 1;
  MouseX = Pool.X[ButtonExit];
  MouseY = Pool.Y[ButtonExit];
  UpdateTick();  // EXIT opens the dialog
  ASSERT_EQ(DialogOpen, 1);
  LeftButton = 0;
  UpdateTick();  // the dialog's objects are measured

  MouseX = 481;  // NEIN
  MouseY = 348;
  LeftButton = 1;
  UpdateTick();

  EXPECT_EQ(DialogOpen, 0);
  EXPECT_EQ(Pool.Active[ButtonNein], 0);
  // the pressed button's light stays where it was pressed
  ASSERT_EQ(LightCount, 1);
  EXPECT_EQ(LightX[1], 481);
  EXPECT_EQ(LightY[1], 348);
}

TEST(UpdateExplosions, LifetimeDependsOnTheStartFrame) {
  struct TCase {
    int16_t StartFrame;
    int DrawnTicks;
  };
  for (const TCase c : {TCase{4, 24}, TCase{5, 23}, TCase{6, 22}}) {
    SCOPED_TRACE(testing::Message() << "start frame " << c.StartFrame);
    MeasuredBoard();
    AllocCursor = PoolCapacity;
    const int id = SpawnExplosion(300, 300, 3);
    Pool.Frame[id] = c.StartFrame;

    // tick 0 is the tick of the spawn; a tick draws the explosion if it is live after the pass
    std::vector<int> drawnFrames;
    int freedInTick = -1;
    for (int tick = 0; tick < 40 && freedInTick < 0; ++tick) {
      UpdateTick();
      if (Pool.Active[id] >= 1) {
        drawnFrames.push_back(Pool.Frame[id]);
        EXPECT_EQ(Pool.Width[id], 75);
        EXPECT_EQ(Pool.HalfHeight[id], 37);
      } else {
        freedInTick = tick;
      }
    }
    ASSERT_EQ(static_cast<int>(drawnFrames.size()), c.DrawnTicks);
    EXPECT_EQ(drawnFrames.front(), c.StartFrame + 1);
    EXPECT_EQ(drawnFrames.back(), 28);
    EXPECT_EQ(freedInTick, c.DrawnTicks);
    // the slot is free for the next tick's spawns
    AllocCursor = PoolCapacity;
    EXPECT_EQ(SpawnStone(300, 300, 1), id);
  }
}

TEST(UpdateGeometry, EveryKindGetsItsSpriteSize) {
  MeasuredBoard();
  AllocCursor = PoolCapacity;
  const int stone = SpawnStone(300, 300, 6);
  const int explosion = SpawnExplosion(300, 300, 6);
  UpdateTick();

  struct TCase {
    const char* What;
    int Id;
    int Width, Height, HalfWidth, HalfHeight;
  };
  const TCase cases[] = {
      {"top bar", 1, 800, 60, 400, 30},
      {"left bar", 3, 100, 480, 50, 240},
      {"right panel", 4, 210, 480, 105, 240},
      {"button", ButtonExit, 64, 48, 32, 24},
      {"store field", FirstStoreFieldSlot, 28, 26, 14, 13},
      {"shadow", FirstStoreFieldSlot + 1, 27, 27, 13, 13},
      {"stone", stone, 27, 25, 13, 12},
      {"explosion", explosion, 75, 75, 37, 37},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    EXPECT_EQ(Pool.Width[c.Id], c.Width);
    EXPECT_EQ(Pool.Height[c.Id], c.Height);
    EXPECT_EQ(Pool.HalfWidth[c.Id], c.HalfWidth);
    EXPECT_EQ(Pool.HalfHeight[c.Id], c.HalfHeight);
  }
  // layout pieces are cut by picture alone and keep their frame
  for (int id = 1; id <= 4; ++id) EXPECT_EQ(Pool.Frame[id], 0) << id;
  EXPECT_EQ(Pool.SrcTop[2], 540);
}

// The whole tick: the mouse handlers' state reaches the object update, and a START held down
// over several ticks sets up one game only.
TEST(UpdateButtons, HeldStartStartsOneGameInTheRunningTick) {
  HeadlessGame game;
  game.Load();
  game.Move(Pool.X[ButtonStart], Pool.Y[ButtonStart]);
  game.Tick();
  EXPECT_EQ(Pool.Frame[ButtonStart], 2);

  game.Press(TMouseButton::Left);
  game.Tick();
  EXPECT_EQ(GameRunning, 1);
  StonesPlaced = 7;  // a mark that another new game would clear

  game.Tick(3);  // still held, but the new game cleared the press
  EXPECT_EQ(Pool.Frame[ButtonStart], 2);
  EXPECT_EQ(StonesPlaced, 7);
}
