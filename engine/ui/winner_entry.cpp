// Winner entry and game-over screen: every frame while Screen is 4, after a game that beat the
// fifth place of its type; NEU and ENTER of the panel act on the name typed here.
#include "engine/ui/winner_entry.h"

#include <array>
#include <string_view>

#include "engine/globals.h"
#include "engine/rules/game.h"
#include "engine/shell/lighting.h"
#include "engine/ui/text.h"
#include "engine/ui/winners_file.h"
#include "engine/world/layouts.h"

namespace {

struct TLamp {
  int X;
  int Y;
};
constexpr std::array<TLamp, 4> Lamps = {{{120, 120}, {580, 120}, {120, 480}, {580, 480}}};
constexpr double LampFactor = 3.0;

constexpr int TextX = 80;
constexpr int HighlightStrength = 128;
constexpr std::string_view NoName = "-";

bool IsPlace(int place) {
  return place >= 1 && place <= WinnerPlaces;
}
bool IsGameType(int type) {
  return type >= 1 && type <= GameTypeCount;
}

// Moves the places place..4 of type one down, the lowest first, so the old fifth place drops
// out, and puts a placeholder for the new score at place.
void InsertWinner(int type, int place, int32_t score) {
  for (int lower = WinnerPlaces; lower > place; --lower) {
    WinnerNames[type][lower] = WinnerNames[type][lower - 1];
    WinnerScores[type][lower] = WinnerScores[type][lower - 1];
  }
  WinnerNames[type][place].Assign(NoName);
  WinnerScores[type][place] = score;
}

// The first frame of the screen puts the finished game into the table, once.
void InsertFinishedGame() {
  if (WinnerInserted == 1) return;
  const int place = PlaceEarned(Score);
  if (IsPlace(place)) {
    InsertWinner(GameMode, place, Score);
    WinnerInserted = 1;
  }
  NewPlace = place;
}

void QueueHeadlines() {
  TShortString<40> line;
  line.Assign("HIGHSCORE - NEUER ");
  line.AppendNumber(NewPlace);
  line.Append(". PLATZ !");
  QueueText(TextX, 60, 2, 0, line.View());

  TShortString<24> points;
  points.AppendNumber(Score);
  points.Append(" PUNKTE");
  if (NewPlace > 1) {
    QueueText(TextX, 100, 2, 0, W1252<"GRATULIERE, SIE DÜRFEN SICH FÜR">());
    line.Assign("DEN ");
    line.AppendNumber(NewPlace);
    line.Append(". PLATZ EINTRAGEN !");
    QueueText(TextX, 120, 2, 0, line.View());
    QueueText(TextX, 160, 2, 0, points.View());
  } else {
    // a new best score is shown in the large font
    QueueText(TextX, 120, 3, 0, "1. PLATZ");
    QueueText(TextX, 180, 3, 0, points.View());
  }
  QueueText(TextX, 240, 2, 0, "BITTE AUF BUCHSTABEN KLICKEN.");
  QueueText(TextX, 260, 2, 0, "<NEU>  : EINGABE KORRIGIEREN");
  QueueText(TextX, 280, 2, 0, W1252<"<ENTER>: EINGABE BESTÄTIGEN">());
}

void QueueNameField() {
  // the seven underscores stand under the seven letters the name can have; the name covers them
  QueueText(TextX, 320, 2, HighlightStrength, "      _______");
  TShortString<6 + PlayerNameCapacity> line;
  line.Assign("NAME: ");
  line.Append(PlayerName.View());
  QueueText(TextX, 320, 2, 0, line.View());
}

// Letter k's glyph spans 95 + 20 (k - 1) .. 110 + 20 (k - 1); its zone reaches up to the next
// letter's glyph, and the boundary pixel belongs to neither letter.
bool MouseOverLetter(int letterX) {
  const int left = letterX + 15;
  return left < MouseX && MouseX < left + LetterStep && LetterRowY < MouseY &&
         MouseY < LetterRowY + 20;
}

void LetterRowStep() {
  for (int k = 1; k <= LetterCount; ++k) {
    const char letter = static_cast<char>('A' + k - 1);
    const int x = LetterRowX + LetterStep * (k - 1);
    int strength = 0;
    if (MouseOverLetter(x)) {
      if (Clicked == 1 && NameLength < PlayerNameCapacity) {
        ++NameLength;
        PlayerName.Append(letter);
      }
      strength = HighlightStrength;
    }
    QueueText(x, LetterRowY, 2, strength, std::string_view(&letter, 1));
  }
}

}  // namespace

int PlaceEarned(int32_t score) {
  if (!IsGameType(GameMode)) return 0;
  for (int place = 1; place <= WinnerPlaces; ++place) {
    if (WinnerScores[GameMode][place] < score) return place;
  }
  return 0;
}

void WinnerEntryScreen() {
  for (const TLamp& lamp : Lamps) AddLight(lamp.X, lamp.Y, LampFactor);
  InsertFinishedGame();
  QueueHeadlines();
  QueueNameField();
  LetterRowStep();
  QueueText(130, 450, 3, 0, "GAME OVER");
}

void ClearTypedName() {
  NameLength = 0;
  PlayerName.Clear();
}

void ConfirmWinner() {
  // only a place the screen has earned is an index into the table
  if (IsGameType(GameMode) && IsPlace(NewPlace)) {
    if (PlayerName.Length == 0) PlayerName.Assign(NoName);
    WinnerScores[GameMode][NewPlace] = Score;
    WinnerNames[GameMode][NewPlace].Assign(PlayerName.View());
    SaveWinners();
  }
  NewGame();
}
