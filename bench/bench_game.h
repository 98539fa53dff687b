// Benchmark support: the whole game on the headless platform, loaded to its first picture and
// then ticked by the benchmarks, with the art found beside the benchmark program.
#pragma once

#include <filesystem>

#include "engine/globals.h"
#include "engine/shell/assets.h"
#include "engine/shell/form.h"
#include "platform/headless/headless_backend.h"

class TBenchGame {
 public:
  // Runs the ten black ticks and the load tick with Random seeded, so every run is the same.
  TBenchGame() {
    SetExecutablePath(std::filesystem::read_symlink("/proc/self/exe").string());
    FixedSeedGiven = true;
    FixedSeed = 1;
    Form.FormCreate();
    while (TickCount <= LoadTick) Tick();
  }
  ~TBenchGame() { FixedSeedGiven = false; }
  TBenchGame(const TBenchGame&) = delete;
  TBenchGame& operator=(const TBenchGame&) = delete;

  void Tick() {
    Backend.ForgetPlays();
    Form.DXTimer1Timer(0);
  }
  void Move(int x, int y) { Form.DXDraw1MouseMove({}, x, y); }

  HeadlessBackend Backend;
  TForm1 Form{Backend};
};
