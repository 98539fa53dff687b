// Loudness arithmetic: hundredths of a decibel to mixer volume and stereo gains.
#include "platform/sound_gain.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int PanLimit = 10000;  // the sound device's widest pan, one side silent

// The amplitude factor of an attenuation in hundredths of a decibel (20 dB per factor of 10).
double Amplitude(int hundredthsOfDecibel) {
  return std::pow(10.0, static_cast<double>(hundredthsOfDecibel) / 2000.0);
}

int ScaledGain(int hundredthsOfDecibel, int fullScale) {
  const double amplitude = Amplitude(std::min(hundredthsOfDecibel, 0));
  return std::clamp(static_cast<int>(std::lround(amplitude * fullScale)), 0, fullScale);
}

}  // namespace

int MixerVolume(int volume) {
  return ScaledGain(volume, MixerFullVolume);
}

TStereoGains PanGains(int pan) {
  pan = std::clamp(pan, -PanLimit, PanLimit);
  const auto attenuated = static_cast<uint8_t>(ScaledGain(-std::abs(pan), StereoFullGain));
  TStereoGains gains;
  if (pan < 0) gains.Right = attenuated;
  if (pan > 0) gains.Left = attenuated;
  return gains;
}
