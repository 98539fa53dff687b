// Tests of the stone store: countdowns and filling, fill bonuses, pick-up and swap, the carried
// column, the drop onto a drop field and the store's labels, driven step by step.
#include "engine/rules/store.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "engine/globals.h"
#include "engine/rules/game.h"
#include "engine/rules/popups.h"
#include "engine/rules/settling.h"
#include "engine/shell/lighting.h"
#include "engine/shell/sound.h"
#include "engine/text1252.h"
#include "engine/ui/text.h"
#include "engine/world/pool.h"
#include "tests/board_fixture.h"
#include "tests/test_support.h"

namespace {

constexpr int FiveColumns = 3;
// The one-field middle column of game type 3: B rows 1..10 at x 346; row 10 is a drop field.
constexpr int MiddleX = 346;
constexpr int BRowY(int row) {
  return 510 - 24 * row;
}
int MiddleField(int row) {
  return BoardFieldAt(MiddleX, BRowY(row));
}
const int DropY = BRowY(10);

constexpr int RowX(int row) {
  return 30 * row + 120;
}
constexpr std::array<int, 4> SlotY = {0, 106, 132, 158};

// The store field of a row and slot (1 top), as the board build lays them out from slot 21.
constexpr int StoreField(int row, int slot) {
  return 21 + 2 * (3 * (row - 4) + slot - 1);
}

// One frame of the game screen's steps for a running game, then the carried column.
void RunFrame() {
  BeginFrame();
  RowCountdownStep();
  CountdownStartStep();
  SettlingPass();
  MatchPass();
  ExplodeMarked();
  DropStep();
  StorePickStep();
  CarriedColumnStep();
}

// Fills the row at once, as if its countdown had just run out.
void FillRowNow(int row) {
  const int16_t current = CurrentRow;
  CurrentRow = static_cast<int16_t>(row);
  RowCountdown[row] = 0;
  BeginFrame();
  RowCountdownStep();
  CurrentRow = current;
}

// A carried column of three fresh stones of colours 1, 2, 3 (top to bottom).
std::array<int, 4> CarryNewColumn() {
  std::array<int, 4> column{};
  for (int slot = 1; slot <= 3; ++slot) {
    column[slot] = SpawnStone(0, 0, slot);
    CarriedStones[slot] = column[slot];
  }
  Pool.Layer[column[1]] = Pool.Layer[column[2]] = Pool.Layer[column[3]] = 95;
  return column;
}

void HoldMouse(int x, int y) {
  MouseX = x;
  MouseY = y;
  LeftButton = 1;
}

bool PopupShows(std::string_view text) {
  for (int k = 1; k <= PopupCapacity; ++k) {
    if (PopupLife[k] > 0 && PopupText[k].View() == text) return true;
  }
  return false;
}

}  // namespace

TEST(StoreCountdown, RowsFillInOrderUntilTheStoreIsFull) {
  StartBoardGame(FiveColumns);
  std::array<int, LastStoreRow + 1> filledInFrame{};
  int frame = 0;
  while (GameEnded == 0 && frame < 5000) {
    ++frame;
    BeginFrame();
    RowCountdownStep();
    CountdownStartStep();
    for (int row = FirstStoreRow; row <= LastStoreRow; ++row) {
      if (filledInFrame[row] == 0 && StoreStones[row][1] > 0) {
        filledInFrame[row] = frame;
        EXPECT_EQ(SoundTrigger[18], 1) << "row " << row;
      }
    }
  }
  EXPECT_EQ(filledInFrame[4], 131);
  EXPECT_EQ(filledInFrame[5], 261);
  for (int row = FirstStoreRow + 1; row <= LastStoreRow; ++row) {
    EXPECT_GT(filledInFrame[row], filledInFrame[row - 1]) << "row " << row;
  }
  // the frame that fills the last row finds no waiting row and ends the game
  EXPECT_EQ(frame, filledInFrame[LastStoreRow]);
  EXPECT_EQ(CurrentRow, 12);
  EXPECT_EQ(SoundTrigger[17], 1);
  EXPECT_TRUE(PopupShows("LAGER VOLL !"));
}

