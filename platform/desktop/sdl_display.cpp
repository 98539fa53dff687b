// The desktop's screen: full-screen window, streaming texture, letterboxed presentation.
#include "platform/desktop/sdl_display.h"

#include <SDL.h>

#include <string>

SdlDisplay::SdlDisplay(int pictureWidth, int pictureHeight)
    : pictureWidth_(pictureWidth), pictureHeight_(pictureHeight) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) CloseAndFail("cannot open a display");
  window_ = SDL_CreateWindow("TARVOLIN", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                             pictureWidth, pictureHeight, SDL_WINDOW_FULLSCREEN_DESKTOP);
  if (window_ == nullptr) CloseAndFail("cannot open the game's window");
  renderer_ = SDL_CreateRenderer(window_, -1, 0);
  if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (renderer_ == nullptr) CloseAndFail("cannot draw into the game's window");
  // the picture is scaled by a non-integer factor on most displays: smooth rather than blocky
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                               pictureWidth, pictureHeight);
  if (texture_ == nullptr) CloseAndFail("cannot create the game's picture");
  SDL_ShowCursor(SDL_ENABLE);
  // black until the first flip, as the game's first frames are
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, SDL_ALPHA_OPAQUE);
  SDL_RenderClear(renderer_);
  SDL_RenderPresent(renderer_);
}

SdlDisplay::~SdlDisplay() {
  Close();
}

void SdlDisplay::CloseAndFail(const char* what) {
  // the reason is taken before closing, which may overwrite it
  const std::string message = std::string(what) + ": " + SDL_GetError();
  Close();
  throw DisplayError(message);
}

void SdlDisplay::Close() {
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  texture_ = nullptr;
  renderer_ = nullptr;
  window_ = nullptr;
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void SdlDisplay::Show(const PictureSurface& picture) {
  if (picture.Width() != pictureWidth_ || picture.Height() != pictureHeight_) return;
  // the back buffer's rows lie one after another, so it is uploaded as it is, without a copy
  SDL_UpdateTexture(texture_, nullptr, picture.Row(0),
                    pictureWidth_ * static_cast<int>(sizeof(TPixel)));
  Redraw();
}

void SdlDisplay::Redraw() {
  int outputWidth = 0;
  int outputHeight = 0;
  SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight);
  const TLetterbox box = FitPicture(outputWidth, outputHeight, pictureWidth_, pictureHeight_);
  const SDL_Rect target{box.Left, box.Top, box.Width, box.Height};
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, SDL_ALPHA_OPAQUE);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, &target);
  SDL_RenderPresent(renderer_);
}

TPicturePoint SdlDisplay::ToPicture(int windowX, int windowY) const {
  // mouse positions come in window units, which may differ from output pixels on dense displays
  int windowWidth = 0;
  int windowHeight = 0;
  SDL_GetWindowSize(window_, &windowWidth, &windowHeight);
  const TLetterbox box = FitPicture(windowWidth, windowHeight, pictureWidth_, pictureHeight_);
  return WindowToPicture(box, pictureWidth_, pictureHeight_, windowX, windowY);
}

bool SdlDisplay::Active() const {
  const Uint32 flags = SDL_GetWindowFlags(window_);
  return (flags & SDL_WINDOW_INPUT_FOCUS) != 0 &&
         (flags & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN)) == 0;
}

void SdlDisplay::LeaveFullScreen() {
  SDL_SetWindowFullscreen(window_, 0);
  SDL_HideWindow(window_);
}

void SdlDisplay::ShowError(const char* message) {
  // a message box behind a full-screen window would never be seen
  LeaveFullScreen();
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "TARVOLIN", message, nullptr);
}
