// The board's pieces: the six jewel stones, the eight hexagonal field pictures and the two
// shadows. Every stone colour has its own cut (round, square, triangle, rhombus, star, heart),
// and a field shows the faint imprint of the stone that scores double on it, so colours can
// also be told apart by shape.
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

// A hexagonal field: a lit rim around a recessed face of the given colour, optionally carrying
// an imprint.
struct TFieldLook {
  TColour Face;
  TColour Rim;
  double RimLight;  // how strongly the rim is lit, 0..1
};

void PaintFieldHexagon(TCanvas& sheet, int top, const TFieldLook& look) {
  const TPolygon hexagon = FieldHexagon(14, 13, 14, 12.1);
  for (int y = 0; y < FieldHeight; ++y) {
    for (int x = 0; x < FieldWidth; ++x) {
      const double coverage = PixelCoverage(hexagon, x, y);
      if (coverage < 0.5) continue;
      double nx = 0, ny = 0;
      const double d = EdgeDistance(hexagon, x + 0.5, y + 0.5, &nx, &ny);
      TColour c = look.Face;
      if (d < 2.2) {
        // the rim: lit where it faces the light, in shade where it turns away
        const double facing = -(nx * LightX + ny * LightY);
        c = Scale(look.Rim, 0.75 + look.RimLight * 0.6 * facing);
      } else if (d < 3.6) {
        // the inner step of the recess is shaded the other way round
        const double facing = nx * LightX + ny * LightY;
        c = Scale(look.Face, 0.85 + 0.35 * facing);
      } else {
        const double tone = 0.92 + 0.12 * ((x + 0.5 - 14) * -0.04 + (y + 0.5 - 13) * -0.05) +
                            0.05 * (Grain(x, y, 7) - 0.5);
        c = Scale(look.Face, tone);
      }
      sheet.Set(x, top + y, NotKeyBlack(c));
    }
  }
}

// Pushes the stone's cut into the face of a field: a faint shape, dark at the upper left edge and
// light at the lower right, as if pressed in.
void PaintImprint(TCanvas& sheet, int top, int colour, TColour face) {
  const TPolygon cut = StoneCut(colour, 14, 13, 11);
  for (int y = 0; y < FieldHeight; ++y) {
    for (int x = 0; x < FieldWidth; ++x) {
      if (PixelCoverage(cut, x, y) < 0.5) continue;
      double nx = 0, ny = 0;
      const double d = EdgeDistance(cut, x + 0.5, y + 0.5, &nx, &ny);
      const double facing = nx * LightX + ny * LightY;  // inner walls facing the light are lit
      const double tone = d < 1.3 ? 1.0 + 0.45 * facing : 1.12;
      sheet.Set(x, top + y, NotKeyBlack(Scale(face, tone)));
    }
  }
}

// The drop field's sign: a chevron pointing down, the way the stones will slide.
void PaintDropChevron(TCanvas& sheet, int top) {
  for (int y = 0; y < FieldHeight; ++y) {
    for (int x = 0; x < FieldWidth; ++x) {
      const double px = x + 0.5 - 14, py = y + 0.5 - 13;
      for (double offset : {-4.0, 2.0}) {
        // two chevrons: |x| * 0.8 from the tip line, strokes 2.4 pixels thick
        const double v = (py - offset) + std::fabs(px) * 0.8;
        if (std::fabs(px) < 7 && v > 0 && v < 2.4) {
          const TColour c = Mix({255, 250, 200}, {255, 190, 60}, (offset + 4) / 6);
          sheet.Set(x, top + y, c);
        }
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
      // subdued: a darkened, greyed version of the stone's colour, so stones stand out on it
      const TColour face = Mix(Scale(StoneColour[picture], 0.46), {44, 44, 50}, 0.3);
      PaintFieldHexagon(sheet, top, {face, Mix(face, {150, 150, 160}, 0.35), 1.0});
      PaintImprint(sheet, top, picture, face);
    } else if (picture == LitField) {
      PaintFieldHexagon(sheet, top, {{150, 160, 175}, {235, 240, 250}, 0.6});
    } else {
      PaintFieldHexagon(sheet, top, {{70, 60, 34}, {230, 190, 80}, 0.8});
      PaintDropChevron(sheet, top);
    }
  }
  return sheet;
}

// The shadows are black with a dithered fringe, so the floor shows through their soft edge.
// Frame 1 is cast by an empty field, frame 2 by a field with a stone: larger and fuller.
TCanvas PaintShadows() {
  TCanvas sheet(ShadowSize, ShadowSize * 2, Magenta);
  for (int frame = 1; frame <= 2; ++frame) {
    const TPolygon hexagon =
        FieldHexagon(13.5, 13.5, frame == 1 ? 13 : 13.5, frame == 1 ? 11 : 12.5);
    const TPolygon stone = RegularPolygon(12.5, 12.5, 11.5, 11, 24, 0);
    const int top = (frame - 1) * ShadowSize;
    for (int y = 0; y < ShadowSize; ++y) {
      for (int x = 0; x < ShadowSize; ++x) {
        const double px = x + 0.5, py = y + 0.5;
        double depth = Inside(hexagon, px, py) ? EdgeDistance(hexagon, px, py) : 0;
        if (frame == 2 && Inside(stone, px, py))
          depth = std::fmax(depth, EdgeDistance(stone, px, py) + 1);
        if (depth <= 0) continue;
        // the outer two pixels keep every other pixel, in a checker board
        if (depth < 2.0 && (x + y) % 2 == 1) continue;
        sheet.Set(x, top + y, Black);
      }
    }
  }
  return sheet;
}
