// The six synthesised sound effects: names, formats, loudness and that they never clip.
#include "engine/shell/waves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace {

struct WaveFormat {
  std::string_view Name;
  int SampleRate;
  size_t Bytes;
};

constexpr WaveFormat Formats[] = {
    {"ballweg.wav", 11025, 37888},    {"erschein1.wav", 22050, 37888},
    {"explosion1.WAV", 11025, 33792}, {"maser3.WAV", 44100, 24758},
    {"ploing2.WAV", 11025, 33024},    {"tusch.wav", 11025, 32768},
};

int Peak(const TWave& wave) {
  int peak = 0;
  for (int16_t s : wave.Samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak;
}

}  // namespace

TEST(Waves, SixWavesWithTheirRatesAndLengths) {
  WaveList list;
  BuildWaves(list);
  EXPECT_EQ(list.Items().size(), std::size(Formats));
  for (const WaveFormat& format : Formats) {
    SCOPED_TRACE(format.Name);
    const TWave* wave = list.Find(format.Name);
    ASSERT_NE(wave, nullptr);
    EXPECT_EQ(wave->Name, format.Name);  // spelled exactly, letter case included
    EXPECT_EQ(wave->SampleRate, format.SampleRate);
    EXPECT_EQ(wave->Samples.size() * 2, format.Bytes);
  }
}

TEST(Waves, AudibleWithoutClippingAndEndInSilence) {
  WaveList list;
  BuildWaves(list);
  for (const TWave& wave : list.Items()) {
    SCOPED_TRACE(wave.Name);
    const int peak = Peak(wave);
    EXPECT_LT(peak, 32767);      // no sample at full scale
    EXPECT_GT(peak, 32767 / 2);  // loud enough beside the others
    // a sound that stops on a loud sample clicks
    EXPECT_LT(std::abs(static_cast<int>(wave.Samples.back())), 64);
  }
}

TEST(Waves, SameSamplesOnEveryBuild) {
  WaveList first;
  WaveList second;
  BuildWaves(first);
  BuildWaves(second);
  ASSERT_EQ(first.Items().size(), second.Items().size());
  for (size_t i = 0; i < first.Items().size(); ++i) {
    EXPECT_EQ(first.Items()[i].Samples, second.Items()[i].Samples) << first.Items()[i].Name;
  }
}
