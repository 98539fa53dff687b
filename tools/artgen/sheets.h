// The painters of artgen: each draws one sheet of the game, the same on every run.
#pragma once

#include <array>
#include <string_view>

#include "tools/artgen/canvas.h"

TCanvas PaintLayout();          // res/layouts/layout2.bmp
TCanvas PaintButtons();         // res/layouts/knoepfe2.bmp
TCanvas PaintFields();          // res/steine/felderm.bmp
TCanvas PaintShadows();         // res/steine/schatten.bmp
TCanvas PaintStones();          // res/steine/steinem.bmp
TCanvas PaintExplosions();      // res/effekte/expl.bmp
TCanvas PaintFloor();           // res/fboden/fliesenm.bmp
TCanvas PaintSmallGreen();      // res/schriftz/font1gruen.bmp
TCanvas PaintSmallDarkGreen();  // res/schriftz/font1dgruen.bmp
TCanvas PaintSmallBright();     // res/schriftz/font1.bmp
TCanvas PaintLargeGreen();      // res/schriftz/font2gruen.bmp
TCanvas PaintLargeGold();       // res/schriftz/font3.bmp
TCanvas PaintLargeBlue();       // res/schriftz/font5.bmp

// One file of the game's art: where it goes under the output folder and who draws it.
struct TSheet {
  std::string_view Path;
  TCanvas (*Paint)();
};

inline constexpr int SheetCount = 13;
inline constexpr std::array<TSheet, SheetCount> Sheets{{
    {"res/schriftz/font1gruen.bmp", PaintSmallGreen},
    {"res/schriftz/font1dgruen.bmp", PaintSmallDarkGreen},
    {"res/schriftz/font1.bmp", PaintSmallBright},
    {"res/schriftz/font2gruen.bmp", PaintLargeGreen},
    {"res/schriftz/font3.bmp", PaintLargeGold},
    {"res/schriftz/font5.bmp", PaintLargeBlue},
    {"res/fboden/fliesenm.bmp", PaintFloor},
    {"res/layouts/layout2.bmp", PaintLayout},
    {"res/layouts/knoepfe2.bmp", PaintButtons},
    {"res/steine/felderm.bmp", PaintFields},
    {"res/steine/schatten.bmp", PaintShadows},
    {"res/steine/steinem.bmp", PaintStones},
    {"res/effekte/expl.bmp", PaintExplosions},
}};
