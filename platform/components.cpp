// The form's components: wave lookup and the sound device's ranges.
#include "platform/components.h"

#include <algorithm>
#include <cctype>

TWave& WaveList::Add(std::string name, int sampleRate, std::vector<int16_t> samples) {
  TWave wave;
  wave.Name = std::move(name);
  wave.SampleRate = sampleRate;
  wave.Samples = std::move(samples);
  waves_.push_back(std::move(wave));
  return waves_.back();
}

TWave* WaveList::Find(std::string_view name) {
  const auto sameIgnoringCase = [name](const TWave& wave) {
    return std::equal(wave.Name.begin(), wave.Name.end(), name.begin(), name.end(),
                      [](char a, char b) {
                        return std::tolower(static_cast<unsigned char>(a)) ==
                               std::tolower(static_cast<unsigned char>(b));
                      });
  };
  const auto found = std::find_if(waves_.begin(), waves_.end(), sameIgnoringCase);
  return found == waves_.end() ? nullptr : &*found;
}

void SoundDevice::SetVolume(TWave& wave, int volume) {
  wave.Volume = std::clamp(volume, -10000, 0);
}

void SoundDevice::SetPan(TWave& wave, int pan) {
  wave.Pan = std::clamp(pan, -10000, 10000);
}
