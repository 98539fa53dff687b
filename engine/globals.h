// Shared globals and helpers: the values every subsystem reads, and the one random generator.
#pragma once

#include <array>
#include <cstdint>

#include "engine/text1252.h"

// Game types, places in the winners tables.
inline constexpr int GameTypeCount = 8;
inline constexpr int WinnerPlaces = 5;

// The screen shown in the main area.
enum : int32_t { ScreenGame = 1, ScreenHelp = 2, ScreenInfo = 3, ScreenWinnerEntry = 4 };

// Shared globals. All start at zero; FirstTimeInit and NewGame give them their values.
inline int32_t Screen = 0;
inline int32_t GameMode = 0;
inline int32_t MouseX = 0;
inline int32_t MouseY = 0;
inline uint8_t LeftButton = 0;
inline uint8_t RightButton = 0;
inline uint8_t Clicked = 0;
inline uint8_t GameRunning = 0;
inline uint8_t GameEnded = 0;
inline int32_t Score = 0;
inline uint8_t SoundOn = 0;
inline int32_t SoundLevel = 0;
inline int32_t LightLevel = 0;
inline uint8_t DialogOpen = 0;
inline uint8_t QuitRequested = 0;
inline int32_t ScreenWidth = 0;
inline int32_t ScreenHeight = 0;

// Winners tables, [game type 1..8][place 1..5]; place 1 is the best. Index 0 is unused.
inline constexpr int WinnerNameCapacity = 8;
using TWinnerName = TShortString<WinnerNameCapacity>;
inline std::array<std::array<TWinnerName, WinnerPlaces + 1>, GameTypeCount + 1> WinnerNames{};
inline std::array<std::array<int32_t, WinnerPlaces + 1>, GameTypeCount + 1> WinnerScores{};

// The one random generator (a 64-bit permuted congruential generator): small, fast, seedable.
void RandomSeed(uint64_t seed);
// A uniformly drawn integer 0..n - 1; 0 when n < 1.
int32_t Random(int32_t n);
