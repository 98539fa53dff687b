// First plain sheets: the right sizes and keys, until each gets its own painter.
#include "tools/artgen/sheets.h"

static TCanvas Plain(int w, int h, TColour key, TColour ink) {
  TCanvas c(w, h, key);
  c.FillRect(w / 4, h / 4, w * 3 / 4, h * 3 / 4, ink);
  return c;
}

static TCanvas PlainFont(int cell, int rows, TColour ink, bool blankSpace) {
  TCanvas c(cell * 10, cell * rows, Magenta);
  for (int g = 1; g <= rows * 10; ++g) {
    if (blankSpace && g == 55) continue;
    const int l = (g - 1) % 10 * cell;
    const int t = (g - 1) / 10 * cell;
    c.FillRect(l + 1, t + 1, l + cell - 1, t + cell - 1, ink);
  }
  return c;
}

TCanvas PaintLayout() {
  return Plain(800, 600, Black, {90, 90, 110});
}
TCanvas PaintButtons() {
  return Plain(64, 864, Black, {90, 90, 110});
}
TCanvas PaintFields() {
  return Plain(28, 208, Black, {60, 60, 80});
}
TCanvas PaintShadows() {
  return Plain(27, 54, Magenta, Black);
}
TCanvas PaintStones() {
  return Plain(27, 150, Black, {200, 50, 50});
}
TCanvas PaintExplosions() {
  return Plain(450, 2100, Black, {250, 200, 50});
}
TCanvas PaintFloor() {
  return Plain(640, 280, Black, {60, 60, 60});
}
TCanvas PaintSmallGreen() {
  return PlainFont(7, 6, {80, 220, 80}, true);
}
TCanvas PaintSmallDarkGreen() {
  return PlainFont(7, 6, {40, 130, 40}, true);
}
TCanvas PaintSmallBright() {
  return PlainFont(7, 6, {240, 240, 240}, true);
}
TCanvas PaintLargeGreen() {
  return PlainFont(15, 8, {80, 220, 80}, false);
}
TCanvas PaintLargeGold() {
  return PlainFont(30, 8, {240, 190, 60}, false);
}
TCanvas PaintLargeBlue() {
  return PlainFont(15, 8, {80, 160, 240}, false);
}
