// The floor sheet: 13 tile patterns down, 31 steps of brightness across, 20 x 20 pixels a tile.
// Every pattern repeats every 20 pixels, so the tiles join without seams.
#include <array>
#include <cmath>

#include "tools/artgen/shapes.h"
#include "tools/artgen/sheets.h"

namespace {

constexpr int Tile = 20;
constexpr int Brightnesses = 31;
constexpr int Patterns = 13;
constexpr double Pi = 3.14159265358979323846;

// Pattern p at (x, y) inside a tile, 0..1; the tile's light only moves it a little, so the
// patterns stay subtle.
double PatternValue(int pattern, int x, int y) {
  const double fx = x + 0.5, fy = y + 0.5;
  switch (pattern) {
    case 1:
      return SmoothGrain(fx / 4, fy / 4, 5, 11);  // cloudy stone
    case 2:
      return (x == 0 || y == 0) ? 0.0 : 0.8 + 0.2 * Grain(x, y, 12);  // square tiles
    case 3:
      return ((x / 10 + y / 10) % 2 == 0) ? 0.9 : 0.55;  // checker board
    case 4:
      return ((x + y) % 10 < 5) ? 0.85 : 0.6;  // diagonal stripes
    case 5: {                                  // bricks
      const int row = y / 5;
      const int joint = (row % 2 == 0) ? 0 : 10;
      return (y % 5 == 0 || (x + Tile - joint) % Tile == 0) ? 0.25 : 0.85;
    }
    case 6:
      return 0.5 + 0.5 * std::cos(Pi * (std::fabs(fx - 10) + std::fabs(fy - 10)) / 5);  // diamonds
    case 7:
      return 0.55 + 0.45 * std::cos(Pi * std::hypot(fx - 10, fy - 10) / 3.5);  // rings
    case 8:
      return (std::hypot(fx - 5 - 10 * (x / 10), fy - 5 - 10 * (y / 10)) < 2.2) ? 1.0
                                                                                : 0.6;  // studs
    case 9:
      return ((x % 5 == 0) || (y % 5 == 0)) ? 0.45 : 0.85;  // fine grid
    case 10: {                                              // planks with grain
      const double grain =
          0.5 + 0.5 * std::sin(2 * Pi * fx / 20 * 3 + 2 * std::sin(2 * Pi * fy / 20));
      return (y % 10 == 0) ? 0.3 : 0.65 + 0.3 * grain;
    }
    case 11:
      return ((x == 5 && y < 15) || (y == 15 && x >= 5) || (x == 15 && y < 6) ||
              (y == 5 && x >= 15))
                 ? 1.0
                 : 0.6;  // circuit traces
    case 12:
      return 0.55 +
             0.45 * std::sin(2 * Pi * (fy / 10 + 0.25 * std::sin(2 * Pi * fx / 20)));  // waves
    default:
      return 0.45 + 0.55 * SmoothGrain(fx / 2.5, fy / 2.5, 8, 13);  // marble
  }
}

// Each pattern has its own quiet tint; the floor stays a cool, dark stone.
constexpr std::array<TColour, Patterns + 1> Tint = {{
    {0, 0, 0},
    {150, 160, 180},
    {140, 150, 170},
    {150, 150, 165},
    {130, 150, 175},
    {170, 150, 140},
    {140, 160, 170},
    {150, 145, 175},
    {145, 160, 160},
    {150, 160, 185},
    {165, 150, 130},
    {120, 165, 155},
    {130, 150, 185},
    {160, 160, 170},
}};

}  // namespace

TCanvas PaintFloor() {
  TCanvas sheet((Brightnesses + 1) * Tile, (Patterns + 1) * Tile, Black);
  for (int pattern = 1; pattern <= Patterns; ++pattern) {
    for (int brightness = 1; brightness <= Brightnesses; ++brightness) {
      // from nearly black at 1 to bright at 31, each step clearly above the one before
      const double level = 0.065 + 0.735 * std::pow((brightness - 1) / 30.0, 1.1);
      for (int y = 0; y < Tile; ++y) {
        for (int x = 0; x < Tile; ++x) {
          // a fine grain on every pattern, so no two steps of light look alike
          const double shade =
              0.72 + 0.26 * PatternValue(pattern, x, y) + 0.05 * Grain(x, y, pattern);
          const TColour c = Scale(Tint[pattern], level * shade * 1.25);
          sheet.Set(brightness * Tile + x, pattern * Tile + y, NotKeyBlack(c));
        }
      }
    }
  }
  return sheet;
}
