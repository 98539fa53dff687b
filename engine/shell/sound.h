// Sound effects: game events raise numbered triggers; the end of the tick plays each raised
// sound once with its volume and pan.
#pragma once

#include <array>
#include <cstdint>

inline constexpr int SoundTriggerCount = 40;
inline std::array<uint8_t, SoundTriggerCount> SoundTrigger{};
inline std::array<int32_t, SoundTriggerCount> SoundPan{};

// Raises trigger k (0..39) with a pan taken from the screen x.
void RaiseSound(int k, int x);
// Plays the raised sounds; called at the end of a tick while SoundOn is 1.
void PlaySounds();
// Clears all 40 triggers, whether or not sound is on.
void ClearSoundTriggers();
