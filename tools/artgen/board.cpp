// The board's pieces: the six jewel stones, the eight hexagonal field frames and the two
// shadows. Every stone colour has its own cut (round, square, triangle, rhombus, star, heart),
// so colours can also be told apart by shape; a field's frame has the colour of the stone that
// scores double on it.
#include <array>
#include <cmath>

#include "tools/artgen/shapes.h"
#include "tools/artgen/sheets.h"

namespace {

constexpr int StoneWidth = 27;
constexpr int StoneHeight = 25;
constexpr int FieldWidth = 28;
constexpr int FieldHeight = 26;
constexpr int ShadowSize = 27;
constexpr int StoneColours = 6;
constexpr int FieldPictures = 8;
constexpr int LitField = 7;
constexpr int DropField = 8;

// The stones' colours, 1..6: red, green, blue, yellow, violet, cyan.
constexpr std::array<TColour, StoneColours + 1> StoneColour = {{
    {0, 0, 0},
    {235, 40, 45},
    {40, 200, 70},
    {45, 100, 245},
    {250, 215, 40},
    {185, 70, 230},
    {60, 225, 230},
}};

// The cut of stone colour c, centred on (cx, cy), scaled to fit a box of about `size` pixels.
TPolygon StoneCut(int colour, double cx, double cy, double size) {
  const double r = size / 2;
  constexpr double Pi = 3.14159265358979323846;
  switch (colour) {
    case 1:
      return RegularPolygon(cx, cy, r, r, 16, 0);  // round brilliant
    case 2:
      return RegularPolygon(cx, cy, r * 1.08, r * 1.08, 8, Pi / 8);  // square, cut corners
    case 3:
      return RegularPolygon(cx, cy + r * 0.18, r * 1.22, r * 1.22, 3, -Pi / 2);  // triangle
    case 4:
      return RegularPolygon(cx, cy, r * 1.05, r * 1.12, 4, -Pi / 2);  // rhombus
    case 5:
      return Star(cx, cy + r * 0.08, r * 1.18, r * 0.6, 5);
    default:
      return Heart(cx, cy + r * 0.05, size * 0.98);
  }
}

// Light falls from the upper left, a little from the front.
constexpr double LightX = -0.5, LightY = -0.6, LightZ = 0.62;

// A faceted jewel: a bevel that tilts toward the nearest edge around a flat table, lit from the
// upper left, with the glow of light passing through the stone at the lower right and a dark
// rim that sets it off from the field under it.
void PaintJewel(TCanvas& sheet, int top, const TPolygon& cut, TColour base, double cx, double cy) {
  constexpr double Bevel = 4.2;
  for (int y = 0; y < StoneHeight; ++y) {
    for (int x = 0; x < StoneWidth; ++x) {
      const double coverage = PixelCoverage(cut, x, y);
      if (coverage < 0.45) continue;
      const double px = x + 0.5, py = y + 0.5;
      double nx = 0, ny = 0;
      const double d = EdgeDistance(cut, px, py, &nx, &ny);
      double normalX = 0, normalY = 0, normalZ = 1;
      if (d < Bevel) {
        // the bevel faces away from the centre: its normal is the outward edge normal, tilted up
        normalX = -nx * 0.75;
        normalY = -ny * 0.75;
        normalZ = 0.66;
      }
      const double diffuse = std::fmax(0.0, normalX * LightX + normalY * LightY + normalZ * LightZ);
      TColour c = Scale(base, 0.35 + 0.85 * diffuse);
      if (d >= Bevel) {
        // the table: light enters at the top left and glows out at the lower right
        const double glow = ((px - cx) * 0.6 + (py - cy) * 0.8) / 12.0;
        c = Scale(base, 0.55 + 0.45 * std::fmax(0.0, glow) + 0.15 * (1 - std::fabs(glow)));
      }
      // a sharp highlight on the upper-left bevel and a spark on the table
      const double halfX = LightX, halfY = LightY, halfZ = LightZ + 1;
      const double length = std::sqrt(halfX * halfX + halfY * halfY + halfZ * halfZ);
      const double specular = std::pow(
          std::fmax(0.0, (normalX * halfX + normalY * halfY + normalZ * halfZ) / length), 40);
      c = Mix(c, {255, 255, 255}, std::fmin(0.8, specular * (d < Bevel ? 1.0 : 0.15)));
      const double sparkX = px - (cx - 3.5), sparkY = py - (cy - 3.5);
      const double spark = std::exp(-(sparkX * sparkX + sparkY * sparkY) / 2.2);
      c = Mix(c, {255, 255, 255}, 0.85 * spark);
      if (d < 1.0 || coverage < 1) c = Mix(c, Scale(base, 0.25), 0.7);
      sheet.Set(x, top + y, NotKeyBlack(c));
    }
  }
}

// A hexagonal field is a raised frame along the hexagon's edge; its inside stays open (the key),
// because the fields are drawn over the stones and the stone lying on a field must show through.
// The frame is lit on its outer slope where that faces the light and shaded on its inner step.
struct TFieldLook {
  TColour Rim;
  double RimLight;  // how strongly the outer slope is lit, 0..1
  TColour Step;     // the inner step, next to the opening
};

// The frame's width, measured from the hexagon's edge to a pixel's centre. The stone fills the
// field nearly from top to bottom, so the flat top and bottom are narrower than the slanted sides.
constexpr double RimWidth = 2.7;
constexpr double FlatRimWidth = 2.1;
constexpr double RimSlope = 1.4;  // the outer part of the frame that catches the light

const TPolygon& FieldOutline() {
  static const TPolygon hexagon = FieldHexagon(14, 13, 14, 12.1);
  return hexagon;
}

bool InHexagon(int x, int y) {
  return PixelCoverage(FieldOutline(), x, y) >= 0.5;
}

// True for the pixels of the frame: inside the hexagon and near its edge.
bool InRim(int x, int y) {
  if (!InHexagon(x, y)) return false;
  double nx = 0, ny = 0;
  const double d = EdgeDistance(FieldOutline(), x + 0.5, y + 0.5, &nx, &ny);
  return d < (std::fabs(nx) < 0.01 ? FlatRimWidth : RimWidth);
}

void PaintFieldRim(TCanvas& sheet, int top, const TFieldLook& look) {
  for (int y = 0; y < FieldHeight; ++y) {
    for (int x = 0; x < FieldWidth; ++x) {
      if (!InRim(x, y)) continue;
      double nx = 0, ny = 0;
      const double d = EdgeDistance(FieldOutline(), x + 0.5, y + 0.5, &nx, &ny);
      const double facing = -(nx * LightX + ny * LightY);  // the outer slope faces outward
      const TColour c = d < RimSlope ? Scale(look.Rim, 0.85 + look.RimLight * 0.45 * facing)
                                     : Scale(look.Step, 0.9 - 0.3 * facing);
      sheet.Set(x, top + y, NotKeyBlack(c));
    }
  }
}

// The drop field's sign: in the top of the frame a bright arrowhead pointing down, the way the
// stones will slide, edged in dark so it stands out on the gold. It ends above the stone's body.
void PaintDropSign(TCanvas& sheet, int top) {
  constexpr double TopY = 0.9, TipY = 7.4, HalfTop = 5.0;
  const auto inArrow = [](int x, int y) {
    const double px = x + 0.5 - 14, py = y + 0.5;
    return py > TopY && py < TipY && std::fabs(px) < (TipY - py) * HalfTop / (TipY - TopY);
  };
  const auto nextToArrow = [&inArrow](int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (inArrow(x + dx, y + dy)) return true;
      }
    }
    return false;
  };
  for (int y = 0; y < FieldHeight / 2; ++y) {
    for (int x = 0; x < FieldWidth; ++x) {
      if (inArrow(x, y)) {
        sheet.Set(x, top + y, Mix({255, 255, 235}, {255, 225, 110}, (y - 1) / 6.0));
      } else if (nextToArrow(x, y) && !inArrow(x, y + 1) && InHexagon(x, y)) {
        sheet.Set(x, top + y, {95, 55, 10});
      }
    }
  }
}

}  // namespace

