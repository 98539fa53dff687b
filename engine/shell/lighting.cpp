// Lighting: every tick the logic adds point lights, and the floor drawing turns them into the
// brightness of each floor tile.
#include "engine/shell/lighting.h"

#include <algorithm>
#include <cmath>

#include "engine/globals.h"

namespace {

// A light of factor 1 at LICHT 25000 has strength 1.
constexpr double NeutralLightLevel = 25000.0;
// Brightness one light of strength 1 gives at one pixel's distance.
constexpr double LightReach = 512.0;
// Keeps a light standing exactly on a tile's reference point finite.
constexpr double NearestDistance = 0.0001;
// Subtracted from the summed contributions, so faint light leaves the floor dark.
constexpr int Ambient = 10;
constexpr double RoundingLimit = 1.0e6;

}  // namespace

int RoundHalfEven(double value) {
  // far beyond anything a tile or a sprite needs, and keeps a sum of 50 lights inside int range
  value = std::clamp(value, -RoundingLimit, RoundingLimit);
  const double lower = std::floor(value);
  const double fraction = value - lower;
  double rounded = lower;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0)) rounded = lower + 1.0;
  return static_cast<int>(rounded);
}

void AddLight(int x, int y, double factor) {
  if (LightCount >= LightCapacity) return;  // the game's own callers never need more
  const int n = ++LightCount;
  LightX[n] = x;
  LightY[n] = y;
  LightPower[n] = LightLevel * factor / NeutralLightLevel;
}

void BuildFloor() {
  const int pattern = Random(FloorPatterns) + 1;
  for (int c = 1; c <= FloorColumns; ++c) {
    for (int r = 1; r <= FloorRows; ++r) {
      if (FloorTileCount >= FloorTileCapacity) return;
      const int k = ++FloorTileCount;
      TileX[k] = FloorTileSize * c + FloorTileSize / 2;
      TileY[k] = FloorTileSize * r + FloorTileSize / 2;
      TilePattern[k] = pattern;
    }
  }
}

void LightTile(int i) {
  if (i < 1 || i > FloorTileCount) return;
  int brightness = 0;
  for (int l = 1; l <= LightCount; ++l) {
    const double dx = LightX[l] - TileX[i];
    const double dy = LightY[l] - TileY[i];
    const double distance = std::sqrt(dx * dx + dy * dy);
    // each light is rounded on its own before it is added
    brightness += RoundHalfEven(LightPower[l] * LightReach / (distance + NearestDistance));
  }
  TileBrightness[i] = std::clamp(brightness - Ambient, DarkestTile, BrightestTile);
}
