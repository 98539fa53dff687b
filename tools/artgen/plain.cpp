// First plain sheets: the right sizes and keys, until each gets its own painter.
#include "tools/artgen/sheets.h"

static TCanvas Plain(int w, int h, TColour key, TColour ink) {
  TCanvas c(w, h, key);
  c.FillRect(w / 4, h / 4, w * 3 / 4, h * 3 / 4, ink);
  return c;
}

TCanvas PaintExplosions() {
  return Plain(450, 2100, Black, {250, 200, 50});
}
TCanvas PaintFloor() {
  return Plain(640, 280, Black, {60, 60, 60});
}
