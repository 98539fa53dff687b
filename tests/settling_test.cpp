// Tests of settling, matching, explosions and scoring on real boards, one frame of the three
// passes at a time.
#include "engine/rules/settling.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/globals.h"
#include "engine/rules/game.h"
#include "engine/rules/popups.h"
#include "engine/shell/lighting.h"
#include "engine/shell/sound.h"
#include "engine/text1252.h"
#include "engine/ui/text.h"
#include "engine/world/layouts.h"
#include "engine/world/pool.h"
#include "tests/board_fixture.h"

namespace {

// Board lattice rows: A row r at y = 522 - 24r, B row r 12 px higher.
constexpr int ARowY(int row) {
  return 522 - 24 * row;
}
constexpr int BRowY(int row) {
  return 510 - 24 * row;
}

// Game type 3, "5 SÄULEN": the middle column (x 346, B rows 1..10, colour 3) is one field wide;
// the left pillar is two columns wide, A at x 157 and B at x 178, colour 5. Row 10 is the top,
// a drop field.
constexpr int FiveColumns = 3;
constexpr int MiddleX = 346;
constexpr int LeftAX = 157;
constexpr int LeftBX = 178;

struct TStone {
  int X;
  int Y;
  int Colour;
};

int MiddleField(int row) {
  return BoardFieldAt(MiddleX, BRowY(row));
}

void PutStones(const std::vector<TStone>& stones) {
  for (const TStone& stone : stones) {
    const int field = BoardFieldAt(stone.X, stone.Y);
    ASSERT_NE(field, 0) << "no field at " << stone.X << ", " << stone.Y;
    PutStoneOn(field, stone.Colour);
  }
}

void RunPasses() {
  BeginFrame();
  SettlingPass();
  MatchPass();
  ExplodeMarked();
}

int StonesOnBoard() {
  int count = 0;
  for (int id = 1; id <= PoolCapacity; ++id) {
    if (IsBoardField(id) && Pool.FieldStone[id] != 0) ++count;
  }
  return count;
}

std::vector<TStone> MiddleColumnOf(int rows, int colour) {
  std::vector<TStone> stones;
  for (int row = 1; row <= rows; ++row) stones.push_back({MiddleX, BRowY(row), colour});
  return stones;
}

}  // namespace

// The worked examples: all stones rest from the first frame, so the groups explode in it.
TEST(Matching, WorkedExamplesScoreTheirGroupCount) {
  // Two on their field's colour 3 (rows 8, 9), the top one on the drop field: 3 + 6 + 6.
  std::vector<TStone> ownColour = {{MiddleX, BRowY(1), 1}, {MiddleX, BRowY(2), 2},
                                   {MiddleX, BRowY(3), 1}, {MiddleX, BRowY(4), 2},
                                   {MiddleX, BRowY(5), 1}, {MiddleX, BRowY(6), 2},
                                   {MiddleX, BRowY(7), 1}, {MiddleX, BRowY(8), 3},
                                   {MiddleX, BRowY(9), 3}, {MiddleX, BRowY(10), 3}};
  std::vector<TStone> twoGroups = MiddleColumnOf(3, 1);
  for (int row = 1; row <= 3; ++row) twoGroups.push_back({LeftAX, ARowY(row), 2});

  struct TCase {
    const char* Name;
    std::vector<TStone> Stones;
    int GroupCount;
    int Exploded;
    int Points;
  };
  const TCase cases[] = {
      {"column of three", MiddleColumnOf(3, 1), 3, 3, 9},
      {"column of four", MiddleColumnOf(4, 1), 5, 4, 20},
      {"column of five", MiddleColumnOf(5, 1), 7, 5, 35},
      {"two groups of other colours at once", twoGroups, 6, 6, 36},
      {"two of three on their own colour", ownColour, 3, 3, 15},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    StartBoardGame(FiveColumns);
    PutStones(c.Stones);
    RunPasses();
    EXPECT_EQ(GroupCount, c.GroupCount);
    EXPECT_EQ(static_cast<int>(c.Stones.size()) - StonesOnBoard(), c.Exploded);
    EXPECT_EQ(Score, c.Points);
    EXPECT_EQ(Kills, 1);
    EXPECT_EQ(SoundTrigger[4], 1);
  }
}

