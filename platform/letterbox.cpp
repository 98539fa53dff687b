// Letterboxing: fitting the picture into the window and mapping mouse positions back to it.
#include "platform/letterbox.h"

#include <cstdint>

namespace {

// Rounds toward minus infinity, so a position left of or above the picture stays negative.
int FloorDivide(int64_t numerator, int64_t denominator) {
  int64_t quotient = numerator / denominator;
  if (numerator % denominator != 0 && (numerator < 0) != (denominator < 0)) --quotient;
  return static_cast<int>(quotient);
}

}  // namespace

TLetterbox FitPicture(int outputWidth, int outputHeight, int pictureWidth, int pictureHeight) {
  if (outputWidth <= 0 || outputHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0) return {};
  TLetterbox box;
  // compare the aspect ratios in integers: is the output wider than the picture?
  if (int64_t{outputWidth} * pictureHeight > int64_t{outputHeight} * pictureWidth) {
    box.Height = outputHeight;
    box.Width = static_cast<int>(int64_t{outputHeight} * pictureWidth / pictureHeight);
  } else {
    box.Width = outputWidth;
    box.Height = static_cast<int>(int64_t{outputWidth} * pictureHeight / pictureWidth);
  }
  box.Left = (outputWidth - box.Width) / 2;
  box.Top = (outputHeight - box.Height) / 2;
  return box;
}

TPicturePoint WindowToPicture(const TLetterbox& box, int pictureWidth, int pictureHeight, int x,
                              int y) {
  if (box.Width <= 0 || box.Height <= 0) return {x, y};
  return {FloorDivide(int64_t{x - box.Left} * pictureWidth, box.Width),
          FloorDivide(int64_t{y - box.Top} * pictureHeight, box.Height)};
}
