// The info screen: the program's name, version and the maker's other games.
#pragma once

#include <array>

#include "engine/ui/help.h"

inline constexpr int InfoLineCount = 18;
inline constexpr int InfoTextX = 90;
extern const std::array<TScreenLine, InfoLineCount> InfoLines;

// Called by RunScreen once per frame while Screen is 3: lights the corners and queues the info
// lines. The screen keeps no state.
void InfoScreen();
