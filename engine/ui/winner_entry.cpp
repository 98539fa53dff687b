// Winner entry and game-over screen.
#include "engine/ui/winner_entry.h"

void WinnerEntryScreen() {}
void ClearTypedName() {
  NameLength = 0;
  PlayerName.Clear();
}
void ConfirmWinner() {}
