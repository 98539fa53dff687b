// The headless platform: no window and no sound device. It keeps the last flipped frame and
// records what the game plays, for tests, the runner and benchmarks.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/components.h"

class HeadlessBackend : public PlatformBackend {
 public:
  struct TPlay {
    std::string Name;
    int Volume;
    int Pan;
  };

  void Present(const PictureSurface& backBuffer) override;
  void PlayWave(const TWave& wave, int volume, int pan) override;
  void Close() override { closed_ = true; }

  const PictureSurface& LastFrame() const { return lastFrame_; }
  // The plays since the last ForgetPlays, in order.
  const std::vector<TPlay>& Plays() const { return plays_; }
  void ForgetPlays() { plays_.clear(); }
  bool Closed() const { return closed_; }
  int FramesPresented() const { return framesPresented_; }

 private:
  PictureSurface lastFrame_{DisplayWidth, DisplayHeight};
  std::vector<TPlay> plays_;
  bool closed_ = false;
  int framesPresented_ = 0;
};
