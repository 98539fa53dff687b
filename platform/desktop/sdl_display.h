// The desktop's screen: a full-screen window that shows the game's 16-bit back buffer scaled to
// the display with its shape kept. Opened once at start, shown on every flip.
#pragma once

#include <stdexcept>
#include <vector>

#include "platform/letterbox.h"
#include "platform/surface.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

// No display could be opened; the message says why.
class DisplayError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class SdlDisplay {
 public:
  // Opens the full-screen window titled "TARVOLIN" with the system pointer shown, for pictures of
  // pictureWidth x pictureHeight. Throws DisplayError when there is no display to open.
  SdlDisplay(int pictureWidth, int pictureHeight);
  ~SdlDisplay();
  SdlDisplay(const SdlDisplay&) = delete;
  SdlDisplay& operator=(const SdlDisplay&) = delete;

  // Uploads the picture and shows it, letterboxed. A picture of another size is not shown.
  void Show(const PictureSurface& picture);
  // Shows the last picture again (after the window was uncovered).
  void Redraw();
  // The picture pixel under a window position; outside the picture it lies outside 800 x 600.
  TPicturePoint ToPicture(int windowX, int windowY) const;
  // The window has the input focus and is not minimised: the game's timer may run.
  bool Active() const;
  // Leaves full screen and hides the window, giving the desktop back.
  void LeaveFullScreen();
  // Tells the player about a failure in a message box, away from the full screen.
  void ShowError(const char* message);

 private:
  // Closes what was opened and throws DisplayError naming what failed and why.
  [[noreturn]] void CloseAndFail(const char* what);
  // Destroys the window and its renderer and texture; safe to call on a half-opened display.
  void Close();
  // Copies the picture on screen into the texture.
  void Upload();

  int pictureWidth_;
  int pictureHeight_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  std::vector<TPixel> shown_;  // the picture on screen, black at first
};
