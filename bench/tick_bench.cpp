// Benchmarks of one whole tick (logic, drawing, sounds, flip) on the headless platform: the quiet
// opening screen, the largest board with a lit button, and a busy game in which stones fall and
// explode and pop-ups rise in the same tick.
#include <benchmark/benchmark.h>

#include "bench/bench_game.h"
#include "engine/globals.h"
#include "engine/rules/game.h"
#include "engine/rules/popups.h"
#include "engine/rules/store.h"
#include "engine/world/layouts.h"
#include "engine/world/pool.h"

namespace {

// The largest board: 189 fields in three bands.
constexpr int LargestBoard = 1;
constexpr int StartButtonX = 51, StartButtonY = 200;

bool IsBoardField(int id) {
  return IsLive(id) && Pool.Kind[id] == KindBoard && Pool.SubKind[id] == SubKindField &&
         Pool.Tag[id] == 1;
}

// Puts a stone of this colour on a field, as a drop and the settling would leave it.
void LayStone(int field, int colour) {
  const int stone = SpawnStone(Pool.X[field], Pool.Y[field], colour);
  Pool.FieldStone[field] = static_cast<int16_t>(stone);
  Pool.Frame[field + 1] = 2;  // the field's shadow shows a stone
}

// Fills store rows 4..7 as their countdowns would.
void FillStoreRows() {
  for (int row = FirstStoreRow; row < FirstStoreRow + 4; ++row) {
    for (int slot = 1; slot <= 3; ++slot) {
      StoreStones[row][slot] = SpawnStone(30 * row + 120, 80 + 26 * slot, 1 + (row + slot) % 6);
    }
    RowCountdown[row] = 0;
  }
  CurrentRow = FirstStoreRow + 4;
}

// A running game on the largest board with every field taken except the bottom field of every
// fourth column, so those stacks fall. Every other column is one colour and explodes; the rest
// alternate colours down the column. Twenty explosions already burn and twenty pop-ups rise.
void SetUpBusyGame() {
  GameMode = LargestBoard;
  NewGame();
  GameRunning = 1;
  AllocCursor = PoolCapacity;
  for (int field = 1; field <= PoolCapacity; ++field) {
    if (!IsBoardField(field)) continue;
    const int column = (Pool.X[field] + 200) / 21;
    const bool bottom = Pool.Neighbour[field][DirBelow] == 0;
    if (column % 4 == 0 && bottom) continue;
    const int colour = column % 2 == 1 ? 1 + column / 2 % 6 : 1 + (Pool.Y[field] / 24 + column) % 6;
    LayStone(field, colour);
  }
  FillStoreRows();
  for (int i = 0; i < 20; ++i) {
    SpawnExplosion(160 + 20 * i, 300, 1 + i % 6);
    AddScorePopup(160 + 20 * i, 400, 1, "12345");
  }
}

int LiveStones() {
  int count = 0;
  for (int id = 1; id <= PoolCapacity; ++id) {
    count += IsLive(id) && Pool.Kind[id] == KindBoard && Pool.SubKind[id] == SubKindStone;
  }
  return count;
}

// The opening screen: board of game type 3, no game running. Every tick is the same work.
void BM_TickOpeningScreen(benchmark::State& state) {
  TBenchGame game;
  for (auto _ : state) game.Tick();
}
BENCHMARK(BM_TickOpeningScreen)->Unit(benchmark::kMicrosecond);

// The largest board with the pointer resting on START: the button shows its lit frame and lights
// the floor. No game runs, so nothing drifts between iterations.
void BM_TickLargestBoardPointerOnButton(benchmark::State& state) {
  TBenchGame game;
  GameMode = LargestBoard;
  NewGame();
  game.Move(StartButtonX, StartButtonY);
  for (auto _ : state) game.Tick();
}
BENCHMARK(BM_TickLargestBoardPointerOnButton)->Unit(benchmark::kMicrosecond);

// The busy game, set up afresh before every tick so each one does the same heavy work.
void BM_TickBusyGame(benchmark::State& state) {
  TBenchGame game;
  int stones = 0;
  int killsBefore = 0;
  int killsAfter = 0;
  for (auto _ : state) {
    state.PauseTiming();
    SetUpBusyGame();
    stones = LiveStones();
    killsBefore = Kills;
    state.ResumeTiming();
    game.Tick();
    state.PauseTiming();
    killsAfter = Kills;
    state.ResumeTiming();
  }
  state.counters["stones"] = stones;
  state.counters["exploded"] = killsAfter - killsBefore;  // 1 when stones exploded in the tick
}
BENCHMARK(BM_TickBusyGame)->Unit(benchmark::kMicrosecond);

// Setting up a game: the board's neighbour links compare every pair of fields.
void BM_NewGame(benchmark::State& state) {
  TBenchGame game;
  GameMode = static_cast<int32_t>(state.range(0));
  for (auto _ : state) NewGame();
}
BENCHMARK(BM_NewGame)->DenseRange(1, GameTypeCount)->Unit(benchmark::kMicrosecond);

}  // namespace
