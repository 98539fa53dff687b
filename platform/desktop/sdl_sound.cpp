// The desktop's speakers: SDL_mixer with many channels, so copies of a sound overlap.
#include "platform/desktop/sdl_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>

#include "platform/sound_gain.h"

namespace {

constexpr int DeviceRate = 44100;
constexpr int DeviceChannels = 2;
constexpr int DeviceChunkSamples = 1024;  // about 23 ms of latency
// copies overlap freely: a settling stone may start a sound in every tick
constexpr int MixerChannels = 64;

}  // namespace

SdlSound::SdlSound() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    std::fprintf(stderr, "tarvolin: no sound device (%s); playing silently\n", SDL_GetError());
    return;
  }
  if (Mix_OpenAudio(DeviceRate, AUDIO_S16SYS, DeviceChannels, DeviceChunkSamples) != 0) {
    std::fprintf(stderr, "tarvolin: no sound device (%s); playing silently\n", Mix_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  Mix_AllocateChannels(MixerChannels);
  open_ = true;
}

SdlSound::~SdlSound() {
  if (!open_) return;
  Mix_HaltChannel(-1);
  for (Mix_Chunk* chunk : chunks_) {
    if (chunk != nullptr) Mix_FreeChunk(chunk);  // the sample data stays ours, freed after this
  }
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSound::Prepare(WaveList& waves) {
  int deviceRate = 0;
  Uint16 deviceFormat = 0;
  int deviceChannels = 0;
  if (!open_ || Mix_QuerySpec(&deviceRate, &deviceFormat, &deviceChannels) == 0) return;
  for (TWave& wave : waves.Items()) {
    wave.Handle = -1;
    if (wave.Samples.empty() || wave.SampleRate <= 0) continue;
    SDL_AudioStream* stream = SDL_NewAudioStream(AUDIO_S16SYS, 1, wave.SampleRate, deviceFormat,
                                                 static_cast<Uint8>(deviceChannels), deviceRate);
    if (stream == nullptr) continue;
    const auto bytes = static_cast<int>(wave.Samples.size() * sizeof(int16_t));
    std::vector<uint8_t> data;
    if (SDL_AudioStreamPut(stream, wave.Samples.data(), bytes) == 0 &&
        SDL_AudioStreamFlush(stream) == 0) {
      data.resize(static_cast<size_t>(SDL_AudioStreamAvailable(stream)));
      const int got = SDL_AudioStreamGet(stream, data.data(), static_cast<int>(data.size()));
      data.resize(got > 0 ? static_cast<size_t>(got) : 0);
    }
    SDL_FreeAudioStream(stream);
    if (data.empty()) continue;
    Mix_Chunk* chunk = Mix_QuickLoad_RAW(data.data(), static_cast<Uint32>(data.size()));
    if (chunk == nullptr) continue;
    // moving the vector keeps its buffer, so the chunk's pointer stays valid
    converted_.push_back(std::move(data));
    wave.Handle = static_cast<int>(chunks_.size());
    chunks_.push_back(chunk);
  }
}

void SdlSound::Play(const TWave& wave, int volume, int pan) {
  if (!open_ || wave.Handle < 0 || wave.Handle >= static_cast<int>(chunks_.size())) return;
  const int channel = FreeChannel();
  if (channel < 0) return;
  // volume and pan go onto the idle channel before the copy starts, so not one sample of it is
  // mixed with the settings of the channel's previous copy
  Mix_Volume(channel, MixerVolume(volume));
  const TStereoGains gains = PanGains(pan);
  Mix_SetPanning(channel, gains.Left, gains.Right);
  Mix_PlayChannel(channel, chunks_[static_cast<size_t>(wave.Handle)], 0);
}

int SdlSound::FreeChannel() {
  const int free = Mix_GroupAvailable(-1);
  if (free >= 0) return free;
  const int oldest = Mix_GroupOldest(-1);
  if (oldest >= 0) Mix_HaltChannel(oldest);
  return oldest;
}