TEST(StoreCountdown, FilledRowHoldsThreeStonesAndShowsItsShadows) {
  StartBoardGame(FiveColumns);
  FillRowNow(6);
  for (int slot = 1; slot <= 3; ++slot) {
    SCOPED_TRACE(slot);
    const int stone = StoreStones[6][slot];
    ASSERT_TRUE(IsStone(stone));
    EXPECT_EQ(Pool.X[stone], RowX(6));
    EXPECT_EQ(Pool.Y[stone], SlotY[slot]);
    EXPECT_EQ(Pool.Layer[stone], 85);
    EXPECT_GE(Pool.Picture[stone], 1);
    EXPECT_LE(Pool.Picture[stone], 6);
    EXPECT_EQ(Pool.Frame[StoreField(6, slot) + 1], 2);
    EXPECT_EQ(Pool.Frame[StoreField(5, slot) + 1], 1);  // the row beside it stays empty
  }
  EXPECT_EQ(RowCountdown[6], 0);
}

// Without room in the pool a row is never filled in part: it stays empty and waits again.
TEST(StoreCountdown, RowWithoutRoomForThreeStonesStaysEmptyAndWaits) {
  for (const int freeSlots : {0, 2}) {
    SCOPED_TRACE(freeSlots);
    StartBoardGame(FiveColumns);
    for (int id = StaticCount + 1; id < PoolCapacity - freeSlots; ++id) Pool.Active[id] = 1;
    RowCountdown[4] = 0;
    BeginFrame();
    RowCountdownStep();
    EXPECT_EQ(StoreStones[4], (std::array<int32_t, 4>{}));
    EXPECT_EQ(RowCountdown[4], CountdownStart);
    EXPECT_EQ(CurrentRow, 4);
    EXPECT_EQ(GameEnded, 0);
    EXPECT_EQ(SoundTrigger[18], 0);
    for (int id = PoolCapacity - freeSlots; id < PoolCapacity; ++id) EXPECT_FALSE(IsLive(id));
  }
}

TEST(StoreCountdown, LoweringTheStartValuePaysTheFillBonusDue) {
  struct TCase {
    int StartBefore;
    int Bonus;
    int K;
    std::string_view Text;
  };
  const TCase cases[] = {{120, 100, 1, W1252<"100 AUFFÜLLBONUS">()},
                         {10, 1200, 12, W1252<"1200 AUFFÜLLBONUS">()},
                         {121, 0, 0, ""}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.StartBefore);
    StartBoardGame(FiveColumns);
    for (int k = 1; k < c.K; ++k) FillBonusGiven[k] = 1;
    CountdownStart = c.StartBefore;
    RowCountdown.fill(c.StartBefore);
    RowCountdown[4] = 37;  // the current row counts on undisturbed
    CountdownStartTimer = 0;
    BeginFrame();
    CountdownStartStep();
    EXPECT_EQ(CountdownStart, c.StartBefore - 1);
    EXPECT_EQ(RowCountdown[5], c.StartBefore - 1);  // waiting rows follow the start value
    EXPECT_EQ(RowCountdown[4], 37);
    EXPECT_EQ(CountdownStartTimer, 200);
    EXPECT_EQ(Score, c.Bonus);
    if (c.K == 0) {
      EXPECT_EQ(PopupLife[1], 0);
      continue;
    }
    EXPECT_EQ(FillBonusGiven[c.K], 1);
    EXPECT_EQ(PopupText[1].View(), c.Text);
    EXPECT_EQ(PopupX[1], 200);
    EXPECT_EQ(PopupY[1], 160);
    EXPECT_EQ(PopupFont[1], 2);
    EXPECT_EQ(SoundTrigger[16], 1);
  }
}

