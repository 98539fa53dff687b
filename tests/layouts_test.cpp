// Tests of the board set-up: the eight layouts, their neighbour links and drop fields, the store
// fields, and the values a new game starts from.
#include "engine/world/layouts.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "engine/globals.h"
#include "engine/rules/game.h"
#include "engine/rules/store.h"
#include "engine/shell/lighting.h"
#include "engine/world/pool.h"

namespace {

const int OppositeDirection[7] = {0, 4, 5, 6, 1, 2, 3};

void BuildBoard(int gameMode) {
  RandomSeed(1);
  GameMode = gameMode;
  NewGame();
}

bool IsBoardField(int id) {
  return Pool.Active[id] >= 1 && Pool.Kind[id] == KindBoard && Pool.SubKind[id] == SubKindField &&
         Pool.Tag[id] == 1;
}

std::vector<int> BoardFields() {
  std::vector<int> ids;
  for (int id = 1; id <= PoolCapacity; ++id)
    if (IsBoardField(id)) ids.push_back(id);
  return ids;
}

// Fields along direction 1 from id, id included.
int ChainBelow(int id) {
  int length = 0;
  for (int at = id; at != 0 && length <= PoolCapacity; at = Pool.Neighbour[at][DirBelow]) ++length;
  return length;
}

struct TLayoutCase {
  int GameMode;
  TLayoutCounts Counts;
  std::set<int> ChainLengths;  // lengths of the chains below the drop fields
};

const TLayoutCase LayoutCases[] = {
    {1, {189, 63, 446}, {3}},        {2, {30, 3, 128}, {10}}, {3, {90, 9, 248}, {10}},
    {4, {109, 19, 286}, {3, 5, 10}}, {5, {60, 20, 188}, {3}}, {6, {72, 24, 212}, {3}},
    {7, {80, 20, 228}, {4}},         {8, {20, 5, 108}, {4}},
};

}  // namespace

TEST(Layouts, EveryGameTypeBuildsItsBoardWithSoundLinks) {
  for (const TLayoutCase& c : LayoutCases) {
    SCOPED_TRACE(testing::Message() << "GameMode " << c.GameMode);
    BuildBoard(c.GameMode);
    const std::vector<int> fields = BoardFields();

    EXPECT_EQ(static_cast<int>(fields.size()), c.Counts.BoardFields);
    EXPECT_EQ(StaticCount, c.Counts.StaticCount);
    EXPECT_EQ(LayoutCounts[c.GameMode].StaticCount, c.Counts.StaticCount);

    int dropFields = 0;
    std::set<int> chainLengths;
    for (int id : fields) {
      // the shadow follows its field directly
      EXPECT_EQ(Pool.SubKind[id + 1], SubKindShadow) << id;
      EXPECT_EQ(Pool.X[id + 1], Pool.X[id] + 10) << id;

      for (int d = 1; d <= 6; ++d) {
        const int other = Pool.Neighbour[id][d];
        if (other == 0) continue;
        ASSERT_TRUE(IsBoardField(other)) << id << " dir " << d;
        EXPECT_EQ(Pool.Neighbour[other][OppositeDirection[d]], id) << id << " dir " << d;
      }
      const int below = Pool.Neighbour[id][DirBelow];
      if (below != 0) {
        EXPECT_LT(below, id);
      }

      const bool drop = Pool.Neighbour[id][DirAbove] == 0;
      EXPECT_EQ(Pool.Picture[id] == PictureDropField, drop) << id;
      if (drop) {
        ++dropFields;
        chainLengths.insert(ChainBelow(id));
      } else {
        EXPECT_GE(Pool.Picture[id], 1) << id;
        EXPECT_LE(Pool.Picture[id], 6) << id;
      }
    }
    EXPECT_EQ(dropFields, c.Counts.DropFields);
    EXPECT_EQ(chainLengths, c.ChainLengths);

    // links join board fields only
    for (int id = 1; id <= PoolCapacity; ++id)
      if (!IsBoardField(id)) {
        for (int d = 1; d <= 6; ++d) EXPECT_EQ(Pool.Neighbour[id][d], 0) << id;
      }
  }
}

TEST(Layouts, StoreFieldsLieInRowsOfThree) {
  BuildBoard(3);
  for (int row = 4; row <= 11; ++row) {
    for (int k = 1; k <= 3; ++k) {
      const int id = 21 + 2 * (3 * (row - 4) + k - 1);
      SCOPED_TRACE(testing::Message() << "row " << row << " k " << k);
      EXPECT_EQ(Pool.Active[id], 1);
      EXPECT_EQ(Pool.SubKind[id], SubKindField);
      EXPECT_EQ(Pool.X[id], 30 * row + 120);
      EXPECT_EQ(Pool.Y[id], 26 * k + 80);
      EXPECT_EQ(Pool.Picture[id], PictureStoreField);
      EXPECT_EQ(Pool.Tag[id], 0);
      EXPECT_EQ(Pool.SubKind[id + 1], SubKindShadow);
      EXPECT_EQ(Pool.Y[id + 1], 26 * k + 90);
    }
  }
}

