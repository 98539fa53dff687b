// Board layouts and neighbour links: whenever a game is set up, the pool is rebuilt from the
// fixed objects, the store fields and the board of the selected game type, and the game's values
// go back to their starting values.
#include "engine/world/layouts.h"

#include <cmath>

#include "engine/rules/game.h"
#include "engine/rules/store.h"
#include "engine/shell/lighting.h"
#include "engine/world/pool.h"

namespace {

/*
=====================================================================
FIXED OBJECTS

The layout pieces that frame the board and the ten buttons of the panel, in slot order. Other
routines address the buttons by these slots.
=====================================================================
*/

struct TFixedObject {
  int16_t Kind, X, Y, Layer, Picture;
};

constexpr std::array<TFixedObject, FixedObjectCount + 1> FixedObjects = {{
    {},                              // slot 0 is never used
    {KindLayout, 400, 30, 100, 1},   // top bar
    {KindLayout, 400, 570, 100, 3},  // bottom bar
    {KindLayout, 50, 300, 100, 2},   // left bar
    {KindLayout, 695, 300, 100, 4},  // right panel
    {KindButton, 54, 52, 101, 1},    // EXIT
    {KindButton, 54, 546, 101, 2},   // ENDE
    {KindButton, 153, 27, 101, 5},   // SPIEL
    {KindButton, 253, 27, 101, 5},   // HILFE
    {KindButton, 350, 27, 101, 5},   // INFO
    {KindButton, 450, 27, 101, 6},   // SOUND
    {KindButton, 552, 27, 101, 6},   // LICHT
    {KindButton, 51, 200, 101, 1},   // START
    {KindButton, 51, 299, 101, 3},   // NEU
    {KindButton, 52, 398, 101, 2},   // ENTER
}};

/*
=====================================================================
LAYOUT TABLES

Every board field lies on one hexagonal lattice of two interleaved row families: an A row r at
y = 522 - 24 r, x = 199 + 42 j, and a B row r 12 px higher and 21 px further left. A layout is a
list of steps; a step takes its rows r in ascending order and, for each r, creates its runs of
fields in the order written, j ascending within a run. Each connected part of a board is written
bottom-up, so a field's lower neighbour always has the lower slot.
=====================================================================
*/

enum class TRowFamily : int8_t { A, B };

struct TFieldRun {
  TRowFamily Family = TRowFamily::A;
  int FirstJ = 0, LastJ = -1;  // for a slanted run, counted from the row number
  int Colour = 0;
  bool Slanted = false;      // the run moves one column right per row
  int LowJ = 0, HighJ = -1;  // columns outside LowJ..HighJ are skipped
};

// A(a, b, colour): the fields of the A row for j = a..b; B likewise for the B row.
constexpr TFieldRun A(int firstJ, int lastJ, int colour) {
  return {TRowFamily::A, firstJ, lastJ, colour, false, firstJ, lastJ};
}
constexpr TFieldRun B(int firstJ, int lastJ, int colour) {
  return {TRowFamily::B, firstJ, lastJ, colour, false, firstJ, lastJ};
}
// SlantA(from, to, low, high, colour): j = r + from..r + to, skipping every j outside
// low..high; SlantB likewise.
constexpr TFieldRun SlantA(int fromR, int toR, int lowJ, int highJ, int colour) {
  return {TRowFamily::A, fromR, toR, colour, true, lowJ, highJ};
}
constexpr TFieldRun SlantB(int fromR, int toR, int lowJ, int highJ, int colour) {
  return {TRowFamily::B, fromR, toR, colour, true, lowJ, highJ};
}

constexpr int MaxRunsPerStep = 9;
struct TLayoutStep {
  int FirstRow = 1, LastRow = 0;
  std::array<TFieldRun, MaxRunsPerStep> Runs{};
  int RunCount = 0;
};

template <typename... TRuns>
constexpr TLayoutStep Step(int firstRow, int lastRow, TRuns... runs) {
  static_assert(sizeof...(runs) <= MaxRunsPerStep);
  return {firstRow, lastRow, {runs...}, static_cast<int>(sizeof...(runs))};
}

constexpr int MaxStepsPerLayout = 6;
struct TLayout {
  int XBaseA = 0, XBaseB = 0;  // x of column 0 in the A and the B rows
  std::array<TLayoutStep, MaxStepsPerLayout> Steps{};
  int StepCount = 0;
};

template <typename... TSteps>
constexpr TLayout Layout(int xBaseA, int xBaseB, TSteps... steps) {
  static_assert(sizeof...(steps) <= MaxStepsPerLayout);
  return {xBaseA, xBaseB, {steps...}, static_cast<int>(sizeof...(steps))};
}

constexpr int XBaseA = 199, XBaseB = 178;
constexpr int SlantXBaseA = 169, SlantXBaseB = 148;  // the diagonal band starts further left

// By game type 1..8; index 0 is unused. One step a line: rows, then the runs of each row.
// clang-format off
constexpr std::array<TLayout, GameTypeCount + 1> Layouts = {{
    {},
    // 1 "-3 STREIFEN": three bands of 63 fields, three rows high, an empty row between bands
    Layout(XBaseA, XBaseB,
           Step(1, 3,   A(-1, 8, 1), B(-1, 9, 1)),
           Step(5, 7,   A(-1, 8, 2), B(-1, 9, 2)),
           Step(9, 11,  A(-1, 8, 3), B(-1, 9, 3))),
    // 2 "-DIE SÄULE": one column three fields wide, ten rows high
    Layout(XBaseA, XBaseB,
           Step(1, 10,  A(3, 4, 5), B(4, 4, 5))),
    // 3 "-5 SÄULEN": five columns ten rows high; the middle one a single field wide
    Layout(XBaseA, XBaseB,
           Step(1, 10,  A(-1, -1, 5), B(0, 0, 5),
                        A(1, 1, 4),   B(2, 2, 4),
                        B(4, 4, 3),
                        A(6, 6, 4),   B(6, 6, 4),
                        A(8, 8, 5),   B(8, 8, 5))),
    // 4 "-DIE KRONE": two towers on a base three rows high, a spike in the middle of the base
    Layout(XBaseA, XBaseB,
           Step(1, 10,  A(-1, 0, 4), B(0, 0, 4), A(7, 8, 4), B(8, 8, 4)),
           Step(1, 3,   A(1, 6, 4),  B(1, 7, 4)),
           Step(4, 5,   A(3, 4, 4),  B(3, 5, 4))),
    // 5 "-SCHRÄG2": a band three fields wide from the lower left to the upper right
    Layout(SlantXBaseA, SlantXBaseB,
           Step(1, 12,  SlantA(-3, -1, 0, 9, 6), SlantB(-2, 0, 1, 10, 6))),
    // 6 "-6 X 12": three blocks of 12 fields on each side, an empty row between blocks
    Layout(XBaseA, XBaseB,
           Step(1, 3,   A(-1, 0, 1), B(0, 1, 1)),
           Step(5, 7,   A(-1, 0, 2), B(0, 1, 2)),
           Step(9, 11,  A(-1, 0, 3), B(0, 1, 3)),
           Step(1, 3,   A(7, 8, 4),  B(7, 8, 4)),
           Step(5, 7,   A(7, 8, 5),  B(7, 8, 5)),
           Step(9, 11,  A(7, 8, 6),  B(7, 8, 6))),
    // 7 "-4 X 20": two blocks of 20 fields on each side, an empty row between blocks
    Layout(XBaseA, XBaseB,
           Step(1, 4,   A(-1, 1, 1), B(0, 1, 1)),
           Step(6, 9,   A(-1, 1, 2), B(0, 1, 2)),
           Step(1, 4,   A(6, 8, 4),  B(7, 8, 4)),
           Step(6, 9,   A(6, 8, 5),  B(7, 8, 5))),
    // 8 "-EXTREM": one block of 20 fields in the middle
    Layout(XBaseA, XBaseB,
           Step(1, 4,   A(3, 4, 2),  B(3, 5, 2))),
}};
// clang-format on

int RowY(TRowFamily family, int row) {
  return family == TRowFamily::A ? 522 - 24 * row : 510 - 24 * row;
}

int ColumnX(const TLayout& layout, TRowFamily family, int column) {
  return (family == TRowFamily::A ? layout.XBaseA : layout.XBaseB) + 42 * column;
}

void AddFieldRun(const TLayout& layout, const TFieldRun& run, int row) {
  const int shift = run.Slanted ? row : 0;
  for (int column = run.FirstJ + shift; column <= run.LastJ + shift; ++column) {
    if (column < run.LowJ || column > run.HighJ) continue;
    AddBoardField(ColumnX(layout, run.Family, column), RowY(run.Family, row), run.Colour);
  }
}

void AddLayoutFields(const TLayout& layout) {
  for (int s = 0; s < layout.StepCount; ++s) {
    const TLayoutStep& step = layout.Steps[s];
    for (int row = step.FirstRow; row <= step.LastRow; ++row)
      for (int r = 0; r < step.RunCount; ++r) AddFieldRun(layout, step.Runs[r], row);
  }
}

/*
=====================================================================
FIELDS, LINKS AND THE VALUES OF A NEW GAME
=====================================================================
*/

// Store rows 4..11 from left to right, three fields each from top to bottom.
void AddStoreFields() {
  for (int row = FirstStoreRow; row <= LastStoreRow; ++row)
    for (int k = 1; k <= 3; ++k) AddStoreField(30 * row + 120, 26 * k + 80, PictureStoreField);
}

bool IsBoardField(int id) {
  return IsLive(id) && Pool.Kind[id] == KindBoard && Pool.SubKind[id] == SubKindField &&
         Pool.Tag[id] == 1;
}

// The direction in which a field lies seen from another, from the signs of dx and dy (the
// other's position subtracted from this one's); 0 for a pair in the same line, which is never
// linked.
int DirectionFromSigns(int dx, int dy) {
  if (dy < 0) return dx == 0 ? DirBelow : (dx > 0 ? DirBelowLeft : DirBelowRight);
  if (dy > 0) return dx == 0 ? DirAbove : (dx > 0 ? DirAboveLeft : DirAboveRight);
  return 0;
}

// Links every board field to each board field closer than 40 px. On the lattice only the six
// adjacent fields are that close, so each direction gets at most one candidate; should two ever
// compete, the later slot wins.
void LinkNeighbours() {
  std::array<int16_t, PoolCapacity + 1> fields{};
  int fieldCount = 0;
  for (int id = 1; id <= PoolCapacity; ++id)
    if (IsBoardField(id)) fields[++fieldCount] = static_cast<int16_t>(id);

  for (int a = 1; a <= fieldCount; ++a) {
    const int i = fields[a];
    for (int b = 1; b <= fieldCount; ++b) {
      const int j = fields[b];
      if (j == i) continue;
      const int dx = Pool.X[i] - Pool.X[j];
      const int dy = Pool.Y[i] - Pool.Y[j];
      if (std::lround(std::sqrt(static_cast<double>(dx * dx + dy * dy))) >= 40) continue;
      const int direction = DirectionFromSigns(dx, dy);
      if (direction != 0) Pool.Neighbour[i][direction] = j;
    }
  }
}

// A board field with nothing above it is a drop field; its colour from the table is not kept.
void MarkDropFields() {
  for (int id = 1; id <= PoolCapacity; ++id)
    if (IsBoardField(id) && Pool.Neighbour[id][DirAbove] == 0) Pool.Picture[id] = PictureDropField;
}

void ResetGameValues() {
  Clicked = 0;
  LeftButton = 0;  // a held START acts once: only a new press sets it again
  GameRunning = 0;
  CountdownStart = 130;
  CountdownStartTimer = 100;
  RowCountdown.fill(130);
  for (auto& row : StoreStones) row.fill(0);
  CarriedStones.fill(0);
  FillBonusGiven.fill(0);
  CurrentRow = FirstStoreRow;
  Score = 0;
  GameEnded = 0;
  NewPlace = 0;
  WinnerInserted = 0;
  Kills = 0;
  StonesPlaced = 0;
  Screen = ScreenGame;
}

// The slot for the next static object.
int TakeStaticSlot() {
  return ++NextStatic;
}

void AddField(int x, int y, int picture, int32_t tag) {
  if (NextStatic + 2 > PoolCapacity) return;  // no layout comes near; never write past the pool
  const int field = TakeStaticSlot();
  Pool.Active[field] = 1;
  Pool.Kind[field] = KindBoard;
  Pool.SubKind[field] = SubKindField;
  Pool.X[field] = static_cast<int16_t>(x);
  Pool.Y[field] = static_cast<int16_t>(y);
  Pool.Layer[field] = 90;
  Pool.Picture[field] = static_cast<int16_t>(picture);
  Pool.Frame[field] = 1;
  Pool.Tag[field] = tag;

  // the shadow follows its field directly: the rules find it at the field's slot + 1
  const int shadow = TakeStaticSlot();
  Pool.Active[shadow] = 1;
  Pool.Kind[shadow] = KindBoard;
  Pool.SubKind[shadow] = SubKindShadow;
  Pool.X[shadow] = static_cast<int16_t>(x + 10);
  Pool.Y[shadow] = static_cast<int16_t>(y + 10);
  Pool.Layer[shadow] = 80;
  Pool.Frame[shadow] = 1;
}

}  // namespace

