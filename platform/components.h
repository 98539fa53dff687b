// The components the main form carries: the drawing surface, the frame timer, the sound device
// and the wave list. They hold the state the game sees; a platform backend shows and plays it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/surface.h"

struct TWave;

// What a platform does with the game's output: the desktop shows and plays it, the headless
// platform records it.
class PlatformBackend {
 public:
  virtual ~PlatformBackend() = default;
  // The back buffer becomes visible.
  virtual void Present(const PictureSurface& backBuffer) = 0;
  // Starts a new copy of the wave with this volume and pan (hundredths of a decibel).
  virtual void PlayWave(const TWave& wave, int volume, int pan) = 0;
  // Leaves full screen and ends the program once the current tick has finished.
  virtual void Close() = 0;
};

inline constexpr int DisplayWidth = 800;
inline constexpr int DisplayHeight = 600;

// The full-screen drawing surface: a back buffer of 800 x 600 at 16 bits per pixel.
class DrawingSurface {
 public:
  explicit DrawingSurface(PlatformBackend& backend)
      : backend_(backend), back_(DisplayWidth, DisplayHeight) {}
  PictureSurface& Surface() { return back_; }
  const PictureSurface& Surface() const { return back_; }
  void Fill(TPixel colour) { back_.Fill(colour); }
  void Flip() { backend_.Present(back_); }
  int Width() const { return back_.Width(); }
  int Height() const { return back_.Height(); }
  // Leaves full screen; the form closes after it.
  void Release() { released_ = true; }
  bool Released() const { return released_; }

 private:
  PlatformBackend& backend_;
  PictureSurface back_;
  bool released_ = false;
};

// The frame timer: a tick every IntervalMs while enabled and the game is the active application.
// The platform's loop reads it; a late tick is not made up.
class FrameTimer {
 public:
  static constexpr int IntervalMs = 33;
  void Enable() {
    if (!enabled_) ++restarts_;
    enabled_ = true;
  }
  void Disable() { enabled_ = false; }
  bool Enabled() const { return enabled_; }
  // Grows each time the timer is switched on again; the next tick then comes one interval later.
  uint32_t Restarts() const { return restarts_; }

 private:
  bool enabled_ = false;
  uint32_t restarts_ = 0;
};

// A sound effect: 16-bit mono PCM with its volume and pan, both in hundredths of a decibel.
struct TWave {
  std::string Name;
  int SampleRate = 0;
  std::vector<int16_t> Samples;
  int Volume = 0;   // -10000 (silent) .. 0 (full)
  int Pan = 0;      // -10000 (left) .. 10000 (right)
  int Handle = -1;  // the backend's own reference
};

// The six sound effects, found by name with letter case ignored.
class WaveList {
 public:
  TWave& Add(std::string name, int sampleRate, std::vector<int16_t> samples);
  // nullptr when no wave has this name.
  TWave* Find(std::string_view name);
  std::vector<TWave>& Items() { return waves_; }

 private:
  std::vector<TWave> waves_;
};

// The sound device: volume and pan are clamped to the device's ranges; a play starts a new copy
// that keeps the volume and pan it started with.
class SoundDevice {
 public:
  explicit SoundDevice(PlatformBackend& backend) : backend_(backend) {}
  static void SetVolume(TWave& wave, int volume);
  static void SetPan(TWave& wave, int pan);
  void Play(const TWave& wave) { backend_.PlayWave(wave, wave.Volume, wave.Pan); }

 private:
  PlatformBackend& backend_;
};