TEST(Matching, PopupsShowThePointsOfEachStone) {
  StartBoardGame(FiveColumns);
  // rows 8 and 9 lie on fields of their colour 3; row 10 is the drop field
  for (int row = 1; row <= 7; ++row) PutStoneOn(MiddleField(row), 1 + row % 2);
  for (int row = 8; row <= 10; ++row) PutStoneOn(MiddleField(row), 3);
  RunPasses();

  struct TPopup {
    int X;
    int Y;
    std::string_view Text;
  };
  const TPopup expected[] = {{MiddleX - 30, BRowY(8), "2 X 3"},
                             {MiddleX - 30, BRowY(9), "2 X 3"},
                             {MiddleX - 10, BRowY(10), "3"}};
  for (int k = 1; k <= 3; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(PopupLife[k], 50);
    EXPECT_EQ(PopupX[k], expected[k - 1].X);
    EXPECT_EQ(PopupY[k], expected[k - 1].Y);
    EXPECT_EQ(PopupFont[k], 7);
    EXPECT_EQ(PopupText[k].View(), expected[k - 1].Text);
  }
  EXPECT_EQ(PopupLife[4], 0);
}

TEST(Matching, ExplodedStonesAreFreedAndTheirFieldsCleared) {
  StartBoardGame(FiveColumns);
  std::vector<int> stones;
  for (int row = 1; row <= 3; ++row) stones.push_back(PutStoneOn(MiddleField(row), 4));
  RunPasses();
  for (int row = 1; row <= 3; ++row) {
    SCOPED_TRACE(row);
    EXPECT_FALSE(IsLive(stones[row - 1]));
    EXPECT_EQ(Pool.FieldStone[MiddleField(row)], 0);
    EXPECT_EQ(Pool.RestColour[MiddleField(row)], 0);
    EXPECT_EQ(Pool.ExplodeMark[MiddleField(row)], 0);
  }
  // one explosion in the stone's colour per stone
  int explosions = 0;
  for (int id = 1; id <= PoolCapacity; ++id) {
    if (IsLive(id) && Pool.Kind[id] == KindExplosion && Pool.Picture[id] == 4) ++explosions;
  }
  EXPECT_EQ(explosions, 3);
}

TEST(Matching, ChainWaveScoresItsOwnGroupCount) {
  StartBoardGame(FiveColumns);
  // blue 2 in rows 2..4 explodes at once; the two reds above then fall onto the red in row 1
  const int colours[] = {1, 2, 2, 2, 1, 1};
  for (int row = 1; row <= 6; ++row) PutStoneOn(MiddleField(row), colours[row - 1]);

  RunPasses();
  EXPECT_EQ(Score, 9);
  EXPECT_EQ(Kills, 1);

  // three frames of falling into the gap, then the second wave
  for (int frame = 1; frame <= 3; ++frame) {
    RunPasses();
    SCOPED_TRACE(frame);
    EXPECT_EQ(SoundTrigger[2], 1);
    EXPECT_EQ(Kills, 1);
  }
  RunPasses();
  EXPECT_EQ(GroupCount, 3);
  EXPECT_EQ(Score, 18);
  EXPECT_EQ(Kills, 2);
  EXPECT_EQ(StonesOnBoard(), 0);
}

TEST(Matching, TwoStonesOfOneColourNeverExplode) {
  StartBoardGame(FiveColumns);
  PutStoneOn(MiddleField(1), 2);
  PutStoneOn(MiddleField(2), 2);
  for (int frame = 1; frame <= 5; ++frame) RunPasses();
  EXPECT_EQ(GroupCount, 0);
  EXPECT_EQ(Kills, 0);
  EXPECT_EQ(StonesOnBoard(), 2);
}

