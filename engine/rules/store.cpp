// The stone store: every frame of a running game the rows count down and fill, the start value
// sinks and pays fill bonuses, and the player picks columns up, swaps them and drops them onto the
// board.
#include "engine/rules/store.h"

#include <cstdlib>

#include "engine/globals.h"
#include "engine/rules/game.h"
#include "engine/rules/popups.h"
#include "engine/rules/settling.h"
#include "engine/shell/lighting.h"
#include "engine/shell/sound.h"
#include "engine/text1252.h"
#include "engine/ui/text.h"
#include "engine/world/pool.h"

namespace {

constexpr std::array<int, StoreSlotCount + 1> SlotY = {0, 106, 132, 158};
// How far above the mouse each carried stone hangs, top to bottom.
constexpr std::array<int, StoreSlotCount + 1> CarryLift = {0, 52, 26, 0};
constexpr int16_t LyingLayer = 85;
constexpr int16_t CarriedLayer = 95;
constexpr int16_t ShadowEmpty = 1;
constexpr int16_t ShadowHoldsStone = 2;
constexpr int16_t StoreFieldPicture = 2;
constexpr int16_t LitPicture = 7;
constexpr int16_t DropFieldPicture = 8;
constexpr int StoreFullRow = LastStoreRow + 1;
constexpr int LoweringWait = 200;
constexpr int DropReach = 10;  // the mouse must come this close to a drop field's centre

enum : int { SoundBonus = 16, SoundStoreFull = 17, SoundRowFilled = 18 };

constexpr int RowX(int row) {
  return 30 * row + 120;
}

bool ColumnCarried() {
  return CarriedStones[1] > 0;
}
bool RowFull(int row) {
  return StoreStones[row][1] > 0;
}

bool IsStoreField(int id) {
  return IsLive(id) && Pool.Kind[id] == KindBoard && Pool.SubKind[id] == SubKindField &&
         Pool.Tag[id] == 0;
}

// Strictly inside the field's drawn width, so the three fields of a row share one column.
bool FieldSpansX(int field, int x) {
  return Pool.X[field] - Pool.HalfWidth[field] < x && x < Pool.X[field] + Pool.HalfWidth[field];
}

void MoveStone(int stone, int x, int y) {
  if (!IsStone(stone)) return;
  Pool.X[stone] = static_cast<int16_t>(x);
  Pool.Y[stone] = static_cast<int16_t>(y);
}

void SetStoneLayer(int stone, int16_t layer) {
  if (IsStone(stone)) Pool.Layer[stone] = layer;
}

void FreeStone(int stone) {
  if (IsStone(stone)) FreeObject(stone);
}

// The shadows of the row's three store fields show whether the row holds stones.
void SetRowShadows(int row, int16_t frame) {
  for (int field = 1; field < PoolCapacity; ++field) {
    if (IsStoreField(field) && FieldSpansX(field, RowX(row))) Pool.Frame[field + 1] = frame;
  }
}

// Row countdowns: the current row counts down and fills; the start value sinks and pays
// bonuses.

// Spawns the row's three stones, top to bottom. Without room for all three, none is kept and the
// row waits again, so that no row ever holds a partial column.
void FillRow(int row) {
  std::array<int16_t, StoreSlotCount + 1> stones{};
  bool complete = true;
  for (int slot = 1; slot <= StoreSlotCount; ++slot) {
    const int colour = Random(6) + 1;
    stones[slot] = SpawnStone(RowX(row), SlotY[slot], colour);
    if (stones[slot] == 0) complete = false;
  }
  if (!complete) {
    for (int slot = 1; slot <= StoreSlotCount; ++slot) FreeStone(stones[slot]);
    RowCountdown[row] = CountdownStart;
    return;
  }
  for (int slot = 1; slot <= StoreSlotCount; ++slot) StoreStones[row][slot] = stones[slot];
  SetRowShadows(row, ShadowHoldsStone);
  RaiseSound(SoundRowFilled, RowX(row));
}

// The lowest row that is empty and waiting, or StoreFullRow when there is none.
int16_t NextWaitingRow() {
  for (int row = FirstStoreRow; row <= LastStoreRow; ++row) {
    if (RowCountdown[row] == CountdownStart) return static_cast<int16_t>(row);
  }
  return StoreFullRow;
}

void EndGameStoreFull() {
  GameEnded = 1;
  RaiseSound(SoundStoreFull, 400);
  AddScorePopup(430, 180, 1, "LAGER VOLL !");
}

void PayFillBonuses() {
  for (int k = 1; k <= FillBonusCount; ++k) {
    if (CountdownStart >= 130 - 10 * k || FillBonusGiven[k] != 0) continue;
    const int bonus = 100 * k;
    Score += bonus;
    TShortString<PopupTextCapacity> text;
    text.AppendNumber(bonus);
    text.Append(W1252<" AUFFÜLLBONUS">());
    AddScorePopup(200, 160, 2, text.View());
    FillBonusGiven[k] = 1;
    RaiseSound(SoundBonus, 400);
  }
}

// Drop: the carried column goes onto a drop field and the fields below it.

bool IsDropField(int id) {
  return IsBoardField(id) &&
         (Pool.Picture[id] == DropFieldPicture || Pool.Picture[id] == LitPicture);
}

bool MouseOnField(int field) {
  return std::abs(MouseX - Pool.X[field]) < DropReach &&
         std::abs(MouseY - Pool.Y[field]) < DropReach;
}

// A missing field counts as occupied.
bool Occupied(int field) {
  return field == 0 || Pool.FieldStone[field] > 0;
}

void PutStone(int field, int stone) {
  Pool.FieldStone[field] = static_cast<int16_t>(stone);
}

// Puts as much of the carried column on the drop field and the two fields below it as fits; the
// upper stones that find no room are lost. Each stone that reaches the board scores 1.
void TryPlaceColumn(int top) {
  const int below1 = LinkedField(top, DirBelow);
  // without a field below the drop field there is none below that either
  const int below2 = LinkedField(below1, DirBelow);
  if (Occupied(top)) return;
  int placed = 0;
  if (!Occupied(below1) && !Occupied(below2)) {
    PutStone(top, CarriedStones[1]);
    PutStone(below1, CarriedStones[2]);
    PutStone(below2, CarriedStones[3]);
    placed = 3;
  } else if (!Occupied(below1)) {
    PutStone(top, CarriedStones[2]);
    PutStone(below1, CarriedStones[3]);
    FreeStone(CarriedStones[1]);
    placed = 2;
  } else if (Occupied(below2)) {
    PutStone(top, CarriedStones[3]);
    FreeStone(CarriedStones[1]);
    FreeStone(CarriedStones[2]);
    placed = 1;
  } else {
    return;  // a stone sits in the way with a gap below it
  }
  Score += placed;
  StonesPlaced += placed;
  CarriedStones = {};
}

// Pick-up and swap: a full row under the held button becomes the carried column.

bool MouseOnRow(int row) {
  return RowX(row) - 15 < MouseX && MouseX < RowX(row) + 15 && 93 < MouseY && MouseY < 197;
}

void PickUpRow(int row) {
  for (int slot = 1; slot <= StoreSlotCount; ++slot) {
    CarriedStones[slot] = StoreStones[row][slot];
    StoreStones[row][slot] = 0;
    SetStoneLayer(CarriedStones[slot], CarriedLayer);
  }
  RowCountdown[row] = CountdownStart;
  SetRowShadows(row, ShadowEmpty);
}

// The carried column goes into the row and the row's column is carried; the row stays full.
void SwapWithRow(int row) {
  for (int slot = 1; slot <= StoreSlotCount; ++slot) {
    const int fromRow = StoreStones[row][slot];
    StoreStones[row][slot] = CarriedStones[slot];
    MoveStone(StoreStones[row][slot], RowX(row), SlotY[slot]);
    SetStoneLayer(StoreStones[row][slot], LyingLayer);
    CarriedStones[slot] = fromRow;
    SetStoneLayer(fromRow, CarriedLayer);
  }
}

}  // namespace

