// Score pop-ups: short texts that rise from where something was scored and vanish after 50
// frames.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/text1252.h"

inline constexpr int PopupCapacity = 50;
inline constexpr int PopupTextCapacity = 32;
inline std::array<int16_t, PopupCapacity + 1> PopupX{};
inline std::array<int16_t, PopupCapacity + 1> PopupY{};
inline std::array<int16_t, PopupCapacity + 1> PopupFont{};
inline std::array<TShortString<PopupTextCapacity>, PopupCapacity + 1> PopupText{};
inline std::array<int16_t, PopupCapacity + 1> PopupLife{};

// Takes the lowest free slot of 1..49, or overwrites slot 50 when those are all live.
void AddScorePopup(int x, int y, int font, std::string_view text);
void AgeScorePopups();
// All 50 lives to 0 (program start).
void ClearScorePopups();
