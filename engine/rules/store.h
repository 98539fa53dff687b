// The stone store: eight rows that fill on countdowns, the carried column and the drop onto the
// board. The game screen runs the steps every frame of a running game; the carried column follows
// the mouse in every frame on the game screen.
#pragma once

#include <array>
#include <cstdint>

inline constexpr int StoreRowCount = 14;  // rows 4..11 are used
inline constexpr int FirstStoreRow = 4;
inline constexpr int LastStoreRow = 11;
inline constexpr int StoreSlotCount = 3;  // a row holds a column of three stones, 1 = top
inline constexpr int FillBonusCount = 13;

inline int16_t CurrentRow = 4;  // row whose countdown runs; 12 = store full
inline std::array<int32_t, StoreRowCount + 1> RowCountdown{};
inline int32_t CountdownStart = 130;
inline int32_t CountdownStartTimer = 100;
inline std::array<uint8_t, FillBonusCount + 1> FillBonusGiven{};
inline std::array<std::array<int32_t, StoreSlotCount + 1>, StoreRowCount + 1>
    StoreStones{};                                               // [row][slot]
inline std::array<int32_t, StoreSlotCount + 1> CarriedStones{};  // 1 top, 2 middle, 3 bottom

// Every frame on the game screen: queues the store's title and the countdown under each row.
void DrawStoreLabels();
// Every frame of a running game: counts the current row down; when it has run out, fills it with
// three stones and chooses the lowest waiting row, or ends the game when none is left. A row is
// only ever filled whole: when the pool has no room for all three stones it stays empty and
// waiting.
void RowCountdownStep();
// Right after RowCountdownStep: every 201 frames lowers the start value of the countdowns (the
// waiting rows follow it) and pays the fill bonus that falls due.
void CountdownStartStep();
// After the matching: lights the drop field under the mouse and, while the button is held, puts
// the carried column on it when there is room for at least its bottom stone.
void DropStep();
// Right after DropStep: while the button is held over a full row, picks the row up or swaps it
// with the carried column.
void StorePickStep();
// Every frame on the game screen, after the control panel: the carried column follows the mouse;
// while a game runs, the store column under the mouse is lit.
void CarriedColumnStep();
