// The desktop platform: the full-screen display, the speakers and the mouse, on SDL2. The main
// program creates it once, hands it to the form and asks it for events and the time.
#pragma once

#include <cstdint>

#include "engine/shell/form.h"
#include "platform/components.h"
#include "platform/desktop/sdl_display.h"
#include "platform/desktop/sdl_sound.h"

union SDL_Event;
struct SDL_MouseMotionEvent;
struct SDL_MouseButtonEvent;

// SDL itself, started before the display and the sound and shut down after them.
class SdlLibrary {
 public:
  SdlLibrary();
  ~SdlLibrary();
  SdlLibrary(const SdlLibrary&) = delete;
  SdlLibrary& operator=(const SdlLibrary&) = delete;
};

class SdlPlatform : public PlatformBackend {
 public:
  // Opens the display (throws DisplayError when there is none) and the sound device (silent
  // without one).
  SdlPlatform();

  void Present(const PictureSurface& backBuffer) override { display_.Show(backBuffer); }
  void PlayWave(const TWave& wave, int volume, int pan) override { sound_.Play(wave, volume, pan); }
  // Gives the desktop back at once; the main loop ends after the current tick.
  void Close() override;

  // Converts the form's waves for the sound device; once, before the first tick.
  void PrepareWaves(WaveList& waves) { sound_.Prepare(waves); }
  // Waits up to timeoutMs (-1: until something happens) for events, then hands every waiting
  // mouse event to the form's handlers in the order they came.
  void DeliverEvents(TForm1& form, int timeoutMs);
  // The window has the focus and is not minimised: the frame timer may tick.
  bool Active() const { return display_.Active(); }
  // The player closed the window.
  bool CloseAsked() const { return closeAsked_; }
  bool Closed() const { return closed_; }
  // Milliseconds since SDL started.
  static uint64_t NowMs();
  // Tells the player why the game cannot go on: on stderr and in a message box.
  void ReportFailure(const char* message);

 private:
  void Deliver(TForm1& form, const SDL_Event& event);
  void DeliverMove(TForm1& form, const SDL_MouseMotionEvent& motion);
  void DeliverPress(TForm1& form, const SDL_MouseButtonEvent& press);
  // The release, then the click event when the left press came to this window.
  void DeliverRelease(TForm1& form, const SDL_MouseButtonEvent& release);

  SdlLibrary library_;
  SdlDisplay display_;
  SdlSound sound_;
  bool closeAsked_ = false;
  bool closed_ = false;
  // the click event follows a left release only when the left press came to this window
  bool leftPressed_ = false;
};
