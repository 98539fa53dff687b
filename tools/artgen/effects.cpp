// The explosion sheet: for each stone colour a column of 28 frames of a burst that flashes,
// throws sparks and a ring outward, and fades to black, which the game leaves out.
#include <array>
#include <cmath>

#include "tools/artgen/shapes.h"
#include "tools/artgen/sheets.h"

namespace {

constexpr int Cell = 75;
constexpr int Colours = 6;
constexpr int Frames = 28;
constexpr int FirstShownFrame = 4;
constexpr int Sparks = 16;
constexpr double Pi = 3.14159265358979323846;

constexpr std::array<TColour, Colours + 1> BurstColour = {{
    {0, 0, 0},
    {255, 70, 50},
    {70, 240, 90},
    {70, 130, 255},
    {255, 225, 60},
    {210, 90, 255},
    {80, 240, 245},
}};

// Light of the burst at distance r from its centre, at time t 0..1 of the animation.
double BurstLight(double r, double t, double angle, int colour) {
  const double fade = std::pow(1 - t, 1.6);
  const double coreRadius = 6 + 16 * std::pow(t, 0.5);
  const double core = std::exp(-(r * r) / (coreRadius * coreRadius)) * (1 - t) * 1.4;
  const double ringRadius = 6 + 30 * std::pow(t, 0.7);
  const double ringWidth = 2.5 + 3 * t;
  // the ring is ragged: its strength varies with the angle, differently for every colour
  const double ragged = 0.7 + 0.3 * std::sin(angle * 7 + colour) * std::sin(angle * 3 - colour);
  const double ring = std::exp(-std::pow((r - ringRadius) / ringWidth, 2)) * fade * ragged;
  return core + 1.7 * ring;
}

// The sparks: small hot points thrown out at fixed angles and speeds.
double SparkLight(double x, double y, double t, int colour) {
  double light = 0;
  for (int s = 0; s < Sparks; ++s) {
    const double angle = 2 * Pi * (s + Grain(s, colour, 21)) / Sparks;
    const double speed = 20 + 14 * Grain(s, colour, 22);
    const double distance = 4 + speed * std::pow(t, 0.6);
    const double sx = std::cos(angle) * distance, sy = std::sin(angle) * distance + 8 * t * t;
    const double d2 = (x - sx) * (x - sx) + (y - sy) * (y - sy);
    light += 1.6 * std::exp(-d2 / 2.5) * std::pow(1 - t, 1.1);
  }
  return light;
}

}  // namespace

TCanvas PaintExplosions() {
  TCanvas sheet(Cell * Colours, Cell * Frames, Black);
  for (int colour = 1; colour <= Colours; ++colour) {
    for (int frame = 1; frame <= Frames; ++frame) {
      // frames before the first shown one hold the flash at its start
      const double t =
          std::fmax(0.0, (frame - FirstShownFrame) / double(Frames - FirstShownFrame + 1));
      for (int y = 0; y < Cell; ++y) {
        for (int x = 0; x < Cell; ++x) {
          const double dx = x + 0.5 - Cell / 2.0, dy = y + 0.5 - Cell / 2.0;
          const double r = std::hypot(dx, dy);
          const double light =
              BurstLight(r, t, std::atan2(dy, dx), colour) + SparkLight(dx, dy, t, colour);
          // hot light turns white, weak light keeps the stone's colour
          TColour c = Scale(BurstColour[colour], std::fmin(1.0, light));
          c = Mix(c, {255, 255, 240}, std::fmin(1.0, std::fmax(0.0, light - 1.0)));
          // dim glow would show as a dark halo over the board: below a threshold it is left out
          if (std::fmax(c.R, std::fmax(c.G, c.B)) < 48) continue;
          sheet.Set((colour - 1) * Cell + x, (frame - 1) * Cell + y, c);
        }
      }
    }
  }
  return sheet;
}
