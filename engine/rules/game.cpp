// The running game: every frame of the game screen, lamps, the status panel and state texts, the
// rule steps of a running game and the hand-over of a winning game to the winner entry.
#include "engine/rules/game.h"

#include <array>
#include <string_view>

#include "engine/globals.h"
#include "engine/rules/popups.h"
#include "engine/rules/settling.h"
#include "engine/rules/store.h"
#include "engine/shell/lighting.h"
#include "engine/shell/sound.h"
#include "engine/ui/text.h"
#include "engine/ui/winner_entry.h"
#include "engine/world/pool.h"

namespace {

constexpr int FontPlain = 6;
constexpr int FontHeading = 7;
constexpr int FontSmall = 1;
constexpr int FontLarge = 3;
constexpr int ScoreWidth = 7;  // the score is right-aligned in seven characters
constexpr int32_t ScoreShownBelow = 10000000;
constexpr int FieldsNotShown = 42;  // "FELDER :" leaves the store's 24 fields and 18 more out
constexpr int ColumnStones = 3;
constexpr int TuschSound = 13;

using TPanelLine = TShortString<24>;

// The counts of the status panel, taken before any rule step of the frame.
struct TBoardCounts {
  int Fields;  // board and store fields
  int Stones;  // stones lying on the board, not in the store nor carried
};

TBoardCounts CountBoard() {
  TBoardCounts counts{0, 0};
  for (int id = 1; id <= PoolCapacity; ++id) {
    if (!IsLive(id) || Pool.Kind[id] != KindBoard) continue;
    if (Pool.SubKind[id] == SubKindField) ++counts.Fields;
    if (Pool.SubKind[id] == SubKindStone) ++counts.Stones;
  }
  if (CarriedStones[1] > 0) counts.Stones -= ColumnStones;
  for (int row = 1; row <= StoreRowCount; ++row) {
    if (StoreStones[row][1] > 0) counts.Stones -= ColumnStones;
  }
  return counts;
}

struct TLamp {
  int X;
  int Y;
};
// One lamp in each corner of the board area.
constexpr std::array<TLamp, 4> CornerLamps = {{{120, 120}, {580, 120}, {120, 480}, {580, 480}}};
constexpr double LampFactor = 3.0;

void AddCornerLamps() {
  for (const TLamp& lamp : CornerLamps) AddLight(lamp.X, lamp.Y, LampFactor);
}

// A label and its value as one text, so the digits follow the label without a gap.
void QueueStatistic(int y, std::string_view label, int32_t value) {
  TPanelLine line;
  line.Assign(label);
  line.AppendNumber(value);
  QueueText(650, y, FontPlain, 0, line.View());
}

void QueueStatistics(const TBoardCounts& counts) {
  QueueText(680, 200, FontHeading, 0, "SPIEL");
  QueueStatistic(240, "FELDER :", counts.Fields - FieldsNotShown);
  QueueStatistic(250, "STEINE :", counts.Stones);
  QueueStatistic(260, "EINGEL.:", StonesPlaced);
  // stones lost to a drop with too little room were never placed, so only explosions count
  QueueStatistic(270, "EXPLOD.:", StonesPlaced - counts.Stones);
  QueueStatistic(280, "KILLS  :", Kills);
}

bool KnownGameMode() {
  return GameMode >= 1 && GameMode <= GameTypeCount;
}

// The best place 1..5 of the current game type whose score the current Score beats; 0 for none.
int SecuredPlace() {
  if (!KnownGameMode()) return 0;
  for (int place = 1; place <= WinnerPlaces; ++place) {
    // a score equal to a stored one ranks below it
    if (WinnerScores[GameMode][place] < Score) return place;
  }
  return 0;
}

// Shows the best place the score has made safe already.
void QueuePlaceIndicator() {
  const int place = SecuredPlace();
  if (place == 0) return;
  const int font = place == 1 ? FontHeading : FontSmall;
  TPanelLine line;
  line.Assign("PLATZ ");
  line.AppendNumber(place);
  QueueText(675, 380, font, 0, line.View());
  QueueText(675, 390, font, 0, "SICHER");
}

int DecimalDigits(int32_t value) {
  int digits = 1;
  for (; value >= 10; value /= 10) ++digits;
  return digits;
}

void QueueScore() {
  QueueText(680, 310, FontPlain, 0, "PUNKTE");
  if (Score >= ScoreShownBelow) return;
  TPanelLine line;
  for (int pad = DecimalDigits(Score); pad < ScoreWidth; ++pad) line.Append(' ');
  line.AppendNumber(Score);
  QueueText(700, 320, FontPlain, 0, line.View());
}

bool BeatsFifthPlace() {
  return KnownGameMode() && WinnerScores[GameMode][WinnerPlaces] < Score;
}

void HandOverToWinnerEntry() {
  Screen = ScreenWinnerEntry;
  RaiseSound(TuschSound, 400);
  ClearTypedName();
}

void EndedGameStep() {
  // the exit dialog covers the board's middle, so the big text gives way to it
  if (DialogOpen == 0) QueueText(130, 260, FontLarge, 0, "GAME OVER");
  if (BeatsFifthPlace()) HandOverToWinnerEntry();
}

// Stones fall, groups explode and the store fills, in this order every frame of a running game.
void RunningGameStep() {
  RowCountdownStep();
  CountdownStartStep();
  SettlingPass();
  MatchPass();
  ExplodeMarked();
  DropStep();
  StorePickStep();
}

void GameStateStep() {
  if (GameRunning == 0) {
    QueueText(650, 350, FontPlain, 0, "SPIEL FERTIG");
    QueueText(650, 360, FontPlain, 0, W1252<"START DRÜCKEN">());
    return;
  }
  if (GameEnded != 0) {
    QueueText(650, 350, FontPlain, 0, "SPIEL BEENDET");
    EndedGameStep();
  } else {
    QueueText(650, 350, FontPlain, 0, W1252<"SPIEL LÄUFT">());
    RunningGameStep();
  }
}

}  // namespace

void GameScreen() {
  const TBoardCounts counts = CountBoard();
  AddCornerLamps();
  DrawStoreLabels();
  QueueStatistics(counts);
  QueuePlaceIndicator();
  QueueScore();
  GameStateStep();
  AgeScorePopups();
}