TEST(StorePick, HeldButtonOverAFullRowPicksItUp) {
  StartBoardGame(FiveColumns);
  FillRowNow(7);
  const std::array<int32_t, 4> stones = StoreStones[7];
  HoldMouse(RowX(7), 150);
  BeginFrame();
  StorePickStep();
  for (int slot = 1; slot <= 3; ++slot) {
    SCOPED_TRACE(slot);
    EXPECT_EQ(CarriedStones[slot], stones[slot]);
    EXPECT_EQ(StoreStones[7][slot], 0);
    EXPECT_EQ(Pool.Layer[stones[slot]], 95);
    EXPECT_EQ(Pool.Frame[StoreField(7, slot) + 1], 1);
  }
  // waiting again at once
  EXPECT_EQ(RowCountdown[7], CountdownStart);
}

TEST(StorePick, HitAreaOfARowIsStrict) {
  struct TCase {
    int X;
    int Y;
    bool Picks;
  };
  const TCase cases[] = {{RowX(5) - 14, 132, true}, {RowX(5) - 15, 132, false},
                         {RowX(5) + 14, 132, true}, {RowX(5) + 15, 132, false},
                         {RowX(5), 94, true},       {RowX(5), 93, false},
                         {RowX(5), 196, true},      {RowX(5), 197, false}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.X << ", " << c.Y);
    StartBoardGame(FiveColumns);
    FillRowNow(5);
    HoldMouse(c.X, c.Y);
    StorePickStep();
    EXPECT_EQ(CarriedStones[1] > 0, c.Picks);
  }
}

TEST(StorePick, PickedRowIsTheNextToCountDownWhenLowest) {
  StartBoardGame(FiveColumns);
  for (int frame = 1; frame <= 131; ++frame) RunFrame();  // row 4 fills, row 5 counts
  ASSERT_GT(StoreStones[4][1], 0);
  HoldMouse(RowX(4), 132);
  RunFrame();
  ASSERT_GT(CarriedStones[1], 0);
  LeftButton = 0;
  while (StoreStones[5][1] == 0) RunFrame();
  EXPECT_EQ(CurrentRow, 4);
}

// Holding the button over a full row swaps the columns in every frame it stays down.
TEST(StorePick, SwapEveryFrameTheButtonStaysDown) {
  for (const int frames : {1, 2, 3, 4}) {
    SCOPED_TRACE(frames);
    StartBoardGame(FiveColumns);
    FillRowNow(8);
    const std::array<int32_t, 4> inRow = StoreStones[8];
    const std::array<int, 4> carried = CarryNewColumn();
    HoldMouse(RowX(8), 120);
    for (int frame = 1; frame <= frames; ++frame) {
      BeginFrame();
      StorePickStep();
      CarriedColumnStep();
    }
    const bool swapped = frames % 2 == 1;
    for (int slot = 1; slot <= 3; ++slot) {
      SCOPED_TRACE(slot);
      const int lying = swapped ? carried[slot] : inRow[slot];
      const int lifted = swapped ? inRow[slot] : carried[slot];
      EXPECT_EQ(StoreStones[8][slot], lying);
      EXPECT_EQ(CarriedStones[slot], lifted);
      EXPECT_EQ(Pool.Layer[lying], 85);
      EXPECT_EQ(Pool.X[lying], RowX(8));
      EXPECT_EQ(Pool.Y[lying], SlotY[slot]);
      EXPECT_EQ(Pool.Layer[lifted], 95);
    }
    EXPECT_EQ(RowCountdown[8], 0);
  }
}