void DrawStoreLabels() {
  QueueText(220, 80, 1, 0, "STEINELAGER");
  for (int row = FirstStoreRow; row <= LastStoreRow; ++row) {
    const int value = RowCountdown[row];
    if (value >= 1000) continue;  // no room for four digits
    const int x = RowX(row) - (value < 10 ? 10 : value < 100 ? 14 : 20);
    TShortString<8> number;
    number.AppendNumber(value);
    QueueText(x, 180, 1, 0, number.View());
  }
}

void RowCountdownStep() {
  const int row = CurrentRow;
  if (RowCountdown[row] > 0) {
    --RowCountdown[row];
    return;
  }
  if (row < StoreFullRow) FillRow(row);
  // chosen anew every time a countdown runs out, also when nothing was filled
  CurrentRow = NextWaitingRow();
  if (CurrentRow == StoreFullRow) EndGameStoreFull();
}

void CountdownStartStep() {
  if (CountdownStartTimer > 0) {
    --CountdownStartTimer;
    return;
  }
  for (int row = FirstStoreRow; row <= LastStoreRow; ++row) {
    if (RowCountdown[row] == CountdownStart) RowCountdown[row] = CountdownStart - 1;
  }
  if (CountdownStart > 1) {
    --CountdownStart;
    PayFillBonuses();
  }
  CountdownStartTimer = LoweringWait;
}

void DropStep() {
  for (int field = 1; field <= PoolCapacity; ++field) {
    if (!IsDropField(field)) continue;
    if (!MouseOnField(field)) {
      Pool.Picture[field] = DropFieldPicture;
    } else if (LeftButton == 0) {
      Pool.Picture[field] = LitPicture;
      AddLight(Pool.X[field], Pool.Y[field], 0.3);
    } else if (ColumnCarried()) {
      Pool.Picture[field] = LitPicture;
      AddLight(Pool.X[field], Pool.Y[field], 0.7);
      TryPlaceColumn(field);
    }
  }
}

void StorePickStep() {
  if (LeftButton == 0) return;
  for (int row = 1; row <= StoreRowCount; ++row) {
    if (!RowFull(row) || !MouseOnRow(row)) continue;
    if (ColumnCarried()) {
      SwapWithRow(row);
    } else {
      PickUpRow(row);
    }
  }
}

void CarriedColumnStep() {
  if (ColumnCarried()) {
    for (int slot = 1; slot <= StoreSlotCount; ++slot) {
      MoveStone(CarriedStones[slot], MouseX, MouseY - CarryLift[slot]);
    }
  }
  if (GameRunning == 0 || GameEnded != 0) return;
  for (int field = 1; field <= PoolCapacity; ++field) {
    if (!IsStoreField(field)) continue;
    const bool lit = FieldSpansX(field, MouseX) && 90 < MouseY && MouseY < 170;
    Pool.Picture[field] = lit ? LitPicture : StoreFieldPicture;
  }
}
