// Sound effects: at the end of every tick with sound on, the pans and volumes of the six waves
// are set and each raised sound plays once.
#include "engine/shell/sound.h"

#include <cmath>
#include <cstdint>
#include <string_view>

#include "engine/globals.h"
#include "engine/shell/form.h"

namespace {

constexpr int EffectCount = 6;
constexpr int32_t PanRange = 2000;  // hundredths of a decibel at either screen edge

// One sound effect: the trigger that raises it, its wave, how far below the level it plays, and
// whether it follows the pan of its trigger (the store's two sounds always play centred).
struct TSoundEffect {
  int Trigger;
  std::string_view Wave;
  int VolumeOffset;
  bool Panned;
};

// In trigger order, which is also the order in which pans are set and sounds are played.
constexpr std::array<TSoundEffect, EffectCount> Effects = {{
    {2, "maser3.WAV", 7000, true},      // a stone slides one field down
    {4, "explosion1.WAV", 5500, true},  // an explosion
    {13, "tusch.wav", 5000, true},      // a finished game enters the winners table
    {16, "erschein1.wav", 4500, true},  // a fill bonus
    {17, "ballweg.wav", 4500, false},   // the store is full
    {18, "ploing2.WAV", 5000, false},   // a store row is refilled
}};

// The volumes are set in this order of the effects above.
constexpr std::array<int, EffectCount> VolumeOrder = {0, 1, 5, 4, 3, 2};

using TEffectWaves = std::array<TWave*, EffectCount>;

TEffectWaves FindEffectWaves(WaveList& waves) {
  TEffectWaves found{};
  for (int e = 0; e < EffectCount; ++e) found[e] = waves.Find(Effects[e].Wave);
  return found;
}

// The loudness setting 10000..50000 as a volume 1000..5000 before each effect's offset.
int LevelVolume() {
  return static_cast<int>(std::lround(SoundLevel * 5000.0 / 50000.0));
}

}  // namespace

void RaiseSound(int k, int x) {
  if (k < 0 || k >= SoundTriggerCount) return;
  SoundTrigger[k] = 1;
  // 64-bit, so no x can overflow; integer division truncates toward zero
  SoundPan[k] = ScreenWidth == 0
                    ? 0
                    : static_cast<int32_t>(int64_t{x} * 2 * PanRange / ScreenWidth - PanRange);
}

void PlaySounds() {
  if (Form1 == nullptr) return;
  const TEffectWaves waves = FindEffectWaves(Form1->DXWaveList1);
  // a pan stays with its wave until set again, so it is set in every tick, raised or not
  for (int e = 0; e < EffectCount; ++e) {
    if (Effects[e].Panned && waves[e] != nullptr) {
      SoundDevice::SetPan(*waves[e], SoundPan[Effects[e].Trigger]);
    }
  }
  const int level = LevelVolume();
  for (const int e : VolumeOrder) {
    if (waves[e] != nullptr) SoundDevice::SetVolume(*waves[e], level - Effects[e].VolumeOffset);
  }
  for (int e = 0; e < EffectCount; ++e) {
    if (SoundTrigger[Effects[e].Trigger] == 1 && waves[e] != nullptr) {
      Form1->DXSound1.Play(*waves[e]);
    }
  }
}

void ClearSoundTriggers() {
  SoundTrigger.fill(0);
}
