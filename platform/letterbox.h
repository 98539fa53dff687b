// Letterboxing: where the 800 x 600 picture lies inside a window of any size, and which picture
// pixel a window position falls on. The desktop platform uses it for every frame and mouse event.
#pragma once

// The picture's place in the window, in window units: scaled as large as it fits, aspect kept,
// centred, with black bars on the two sides that are left over.
struct TLetterbox {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

struct TPicturePoint {
  int X = 0;
  int Y = 0;
};

// Fits a picture of pictureWidth x pictureHeight into an output of outputWidth x outputHeight.
// An empty output (a minimised window) gives an empty box.
TLetterbox FitPicture(int outputWidth, int outputHeight, int pictureWidth, int pictureHeight);

// The picture pixel under the window position (x, y). Positions on the bars or outside the window
// map outside the picture (negative, or at least the picture's size) and are not clamped. With an
// empty box the position is returned unchanged.
TPicturePoint WindowToPicture(const TLetterbox& box, int pictureWidth, int pictureHeight, int x,
                              int y);
