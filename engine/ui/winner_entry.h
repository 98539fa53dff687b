// Winner entry: a game that beats the fifth place lets the player spell a name by clicking letters.
#pragma once

#include <cstdint>

#include "engine/text1252.h"

inline constexpr int PlayerNameCapacity = 7;
inline TShortString<PlayerNameCapacity> PlayerName;
inline int16_t NameLength = 0;

void WinnerEntryScreen();
// NEU: clears the typed name.
void ClearTypedName();
// ENTER: stores the new winner, saves the tables and sets up a fresh board.
void ConfirmWinner();
