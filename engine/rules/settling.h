// Settling, matching and explosions: every frame of a running game, stones slide one field down,
// resting groups of three or more explode and score.
#pragma once

#include <cstdint>

#include "engine/world/pool.h"

// Points each stone exploding in this frame scores (before doubling); set by MatchPass.
inline int16_t GroupCount = 0;

// True when id is a live board field (not a store field).
inline bool IsBoardField(int id) {
  return IsLive(id) && Pool.Kind[id] == KindBoard && Pool.SubKind[id] == SubKindField &&
         Pool.Tag[id] == 1;
}

// True when id is a live stone. An ObjectId kept in a table (store, carried column, field) that
// fails this test is 0 or stale and names no stone.
inline bool IsStone(int id) {
  return IsLive(id) && Pool.Kind[id] == KindBoard && Pool.SubKind[id] == SubKindStone;
}

// The field linked in direction dir (DirBelow..DirBelowRight), 0 for none; 0 also for field 0.
inline int LinkedField(int field, int dir) {
  if (field < 1 || field > PoolCapacity) return 0;
  const int linked = Pool.Neighbour[field][dir];
  return linked >= 1 && linked <= PoolCapacity ? linked : 0;
}

// Each frame of a running game, after the store's countdowns: every stone whose field below is
// empty moves one field down; the others rest and record their colour; shadows follow.
void SettlingPass();
// Right after SettlingPass: marks every stone of a one-coloured group of three or more resting
// stones and sets GroupCount.
void MatchPass();
// Right after MatchPass: explodes the marked stones, scores them (double on a field of the stone's
// own colour) with a pop-up each, and counts the wave in Kills.
void ExplodeMarked();
