// The headless platform: keeps the last frame, records plays.
#include "platform/headless/headless_backend.h"

#include <algorithm>

void HeadlessBackend::Present(const PictureSurface& backBuffer) {
  for (int y = 0; y < backBuffer.Height(); ++y) {
    std::copy_n(backBuffer.Row(y), backBuffer.Width(), lastFrame_.Row(y));
  }
  ++framesPresented_;
}

void HeadlessBackend::PlayWave(const TWave& wave, int volume, int pan) {
  plays_.push_back({wave.Name, volume, pan});
}
