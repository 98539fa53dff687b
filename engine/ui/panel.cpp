// The control panel: every frame on every screen, after the screen's routine, it queues the
// button captions, runs the game-type menu and queues the winners board, the dialog's texts and
// the title.
#include "engine/ui/panel.h"

#include <array>
#include <string_view>

#include "engine/globals.h"
#include "engine/ui/buttons.h"
#include "engine/ui/text.h"
#include "engine/world/layouts.h"
#include "engine/world/pool.h"

namespace {

constexpr int CaptionFont = 1;
constexpr int EntryFont = 6;     // an ordinary entry
constexpr int SelectedFont = 7;  // the selected entry and the headings
constexpr int HoverFont = 1;
constexpr int HoverStrength =
    64;  // no effect on a small font; kept as the menu has always passed it

// Button captions, queued at the button's centre plus the offset. SOUND and LICHT show their
// setting ten pixels below the caption.
struct TCaption {
  int Id;
  std::string_view Text;
  int Dx;
  int Dy;
  const int32_t* Setting;
};
constexpr int SettingLineDy = 10;

constexpr std::array<TCaption, 12> Captions = {{
    {ButtonExit, "EXIT", -22, -4, nullptr},
    {ButtonEnde, "ENDE", -24, -4, nullptr},
    {ButtonSpiel, "SPIEL", -26, -4, nullptr},
    {ButtonHilfe, "HILFE", -28, -4, nullptr},
    {ButtonInfo, "INFO", -24, -4, nullptr},
    {ButtonSound, "SOUND", -28, -9, &SoundLevel},
    {ButtonLicht, "LICHT", -28, -9, &LightLevel},
    {ButtonStart, "START", -26, -4, nullptr},
    {ButtonNeu, "NEU", -20, -4, nullptr},
    {ButtonEnter, "ENTER", -28, -4, nullptr},
    {ButtonJa, "JA", -17, -4, nullptr},
    {ButtonNein, "NEIN", -22, -4, nullptr},
}};

// The game-type menu, by GameMode 1..8. An entry reacts while the mouse lies strictly inside
// Left..Right and Y..Y + MenuEntryHeight.
struct TMenuEntry {
  std::string_view Text;
  int X;
  int Y;
  int Left;
  int Right;
};
constexpr int MenuEntryHeight = 10;

constexpr std::array<TMenuEntry, GameTypeCount + 1> MenuEntries = {{
    {},
    {"-3 STREIFEN", 646, 75, 620, 780},
    {W1252<"-DIE SÄULE">(), 646, 85, 620, 780},
    {W1252<"-5 SÄULEN">(), 646, 95, 620, 780},
    {"-DIE KRONE", 646, 105, 620, 780},
    {W1252<"-SCHRÄG2">(), 646, 115, 620, 780},
    {"-6 X 12", 676, 125, 650, 750},
    {"-4 X 20", 676, 135, 650, 750},
    {"-EXTREM", 676, 145, 650, 750},
}};

// The winners board: one row per place, ten pixels apart; place 1 stands out.
constexpr int BoardRowY = 465;
constexpr int BoardRowStep = 10;
constexpr int BoardScoreWidth = 7;
constexpr int32_t BoardScoreLimit = 10000000;  // the first score that does not fit

static_assert(CreditLine1.size() == 8 && CreditLine2.size() == 17,
              "the credit lines fill their places in the bottom bar");

void QueueCaptions() {
  for (const TCaption& caption : Captions) {
    if (!IsLive(caption.Id)) continue;  // JA and NEIN exist only while the dialog is shown
    const int x = Pool.X[caption.Id] + caption.Dx;
    const int y = Pool.Y[caption.Id] + caption.Dy;
    QueueText(x, y, CaptionFont, 0, caption.Text);
    if (caption.Setting != nullptr) {
      TShortString<12> value;
      value.AppendNumber(*caption.Setting);
      QueueText(x, y + SettingLineDy, CaptionFont, 0, value.View());
    }
  }
}

void QueueMenu() {
  QueueText(660, 60, SelectedFont, 0, "SPIEL-ARTEN");
  for (int mode = 1; mode <= GameTypeCount; ++mode) {
    const TMenuEntry& entry = MenuEntries[mode];
    QueueText(entry.X, entry.Y, mode == GameMode ? SelectedFont : EntryFont, 0, entry.Text);
  }
}

bool MouseOverEntry(const TMenuEntry& entry) {
  return entry.Left < MouseX && MouseX < entry.Right && entry.Y < MouseY &&
         MouseY < entry.Y + MenuEntryHeight;
}

// The entry under the mouse shows in the caption font over its plain text; a click selects it.
void MenuStep() {
  for (int mode = 1; mode <= GameTypeCount; ++mode) {
    const TMenuEntry& entry = MenuEntries[mode];
    if (!MouseOverEntry(entry)) continue;
    if (Clicked == 1) {
      GameMode = mode;
    } else {
      QueueText(entry.X, entry.Y, HoverFont, HoverStrength, entry.Text);
    }
  }
}

void QueueWinnersBoard() {
  QueueText(665, 446, SelectedFont, 0, "  SIEGER");
  if (GameMode < 1 || GameMode > GameTypeCount) return;
  for (int place = 1; place <= WinnerPlaces; ++place) {
    const int y = BoardRowY + BoardRowStep * place;
    const int font = place == 1 ? CaptionFont : EntryFont;
    TShortString<4> label;
    label.AppendNumber(place);
    label.Append('.');
    QueueText(646, y, font, 0, label.View());
    QueueText(660, y, font, 0, WinnerNames[GameMode][place].View());
    TBoardScoreText score;
    if (FormatBoardScore(WinnerScores[GameMode][place], score)) {
      QueueText(700, y, font, 0, score.View());
    }
  }
}

void QueueDialogTexts() {
  QueueText(240, 230, 2, 0, "WOLLEN SIE WIRKLICH");
  QueueText(240, 250, 2, 0, "DAS SPIEL VERLASSEN");
  QueueText(240, 270, 2, 0, "         ?         ");
}

void QueueTitle() {
  QueueText(636, 555, 2, 0, "TARVOLIN");
  QueueText(672, 575, EntryFont, 0, CreditLine1);
  QueueText(635, 585, EntryFont, 0, CreditLine2);
}

}  // namespace

bool FormatBoardScore(int32_t score, TBoardScoreText& text) {
  text.Clear();
  if (score >= BoardScoreLimit) return false;
  // one space fewer for every digit beyond the first
  int spaces = BoardScoreWidth - 1;
  for (int32_t limit = 10; spaces > 0 && score >= limit; limit *= 10) --spaces;
  for (int i = 0; i < spaces; ++i) text.Append(' ');
  text.AppendNumber(score);
  return true;
}

void DrawControlPanel() {
  const int32_t modeBefore = GameMode;
  QueueCaptions();
  QueueMenu();
  if (GameRunning == 0 || GameEnded == 1) MenuStep();
  // a new game type gets its board in this very frame
  if (GameMode != modeBefore) NewGame();
  QueueWinnersBoard();
  if (DialogOpen == 1 && Pool.Tag[DialogBoxSlot] == DialogTagExit) QueueDialogTexts();
  QueueTitle();
}
