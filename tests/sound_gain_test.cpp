// Loudness arithmetic: hundredths of a decibel to the mixer's volume and stereo gains.
#include "platform/sound_gain.h"

#include <gtest/gtest.h>

namespace {

TEST(SoundGain, MixerVolumeFollowsDecibels) {
  const struct {
    int Volume, Expected;
  } cases[] = {
      {0, 128},     // full level
      {500, 128},   // above full is played as full
      {-600, 64},   // 6 dB down halves the amplitude
      {-2000, 13},  // 20 dB down: a tenth, 12.8 rounded
      {-3500, 2},   // the quietest wave at the start level: 2.28
      {-6000, 0},   // 0.128 rounds to silence
      {-10000, 0},  // silent
      {-20000, 0},  // beyond silent stays silent
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MixerVolume(c.Volume), c.Expected) << "volume " << c.Volume;
  }
}

TEST(SoundGain, PanAttenuatesTheOppositeSide) {
  const struct {
    int Pan;
    int Left, Right;
  } cases[] = {
      {0, 255, 255},       // centre: both sides full
      {-600, 255, 128},    // left: the right side 6 dB down
      {600, 128, 255},     // right: the left side 6 dB down
      {-2000, 255, 26},    // the left screen edge: 20 dB
      {10000, 0, 255},     // fully right: the left side silent
      {-1000000, 255, 0},  // beyond the device's range is clamped, not wrapped
  };
  for (const auto& c : cases) {
    const TStereoGains gains = PanGains(c.Pan);
    EXPECT_EQ(gains.Left, c.Left) << "pan " << c.Pan;
    EXPECT_EQ(gains.Right, c.Right) << "pan " << c.Pan;
  }
}

}  // namespace