TEST(Settling, ColumnFallsOneFieldPerFrameUntilItRests) {
  StartBoardGame(FiveColumns);
  // a resting stone in row 1; a column of three dropped onto rows 8..10 lands on it
  PutStoneOn(MiddleField(1), 4);
  const int column[] = {PutStoneOn(MiddleField(8), 1), PutStoneOn(MiddleField(9), 2),
                        PutStoneOn(MiddleField(10), 1)};

  for (int frame = 1; frame <= 6; ++frame) {
    RunPasses();
    SCOPED_TRACE(frame);
    EXPECT_EQ(SoundTrigger[2], 1);
    EXPECT_EQ(LightCount, 3);  // one flash per moving stone
    for (int i = 0; i < 3; ++i) {
      const int from = 8 + i - frame + 1;
      // the stone has moved on in FieldStone but is drawn at the field it left
      EXPECT_EQ(Pool.FieldStone[MiddleField(from - 1)], column[i]);
      EXPECT_EQ(Pool.Y[column[i]], BRowY(from));
      EXPECT_EQ(Pool.RestColour[MiddleField(from)], 0);
    }
    // the field the top stone left still shows the shadow of a stone in this frame
    EXPECT_EQ(Pool.Frame[MiddleField(10 - frame + 1) + 1], 2);
  }

  RunPasses();  // rows 2..4: resting on the stone in row 1
  EXPECT_EQ(SoundTrigger[2], 0);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Pool.FieldStone[MiddleField(2 + i)], column[i]);
    EXPECT_EQ(Pool.Y[column[i]], BRowY(2 + i));
    EXPECT_EQ(Pool.Layer[column[i]], 85);
    EXPECT_EQ(Pool.RestColour[MiddleField(2 + i)], Pool.Picture[column[i]]);
  }
  EXPECT_EQ(Pool.Frame[MiddleField(4) + 1], 2);
  EXPECT_EQ(Pool.Frame[MiddleField(5) + 1], 1);
}

TEST(Settling, GroupCompletesOnlyWhenItsTopStoneRests) {
  StartBoardGame(FiveColumns);
  PutStoneOn(MiddleField(1), 5);
  PutStoneOn(MiddleField(2), 5);
  PutStoneOn(MiddleField(5), 5);
  RunPasses();  // falls to row 4
  RunPasses();  // falls to row 3: the group is whole but its top stone still moves
  EXPECT_EQ(Pool.FieldStone[MiddleField(3)] != 0, true);
  EXPECT_EQ(Kills, 0);
  EXPECT_EQ(Score, 0);
  RunPasses();  // rests
  EXPECT_EQ(Kills, 1);
  EXPECT_EQ(Score, 9);
}

TEST(Settling, StoneFallingPastItsColourDoesNotTriggerIt) {
  StartBoardGame(FiveColumns);
  // Left pillar. Resting: A rows 1..6 with colour 1 in rows 4 and 5, and B row 1. The falling
  // colour-1 stone passes B row 4, between A rows 4 and 5, and lands on B row 2, away from them.
  const int pillarA[] = {2, 3, 2, 1, 1, 2};
  for (int row = 1; row <= 6; ++row) PutStoneOn(BoardFieldAt(LeftAX, ARowY(row)), pillarA[row - 1]);
  PutStoneOn(BoardFieldAt(LeftBX, BRowY(1)), 3);
  const int falling = PutStoneOn(BoardFieldAt(LeftBX, BRowY(7)), 1);

  for (int frame = 1; frame <= 8; ++frame) RunPasses();
  EXPECT_EQ(Pool.FieldStone[BoardFieldAt(LeftBX, BRowY(2))], falling);
  EXPECT_EQ(Kills, 0);
  EXPECT_EQ(Score, 0);
  EXPECT_EQ(StonesOnBoard(), 8);
}

TEST(Settling, StaleStoneIdOnAFieldCountsAsEmpty) {
  StartBoardGame(FiveColumns);
  // a field that still names a freed stone must neither hold up the column nor touch the slot
  const int stale = PutStoneOn(MiddleField(1), 2);
  FreeObject(stale);
  const int falling = PutStoneOn(MiddleField(2), 2);
  RunPasses();
  EXPECT_EQ(Pool.FieldStone[MiddleField(1)], falling);
  EXPECT_EQ(Pool.Layer[stale], 85);
  EXPECT_EQ(Pool.X[stale], 0);
}
