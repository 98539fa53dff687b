// The stone store: eight rows that fill on countdowns, the carried column and the drop onto the
// board.
#pragma once

#include <array>
#include <cstdint>

inline constexpr int StoreRowCount = 14;  // rows 4..11 are used
inline constexpr int FirstStoreRow = 4;
inline constexpr int LastStoreRow = 11;

inline int16_t CurrentRow = 4;  // row whose countdown runs; 12 = store full
inline std::array<int32_t, StoreRowCount + 1> RowCountdown{};
inline int32_t CountdownStart = 130;
inline int32_t CountdownStartTimer = 100;
inline std::array<uint8_t, 13 + 1> FillBonusGiven{};
inline std::array<std::array<int32_t, 3 + 1>, StoreRowCount + 1> StoreStones{};  // [row][slot]
inline std::array<int32_t, 3 + 1> CarriedStones{};  // 1 top, 2 middle, 3 bottom

void DrawStoreLabels();
void RowCountdownStep();
void CountdownStartStep();
void DropStep();
void StorePickStep();
void CarriedColumnStep();