TCanvas PaintStones() {
  TCanvas sheet(StoneWidth, StoneHeight * StoneColours, Black);
  for (int colour = 1; colour <= StoneColours; ++colour) {
    const double cx = 13.5, cy = 12.5;
    PaintJewel(sheet, (colour - 1) * StoneHeight, StoneCut(colour, cx, cy, 21.5),
               StoneColour[colour], cx, cy);
  }
  return sheet;
}

TCanvas PaintFields() {
  TCanvas sheet(FieldWidth, FieldHeight * FieldPictures, Black);
  for (int picture = 1; picture <= FieldPictures; ++picture) {
    const int top = (picture - 1) * FieldHeight;
    if (picture <= StoneColours) {
      // subdued, yet clearly the colour of the stone that scores double here
      const TColour rim = Mix(Scale(StoneColour[picture], 0.8), {80, 80, 88}, 0.2);
      PaintFieldRim(sheet, top, {rim, 1.0, Scale(rim, 0.7)});
    } else if (picture == LitField) {
      PaintFieldRim(sheet, top, {{230, 245, 255}, 0.3, {170, 225, 255}});
    } else {
      PaintFieldRim(sheet, top, {{255, 190, 50}, 0.5, {255, 225, 130}});
      PaintDropSign(sheet, top);
    }
  }
  return sheet;
}

// The shadows are black with a dithered outer fringe, so the floor shows through their soft edge.
// Frame 1 is cast by an empty field: only its raised frame throws a shadow, a dark ring, so the
// floor seen through the field reads as a hole in the frame. Frame 2 is cast by a field holding
// a stone: a full hexagon. Both lie 10 pixels right of and below the field.
TCanvas PaintShadows() {
  constexpr double RingWidth = 3.0;
  TCanvas sheet(ShadowSize, ShadowSize * 2, Magenta);
  const TPolygon hexagon = FieldHexagon(13, 13, 13, 12);
  for (int frame = 1; frame <= 2; ++frame) {
    const int top = (frame - 1) * ShadowSize;
    for (int y = 0; y < ShadowSize; ++y) {
      for (int x = 0; x < ShadowSize; ++x) {
        const double px = x + 0.5, py = y + 0.5;
        if (!Inside(hexagon, px, py)) continue;
        const double d = EdgeDistance(hexagon, px, py);
        if (frame == 1 && d > RingWidth) continue;
        if (d < 1.0 && (x + y) % 2 == 1) continue;  // the outer pixel: every other one
        sheet.Set(x, top + y, Black);
      }
    }
  }
  return sheet;
}
