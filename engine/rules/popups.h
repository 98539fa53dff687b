// Score pop-ups: short texts that rise from where something was scored, slowing down, and vanish
// after 50 frames. Added during the game screen's frame; aged and drawn at its end.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/text1252.h"

inline constexpr int PopupCapacity = 50;
inline constexpr int PopupLifetime = 50;  // frames a pop-up is shown
inline constexpr int PopupTextCapacity = 32;
inline std::array<int16_t, PopupCapacity + 1> PopupX{};
inline std::array<int16_t, PopupCapacity + 1> PopupY{};
inline std::array<int16_t, PopupCapacity + 1> PopupFont{};
inline std::array<TShortString<PopupTextCapacity>, PopupCapacity + 1> PopupText{};
inline std::array<int16_t, PopupCapacity + 1> PopupLife{};  // frames left; free at 0 or less

// Never refuses: takes the lowest free slot of 1..49, or overwrites slot 50 when those are all
// live. A text longer than PopupTextCapacity is cut.
void AddScorePopup(int x, int y, int font, std::string_view text);
// Called once as the last step of every game-screen frame: each live pop-up loses a frame of
// life, rises by its remaining life div 10 and is queued at its new place.
void AgeScorePopups();
// All 50 lives to 0 (program start).
void ClearScorePopups();
