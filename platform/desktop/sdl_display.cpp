// The desktop's screen: full-screen window, streaming texture, letterboxed presentation.
#include "platform/desktop/sdl_display.h"

#include <SDL.h>

#include <algorithm>
#include <string>

namespace {

// SDL falls back to drivers that draw into memory when no display can be reached; the game
// would then run unseen. They are used only when asked for by name in SDL_VIDEODRIVER.
bool DrawsNowhere(const char* driver) {
  if (driver == nullptr) return true;
  const bool memoryOnly = SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0;
  const char* wanted = SDL_getenv("SDL_VIDEODRIVER");
  return memoryOnly && (wanted == nullptr || SDL_strcasecmp(wanted, driver) != 0);
}

}  // namespace

SdlDisplay::SdlDisplay(int pictureWidth, int pictureHeight)
    : pictureWidth_(pictureWidth),
      pictureHeight_(pictureHeight),
      shown_(static_cast<size_t>(pictureWidth) * pictureHeight) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) CloseAndFail("cannot open a display");
  if (DrawsNowhere(SDL_GetCurrentVideoDriver())) {
    SDL_SetError("no display found (neither DISPLAY nor WAYLAND_DISPLAY leads to one)");
    CloseAndFail("cannot open a display");
  }
  // the window is made as large as the display from the start: without a window manager the
  // full-screen request is not carried out, and the window would keep the picture's size
  SDL_Rect bounds;
  if (SDL_GetDisplayBounds(0, &bounds) != 0) {
    bounds = {SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, pictureWidth, pictureHeight};
  }
  window_ = SDL_CreateWindow("TARVOLIN", bounds.x, bounds.y, bounds.w, bounds.h,
                             SDL_WINDOW_FULLSCREEN_DESKTOP);
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
  Upload();
  Redraw();
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
  // a picture like the one on screen is not uploaded and scaled again: a game standing idle
  // then costs next to nothing
  const TPixel* pixels = picture.Row(0);
  if (std::equal(pixels, pixels + shown_.size(), shown_.begin())) return;
  std::copy_n(pixels, shown_.size(), shown_.begin());
  Upload();
  Redraw();
}

void SdlDisplay::Upload() {
  SDL_UpdateTexture(texture_, nullptr, shown_.data(),
                    pictureWidth_ * static_cast<int>(sizeof(TPixel)));
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
