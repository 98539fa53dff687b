// The desktop platform: SDL start and shutdown, and the mouse events handed to the form.
#include "platform/desktop/sdl_platform.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include <cstdio>

namespace {

TShiftState CurrentShift() {
  return {(SDL_GetModState() & KMOD_CTRL) != 0};
}

// Only the three buttons the game knows are delivered; side buttons are not.
bool GameButton(Uint8 sdlButton, TMouseButton& button) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT:
      button = TMouseButton::Left;
      return true;
    case SDL_BUTTON_RIGHT:
      button = TMouseButton::Right;
      return true;
    case SDL_BUTTON_MIDDLE:
      button = TMouseButton::Middle;
      return true;
    default:
      return false;
  }
}

}  // namespace

SdlLibrary::SdlLibrary() {
  SDL_SetMainReady();
  SDL_Init(0);
}

SdlLibrary::~SdlLibrary() {
  SDL_Quit();
}

SdlPlatform::SdlPlatform() : display_(DisplayWidth, DisplayHeight) {}

void SdlPlatform::Close() {
  closed_ = true;
  display_.LeaveFullScreen();
}

uint64_t SdlPlatform::NowMs() {
  return SDL_GetTicks64();
}

void SdlPlatform::DeliverEvents(TForm1& form, int timeoutMs) {
  SDL_Event event;
  const int got = timeoutMs < 0 ? SDL_WaitEvent(&event) : SDL_WaitEventTimeout(&event, timeoutMs);
  if (got == 0) return;
  do {
    Deliver(form, event);
  } while (SDL_PollEvent(&event) != 0);
}

void SdlPlatform::Deliver(TForm1& form, const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      closeAsked_ = true;
      break;
    case SDL_WINDOWEVENT:
      // an uncovered window shows the last picture again, also while the timer stands still
      if (event.window.event == SDL_WINDOWEVENT_EXPOSED) display_.Redraw();
      break;
    case SDL_MOUSEMOTION:
      DeliverMove(form, event.motion);
      break;
    case SDL_MOUSEBUTTONDOWN:
      DeliverPress(form, event.button);
      break;
    case SDL_MOUSEBUTTONUP:
      DeliverRelease(form, event.button);
      break;
    default:
      break;
  }
}

void SdlPlatform::DeliverMove(TForm1& form, const SDL_MouseMotionEvent& motion) {
  const TPicturePoint at = display_.ToPicture(motion.x, motion.y);
  form.DXDraw1MouseMove(CurrentShift(), at.X, at.Y);
}

void SdlPlatform::DeliverPress(TForm1& form, const SDL_MouseButtonEvent& press) {
  TMouseButton button{};
  if (!GameButton(press.button, button)) return;
  if (button == TMouseButton::Left) leftPressed_ = true;
  const TPicturePoint at = display_.ToPicture(press.x, press.y);
  form.DXDraw1MouseDown(button, CurrentShift(), at.X, at.Y);
}

void SdlPlatform::DeliverRelease(TForm1& form, const SDL_MouseButtonEvent& release) {
  TMouseButton button{};
  if (!GameButton(release.button, button)) return;
  const TPicturePoint at = display_.ToPicture(release.x, release.y);
  form.DXDraw1MouseUp(button, CurrentShift(), at.X, at.Y);
  if (button == TMouseButton::Left && leftPressed_) {
    leftPressed_ = false;
    form.DXDraw1Click();
  }
}

void SdlPlatform::ReportFailure(const char* message) {
  std::fprintf(stderr, "tarvolin: %s\n", message);
  display_.ShowError(message);
}
