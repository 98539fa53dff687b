// Sound effects: during a tick game events raise numbered triggers; at the end of the tick
// PlaySounds plays each raised sound once with its volume and pan, then the triggers are cleared.
#pragma once

#include <array>
#include <cstdint>

inline constexpr int SoundTriggerCount = 40;
inline std::array<uint8_t, SoundTriggerCount> SoundTrigger{};  // [0..39], 1 = play this tick
inline std::array<int32_t, SoundTriggerCount> SoundPan{};      // kept until raised again

// Raises trigger k with a pan from the screen x: -2000 at the left edge, 0 at the centre, +2000
// at the right. A k outside 0..39 is ignored; before the screen size is known the pan is centred.
void RaiseSound(int k, int x);
// Plays every raised sound once; called at the end of a tick while SoundOn is 1. Does nothing
// without a form, and skips a wave the wave list does not hold.
void PlaySounds();
// Clears all 40 triggers; called at the end of every tick, whether or not sound is on.
void ClearSoundTriggers();