void NewGame() {
  FloorTileCount = 0;
  BuildFloor();

  FreeAllObjects();
  // The exit dialog's objects are gone with the pool, so the dialog counts as closed: otherwise
  // EXIT could not open it again and the game-over text would stay hidden.
  DialogOpen = 0;

  NextStatic = 0;
  AddFixedObjects();
  NextStatic = LastDialogSlot;

  AddStoreFields();
  if (GameMode >= 1 && GameMode <= GameTypeCount) AddLayoutFields(Layouts[GameMode]);
  LinkNeighbours();
  MarkDropFields();
  StaticCount = NextStatic;

  ResetGameValues();
}

void AddFixedObjects() {
  for (int n = 1; n <= FixedObjectCount; ++n) {
    const TFixedObject& fixed = FixedObjects[n];
    const int id = TakeStaticSlot();
    Pool.Active[id] = 1;
    Pool.Kind[id] = fixed.Kind;
    Pool.SubKind[id] = 1;
    Pool.X[id] = fixed.X;
    Pool.Y[id] = fixed.Y;
    Pool.Layer[id] = fixed.Layer;
    Pool.Picture[id] = fixed.Picture;
    Pool.Frame[id] = fixed.Kind == KindButton ? 1 : 0;  // layout pieces have no frames
  }
}

void AddStoreField(int x, int y, int picture) {
  AddField(x, y, picture, 0);
}

void AddBoardField(int x, int y, int picture) {
  AddField(x, y, picture, 1);
}
