// Winner entry: a game that beats the fifth place lets the player spell a name by clicking letters.
#pragma once

#include <cstdint>

#include "engine/text1252.h"

inline constexpr int PlayerNameCapacity = 7;
inline TShortString<PlayerNameCapacity> PlayerName;
inline int16_t NameLength = 0;

// The row of letters A..Z the player clicks: letter k (1..26) is queued at
// (LetterRowX + LetterStep * (k - 1), LetterRowY) in font 2.
inline constexpr int LetterCount = 26;
inline constexpr int LetterRowX = 80;
inline constexpr int LetterRowY = 360;
inline constexpr int LetterStep = 20;

// The best place 1..5 of the current game type whose stored score is below score (a tie ranks
// below the stored score); 0 when score beats none.
int PlaceEarned(int32_t score);

// Called by RunScreen once per frame while Screen is 4. On its first frame it moves the lower
// places down and puts a placeholder ("-" with the score) at the place earned; every frame it
// queues the headline, the letter row and "GAME OVER", and a click on a letter appends it to a
// name of at most seven letters.
void WinnerEntryScreen();
// NEU: clears the typed name.
void ClearTypedName();
// ENTER: stores the typed name ("-" when none) and the score at the place earned, saves the
// tables and sets up a fresh board. Without a place 1..5 it stores nothing and only sets up the
// fresh board.
void ConfirmWinner();
