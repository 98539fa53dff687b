// Board fixture for the rules tests: a fresh board with a game running, stones laid by hand and
// the per-frame channels emptied as the frame loop empties them.
#pragma once

#include "engine/globals.h"
#include "engine/rules/popups.h"
#include "engine/rules/settling.h"
#include "engine/shell/lighting.h"
#include "engine/shell/sound.h"
#include "engine/ui/text.h"
#include "engine/world/layouts.h"
#include "engine/world/pool.h"

// Empties the per-frame channels as the frame loop does before the game screen runs.
inline void BeginFrame() {
  AllocCursor = PoolCapacity;
  LightCount = 0;
  ResetTextQueue();
  ClearSoundTriggers();
}

// A fresh board of the game type with a game running, the mouse away and no pop-ups.
inline void StartBoardGame(int gameMode) {
  RandomSeed(1);
  GameMode = gameMode;
  NewGame();
  GameRunning = 1;
  // the object update gives every field its drawn half width each frame; these tests skip it
  for (int id = 1; id <= PoolCapacity; ++id) {
    if (IsLive(id) && Pool.Kind[id] == KindBoard && Pool.SubKind[id] == SubKindField) {
      Pool.HalfWidth[id] = 14;
    }
  }
  MouseX = 0;
  MouseY = 0;
  LeftButton = 0;
  ClearScorePopups();
  BeginFrame();
}

// The board field centred at (x, y), 0 when there is none.
inline int BoardFieldAt(int x, int y) {
  for (int id = 1; id <= PoolCapacity; ++id) {
    if (IsBoardField(id) && Pool.X[id] == x && Pool.Y[id] == y) return id;
  }
  return 0;
}

// Spawns a stone of the colour and lays it on the field.
inline int PutStoneOn(int field, int colour) {
  const int stone = SpawnStone(Pool.X[field], Pool.Y[field], colour);
  Pool.FieldStone[field] = static_cast<int16_t>(stone);
  return stone;
}
