// The main form: it carries the drawing surface, the frame timer and the sound device, and its
// handlers are the only way in for the platform: the timer tick and the four mouse events.
#pragma once

#include <cstdint>

#include "platform/components.h"

enum class TMouseButton { Left, Right, Middle };

struct TShiftState {
  bool Ctrl = false;
};

class TForm1 {
 public:
  // Creates the components; the waves are built into the program and exist from here on.
  explicit TForm1(PlatformBackend& backend);
  ~TForm1();
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  DrawingSurface DXDraw1;
  FrameTimer DXTimer1;
  SoundDevice DXSound1;
  WaveList DXWaveList1;

  // The platform calls FormCreate once after creating the form.
  void FormCreate();
  // One tick: one frame of the game. Missed intervals (lagCount) are ignored.
  void DXTimer1Timer(int lagCount);

  void DXDraw1MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void DXDraw1MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  void DXDraw1MouseMove(TShiftState shift, int x, int y);
  void DXDraw1Click();

  // The form was closed: the program ends.
  bool Closed() const { return closed_; }

 private:
  void Close();

  PlatformBackend& backend_;
  bool closed_ = false;
};

// The one main form; set while it exists.
inline TForm1* Form1 = nullptr;

// Ticks since the form was created; the load runs on the tick that finds it at 10.
inline int32_t TickCount = 0;
inline constexpr int32_t LoadTick = 10;

// When set (tests and the runner), the load tick seeds Random with this instead of the clock.
inline bool FixedSeedGiven = false;
inline uint64_t FixedSeed = 0;

void FirstTimeInit();
void RunScreen();
