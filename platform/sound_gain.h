// Loudness arithmetic for the desktop sound device: the game gives volume and pan in hundredths
// of a decibel; the mixer wants a channel volume and two stereo gains. Used on every play.
#pragma once

#include <cstdint>

inline constexpr int MixerFullVolume = 128;  // the mixer's channel volume at full level
inline constexpr int StereoFullGain = 255;   // the mixer's stereo gain of an unattenuated side

// The mixer volume 0..128 of a volume in hundredths of a decibel (0 full, -10000 silent):
// amplitude 10^(volume / 2000), rounded. Volumes above 0 play at full level.
int MixerVolume(int volume);

struct TStereoGains {
  uint8_t Left = StereoFullGain;
  uint8_t Right = StereoFullGain;
};

// The stereo gains of a pan in hundredths of a decibel: the side away from the pan is attenuated
// by |pan| hundredths of a decibel (negative pan leans left, so the right side is quieter).
TStereoGains PanGains(int pan);