TEST(CarriedColumn, FollowsTheMouseAndLightsTheStoreColumnWhileRunning) {
  StartBoardGame(FiveColumns);
  const std::array<int, 4> column = CarryNewColumn();
  MouseX = RowX(9) + 5;
  MouseY = 160;
  CarriedColumnStep();
  const int lift[] = {0, 52, 26, 0};
  for (int slot = 1; slot <= 3; ++slot) {
    EXPECT_EQ(Pool.X[column[slot]], MouseX);
    EXPECT_EQ(Pool.Y[column[slot]], MouseY - lift[slot]);
    EXPECT_EQ(Pool.Picture[StoreField(9, slot)], 7);
    EXPECT_EQ(Pool.Picture[StoreField(10, slot)], 2);
  }

  // after the game has ended the column still follows, but the store is no longer lit anew
  GameEnded = 1;
  MouseX = RowX(4);
  MouseY = 300;
  CarriedColumnStep();
  EXPECT_EQ(Pool.X[column[1]], RowX(4));
  EXPECT_EQ(Pool.Y[column[1]], 248);
  EXPECT_EQ(Pool.Picture[StoreField(9, 1)], 7);
}

// The three ways a column lands, and the ways it does not.
TEST(Drop, PlacesWhatFitsOfTheColumn) {
  struct TCase {
    const char* Name;
    std::array<bool, 4> Occupied;  // [1] drop field, [2] field below it, [3] the one below that
    std::array<int, 4> LandsSlot;  // carried slot that lands on each, 0 = none
    int Placed;
  };
  const TCase cases[] = {
      {"room for three", {false, false, false, false}, {0, 1, 2, 3}, 3},
      {"room for two", {false, false, false, true}, {0, 2, 3, 0}, 2},
      {"room for one", {false, false, true, true}, {0, 3, 0, 0}, 1},
      {"gap below a stone", {false, false, true, false}, {0, 0, 0, 0}, 0},
      {"drop field taken", {false, true, false, false}, {0, 0, 0, 0}, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    StartBoardGame(FiveColumns);
    const int fields[] = {0, MiddleField(10), MiddleField(9), MiddleField(8)};
    for (int i = 1; i <= 3; ++i) {
      if (c.Occupied[i]) PutStoneOn(fields[i], 6);
    }
    const std::array<int, 4> column = CarryNewColumn();
    HoldMouse(MiddleX + 9, DropY - 9);
    BeginFrame();
    DropStep();

    EXPECT_EQ(Pool.Picture[fields[1]], 7);
    EXPECT_EQ(Score, c.Placed);
    EXPECT_EQ(StonesPlaced, c.Placed);
    EXPECT_EQ(CarriedStones[1] > 0, c.Placed == 0);
    for (int i = 1; i <= 3; ++i) {
      if (c.LandsSlot[i] != 0) {
        EXPECT_EQ(Pool.FieldStone[fields[i]], column[c.LandsSlot[i]]) << "field " << i;
      }
    }
    // the upper stones that found no room are gone; a column that did not land is kept whole
    const int lost = c.Placed == 0 ? 0 : 3 - c.Placed;
    for (int slot = 1; slot <= 3; ++slot) {
      EXPECT_EQ(IsLive(column[slot]), slot > lost) << "slot " << slot;
    }
  }
}

TEST(Drop, DropFieldLightsUnderTheMouseAndOnlyADroppedColumnLands) {
  struct TCase {
    const char* Name;
    int X;
    int Y;
    bool Button;
    int16_t Picture;
    bool Lands;
  };
  const TCase cases[] = {
      {"hovering", MiddleX, DropY, false, 7, false},
      {"held on the centre", MiddleX - 9, DropY + 9, true, 7, true},
      {"10 px off", MiddleX + 10, DropY, true, 8, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    StartBoardGame(FiveColumns);
    CarryNewColumn();
    MouseX = c.X;
    MouseY = c.Y;
    LeftButton = c.Button ? 1 : 0;
    BeginFrame();
    DropStep();
    EXPECT_EQ(Pool.Picture[MiddleField(10)], c.Picture);
    EXPECT_EQ(Pool.FieldStone[MiddleField(10)] != 0, c.Lands);
  }
}

TEST(Drop, DroppedColumnSettlesToTheBottom) {
  StartBoardGame(FiveColumns);
  const std::array<int, 4> column = CarryNewColumn();
  HoldMouse(MiddleX, DropY);
  RunFrame();
  LeftButton = 0;
  for (int frame = 1; frame <= 10; ++frame) RunFrame();
  for (int slot = 1; slot <= 3; ++slot) {
    EXPECT_EQ(Pool.FieldStone[MiddleField(4 - slot)], column[slot]);
  }
  EXPECT_EQ(StonesPlaced, 3);
}

// A drop field with no field below it leaves no field below that either, whatever slot 0 holds.
TEST(Drop, DropFieldWithNothingBelowTakesOnlyTheBottomStone) {
  StartBoardGame(FiveColumns);
  const int top = MiddleField(10);
  Pool.Neighbour[top][DirBelow] = 0;
  const int unrelated = MiddleField(2);
  Pool.Neighbour[0][DirBelow] = unrelated;  // slot 0 is never read as a field
  const std::array<int, 4> column = CarryNewColumn();
  HoldMouse(MiddleX, DropY);
  BeginFrame();
  DropStep();
  Pool.Neighbour[0][DirBelow] = 0;

  EXPECT_EQ(Pool.FieldStone[top], column[3]);
  EXPECT_EQ(Pool.FieldStone[unrelated], 0);
  EXPECT_EQ(StonesPlaced, 1);
  EXPECT_EQ(CarriedStones[1], 0);
}

TEST(StoreLabels, CountdownNumbersStandUnderTheirRows) {
  StartBoardGame(FiveColumns);
  RowCountdown[4] = 7;
  RowCountdown[5] = 42;
  RowCountdown[6] = 130;
  RowCountdown[7] = 1000;
  BeginFrame();
  DrawStoreLabels();
  // every text opens with an empty entry at its x; the numbers stand at y 180
  std::array<int, 12> labelX{};
  int labels = 0;
  for (int i = 1; i <= TextCount; ++i) {
    if (TextQueue.GlyphY[i] == 180 && TextQueue.Glyph[i] == 0 && labels < 12) {
      labelX[labels++] = TextQueue.GlyphX[i];
    }
  }
  ASSERT_EQ(labels, 7);  // no number for the countdown of 1000
  EXPECT_EQ(labelX[0], RowX(4) - 10);
  EXPECT_EQ(labelX[1], RowX(5) - 14);
  EXPECT_EQ(labelX[2], RowX(6) - 20);
  EXPECT_EQ(labelX[3], RowX(8) - 20);
}

// The whole road through the game: START, wait for row 4, lift it, drop it on the middle column.
TEST(HeadlessStore, ColumnGoesFromTheStoreOntoTheBoard) {
  HeadlessGame game(5);
  game.Load();
  game.Move(51, 200);  // START acts while the button is held over it
  game.Press(TMouseButton::Left);
  game.Tick();
  game.Release(TMouseButton::Left);
  ASSERT_EQ(GameRunning, 1);
  for (int tick = 0; tick < 200 && StoreStones[4][1] == 0; ++tick) game.Tick();
  ASSERT_GT(StoreStones[4][1], 0);
  const std::array<int32_t, 4> column = StoreStones[4];

  game.Move(RowX(4), 132);
  game.Press(TMouseButton::Left);
  game.Tick();
  ASSERT_EQ(CarriedStones, column);
  EXPECT_EQ(Pool.Y[column[1]], 132 - 52);

  game.Move(MiddleX, DropY);
  game.Tick();
  game.Release(TMouseButton::Left);
  EXPECT_EQ(StonesPlaced, 3);
  EXPECT_EQ(CarriedStones[1], 0);

  game.Tick(12);
  const bool oneColour = Pool.Picture[column[1]] == Pool.Picture[column[2]] &&
                         Pool.Picture[column[2]] == Pool.Picture[column[3]];
  if (oneColour) {
    EXPECT_EQ(Kills, 1);
  } else {
    for (int slot = 1; slot <= 3; ++slot) {
      EXPECT_EQ(Pool.FieldStone[MiddleField(4 - slot)], column[slot]) << "slot " << slot;
      EXPECT_EQ(Pool.Y[column[slot]], BRowY(4 - slot));
    }
  }
}
