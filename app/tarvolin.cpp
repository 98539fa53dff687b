// tarvolin: the game on the desktop. Opens the full screen and the speakers, then runs the frame
// timer and hands the mouse events to the form until the game is left or the window is closed.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "engine/globals.h"
#include "engine/shell/assets.h"
#include "engine/shell/form.h"
#include "platform/desktop/sdl_platform.h"
#include "platform/tick_clock.h"

namespace {

// The running executable's own path, so the art beside it is found from any working directory.
std::string ExecutablePath(const char* argv0) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self.string();
  return argv0 != nullptr ? argv0 : "";
}

// The window was closed: the game is left as by its own EXIT. From the first full frame on, one
// last tick runs with QuitRequested set, so the form draws its last frame and closes as always;
// before that nothing is loaded yet and the loop simply ends.
void LeaveOnWindowClose(TForm1& form) {
  if (TickCount <= LoadTick) return;
  QuitRequested = 1;
  form.DXTimer1Timer(0);
}

bool Ending(const TForm1& form, const SdlPlatform& platform) {
  return form.Closed() || platform.Closed();
}

// Runs ticks and delivers mouse events between them until the form closes or the window is
// closed. Waits for events without spinning until the next tick is due.
void RunFrameLoop(TForm1& form, SdlPlatform& platform) {
  TickClock clock(FrameTimer::IntervalMs);
  const auto observe = [&](uint64_t now) {
    clock.Observe(now, form.DXTimer1.Enabled() && platform.Active(), form.DXTimer1.Restarts());
  };
  while (!Ending(form, platform)) {
    uint64_t now = SdlPlatform::NowMs();
    observe(now);
    if (clock.Due(now)) {
      clock.TickStarted(now);
      form.DXTimer1Timer(0);  // missed intervals are never made up
      if (Ending(form, platform)) return;
      now = SdlPlatform::NowMs();
      observe(now);  // a timer switched on again during the tick starts its interval now
    }
    // events waiting after a slow tick are delivered before the next one, never starved
    platform.DeliverEvents(form, clock.WaitMs(now));
    if (platform.CloseAsked()) {
      LeaveOnWindowClose(form);
      return;
    }
  }
}

// The form on the desktop platform, from its creation to its closing. 0 when the game was left,
// 1 when it could not start (a missing or broken bitmap: the player is told which).
int RunGame(SdlPlatform& platform) {
  TForm1 form(platform);
  platform.PrepareWaves(form.DXWaveList1);
  form.FormCreate();
  try {
    RunFrameLoop(form, platform);
  } catch (const std::exception& failure) {
    platform.ReportFailure(failure.what());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int /*argc*/, char** argv) {
  SetExecutablePath(ExecutablePath(argv[0]));
  try {
    SdlPlatform platform;
    return RunGame(platform);
  } catch (const DisplayError& failure) {
    std::fprintf(stderr, "tarvolin: %s\n", failure.what());
    return 1;
  }
}
