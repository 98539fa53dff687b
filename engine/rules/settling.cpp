// Settling and matching: every frame of a running game, stones slide one field down, resting
// groups of three or more explode and score.
#include "engine/rules/settling.h"

#include <array>

#include "engine/globals.h"
#include "engine/rules/game.h"
#include "engine/rules/popups.h"
#include "engine/shell/lighting.h"
#include "engine/shell/sound.h"
#include "engine/text1252.h"

namespace {

constexpr int DirectionCount = 6;
constexpr int16_t LyingLayer = 85;
constexpr int16_t ShadowEmpty = 1;
constexpr int16_t ShadowHoldsStone = 2;
constexpr int MoveSound = 2;

// A field's shadow sits in the slot right after the field.
void SetShadowFrame(int field, int16_t frame) {
  if (field + 1 <= PoolCapacity) Pool.Frame[field + 1] = frame;
}

// The stone lying on a field, 0 for none. A stale id is dropped so that no freed slot blocks the
// column or gets moved around.
int StoneOnField(int field) {
  const int stone = Pool.FieldStone[field];
  if (stone != 0 && !IsStone(stone)) Pool.FieldStone[field] = 0;
  return Pool.FieldStone[field];
}

// Draws the stone on its field, moves it one field down when the field below is empty, or lets it
// rest and records its colour for matching.
void SettleStone(int field, int stone) {
  Pool.X[stone] = Pool.X[field];
  Pool.Y[stone] = Pool.Y[field];
  Pool.Layer[stone] = LyingLayer;
  const int below = LinkedField(field, DirBelow);
  // lower fields are visited first, so the stone below has already moved or rested this frame
  if (below != 0 && Pool.FieldStone[below] == 0) {
    Pool.FieldStone[below] = static_cast<int16_t>(stone);
    Pool.FieldStone[field] = 0;
    AddLight(Pool.X[field], Pool.Y[field], 0.5);
    RaiseSound(MoveSound, Pool.X[field]);
  } else {
    Pool.RestColour[field] = Pool.Picture[stone];
  }
}

// Marks a centre (a resting stone with at least two resting neighbours of its colour) and those
// neighbours. The centre counts even when an earlier centre marked it; that is how the points
// grow with the size of a group.
void MarkIfCentre(int centre) {
  std::array<int, DirectionCount> same{};
  int sameCount = 0;
  for (int dir = 1; dir <= DirectionCount; ++dir) {
    const int neighbour = LinkedField(centre, dir);
    if (neighbour != 0 && Pool.RestColour[neighbour] == Pool.RestColour[centre]) {
      same[sameCount++] = neighbour;
    }
  }
  if (sameCount < 2) return;
  ++GroupCount;
  for (int i = 0; i < sameCount; ++i) {
    if (Pool.ExplodeMark[same[i]] == 0) ++GroupCount;
  }
  Pool.ExplodeMark[centre] = 1;
  for (int i = 0; i < sameCount; ++i) Pool.ExplodeMark[same[i]] = 1;
}

// Adds the stone's points and shows them where it lay.
void ScoreStone(int field, int colour) {
  TShortString<PopupTextCapacity> text;
  if (Pool.Picture[field] == colour) {
    Score += 2 * GroupCount;
    text.Assign("2 X ");
    text.AppendNumber(GroupCount);
    AddScorePopup(Pool.X[field] - 30, Pool.Y[field], 7, text.View());
  } else {
    Score += GroupCount;
    text.AppendNumber(GroupCount);
    AddScorePopup(Pool.X[field] - 10, Pool.Y[field], 7, text.View());
  }
}

void ExplodeStone(int field) {
  const int colour = Pool.RestColour[field];
  SpawnExplosion(Pool.X[field], Pool.Y[field], colour);
  AddLight(Pool.X[field], Pool.Y[field], 0.7);
  ScoreStone(field, colour);
  const int stone = Pool.FieldStone[field];
  if (IsStone(stone)) FreeObject(stone);
  Pool.FieldStone[field] = 0;
  Pool.RestColour[field] = 0;
  Pool.ExplodeMark[field] = 0;
}

}  // namespace

void SettlingPass() {
  for (int field = 1; field <= PoolCapacity; ++field) {
    if (!IsBoardField(field)) continue;
    Pool.RestColour[field] = 0;
    Pool.ExplodeMark[field] = 0;
    const int stone = StoneOnField(field);
    SetShadowFrame(field, stone == 0 ? ShadowEmpty : ShadowHoldsStone);
    if (stone != 0) SettleStone(field, stone);
  }
}

void MatchPass() {
  GroupCount = 0;
  for (int field = 1; field <= PoolCapacity; ++field) {
    if (IsBoardField(field) && Pool.RestColour[field] > 0) MarkIfCentre(field);
  }
}

void ExplodeMarked() {
  // anything marked makes GroupCount at least 3: a group has three stones or more
  if (GroupCount <= 2) return;
  bool exploded = false;
  for (int field = 1; field <= PoolCapacity; ++field) {
    if (!IsBoardField(field) || Pool.ExplodeMark[field] <= 0) continue;
    ExplodeStone(field);
    exploded = true;
  }
  if (exploded) ++Kills;
}
