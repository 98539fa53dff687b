// The desktop's speakers: the six waves converted once at start to the audio device's format,
// each play a new copy on a free mixer channel with its own volume and pan.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/components.h"

struct Mix_Chunk;

class SdlSound {
 public:
  // Opens the audio device. Without one the game plays silently and says so once on stderr.
  SdlSound();
  ~SdlSound();
  SdlSound(const SdlSound&) = delete;
  SdlSound& operator=(const SdlSound&) = delete;

  // Called once at start, before the first tick: converts every wave to the device's format and
  // sets its Handle. Waves that cannot be converted keep Handle -1 and stay silent.
  void Prepare(WaveList& waves);
  // Starts a new copy of a prepared wave; copies already playing keep their volume and pan.
  void Play(const TWave& wave, int volume, int pan);

 private:
  // A free channel for a new copy; when every channel is busy the oldest copy makes room.
  // -1 when there is no channel at all.
  static int FreeChannel();

  bool open_ = false;
  std::vector<std::vector<uint8_t>> converted_;  // the sample data the chunks point into
  std::vector<Mix_Chunk*> chunks_;               // by TWave::Handle
};