TEST(Layouts, ThreeStripesAreSeparateBandsWithTheirOwnDropFields) {
  BuildBoard(1);
  for (int id = StaticCount + 1; id <= PoolCapacity; ++id) EXPECT_EQ(Pool.Active[id], 0) << id;

  // A rows r and B rows r share a band; bands are rows 1..3, 5..7 and 9..11.
  const auto band = [](int id) { return (522 - Pool.Y[id]) / 24 / 4; };
  std::set<int> dropYs;
  for (int id : BoardFields()) {
    for (int d = 1; d <= 6; ++d) {
      const int other = Pool.Neighbour[id][d];
      if (other != 0) {
        EXPECT_EQ(band(other), band(id)) << id << " dir " << d;
      }
    }
    if (Pool.Picture[id] == PictureDropField) dropYs.insert(Pool.Y[id]);
  }
  EXPECT_EQ(dropYs, (std::set<int>{246, 258, 342, 354, 438, 450}));
}

TEST(Layouts, FiveColumnsMiddleColumnLinksOnlyUpAndDown) {
  BuildBoard(3);
  int middleFields = 0;
  for (int id : BoardFields()) {
    if (Pool.X[id] != 346) continue;
    ++middleFields;
    for (int d : {DirBelowLeft, DirAboveLeft, DirAboveRight, DirBelowRight})
      EXPECT_EQ(Pool.Neighbour[id][d], 0) << id << " dir " << d;
    const int row = (510 - Pool.Y[id]) / 24;
    EXPECT_EQ(Pool.Neighbour[id][DirBelow] != 0, row > 1) << id;
    EXPECT_EQ(Pool.Neighbour[id][DirAbove] != 0, row < 10) << id;
  }
  EXPECT_EQ(middleFields, 10);
}

TEST(Layouts, GameModeOutsideTheMenuBuildsNoBoard) {
  for (int mode : {0, 9, -1, 1000}) {
    SCOPED_TRACE(mode);
    BuildBoard(mode);
    EXPECT_TRUE(BoardFields().empty());
    EXPECT_EQ(StaticCount, 68);  // fixed objects, dialog room and store only
    EXPECT_EQ(Screen, ScreenGame);
  }
}

TEST(Layouts, NewGameReplacesEverythingAndResetsTheGame) {
  BuildBoard(2);
  // a game in progress: stones in the pool, an open dialog and every value moved
  SpawnStone(300, 300, 4);
  Pool.Active[19] = 1;
  Pool.Tag[19] = 1;
  DialogOpen = 1;
  FloorTileCount = 17;
  Clicked = 1;
  LeftButton = 1;
  GameRunning = 1;
  CountdownStart = 40;
  CountdownStartTimer = 3;
  RowCountdown.fill(7);
  StoreStones[5][2] = 880;
  CarriedStones[1] = 890;
  FillBonusGiven[13] = 1;
  CurrentRow = 12;
  Score = 999;
  GameEnded = 1;
  NewPlace = 3;
  WinnerInserted = 1;
  Kills = 5;
  StonesPlaced = 30;
  Screen = ScreenHelp;
  SoundLevel = 12300;
  LightLevel = 45600;

  BuildBoard(8);

  EXPECT_EQ(StaticCount, 108);
  for (int id = 15; id <= 20; ++id) EXPECT_EQ(Pool.Active[id], 0) << id;
  for (int id = StaticCount + 1; id <= PoolCapacity; ++id) EXPECT_EQ(Pool.Active[id], 0) << id;
  EXPECT_EQ(Pool.Tag[19], 0);
  EXPECT_EQ(DialogOpen, 0);
  EXPECT_EQ(FloorTileCount, 840);

  EXPECT_EQ(Clicked, 0);
  EXPECT_EQ(LeftButton, 0);
  EXPECT_EQ(GameRunning, 0);
  EXPECT_EQ(CountdownStart, 130);
  EXPECT_EQ(CountdownStartTimer, 100);
  for (int r = 1; r <= StoreRowCount; ++r) EXPECT_EQ(RowCountdown[r], 130) << r;
  EXPECT_EQ(StoreStones[5][2], 0);
  EXPECT_EQ(CarriedStones[1], 0);
  EXPECT_EQ(FillBonusGiven[13], 0);
  EXPECT_EQ(CurrentRow, 4);
  EXPECT_EQ(Score, 0);
  EXPECT_EQ(GameEnded, 0);
  EXPECT_EQ(NewPlace, 0);
  EXPECT_EQ(WinnerInserted, 0);
  EXPECT_EQ(Kills, 0);
  EXPECT_EQ(StonesPlaced, 0);
  EXPECT_EQ(Screen, ScreenGame);

  // the player's settings and the game type stay
  EXPECT_EQ(GameMode, 8);
  EXPECT_EQ(SoundLevel, 12300);
  EXPECT_EQ(LightLevel, 45600);
}

TEST(Layouts, FixedObjectsTakeTheirSlots) {
  BuildBoard(3);
  // layout pieces: top bar, bottom bar, left bar, right panel, without frames
  const int pieces[] = {0, 1, 3, 2, 4};
  for (int id = 1; id <= 4; ++id) {
    EXPECT_EQ(Pool.Kind[id], KindLayout) << id;
    EXPECT_EQ(Pool.Picture[id], pieces[id]) << id;
    EXPECT_EQ(Pool.Frame[id], 0) << id;
  }
  for (int id = 5; id <= 14; ++id) {
    EXPECT_EQ(Pool.Kind[id], KindButton) << id;
    EXPECT_EQ(Pool.Frame[id], 1) << id;
    EXPECT_EQ(Pool.Layer[id], 101) << id;
  }
  EXPECT_EQ(Pool.X[12], 51);  // START
  EXPECT_EQ(Pool.Y[12], 200);
}
