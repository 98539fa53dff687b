// Lighting: the point lights added during a tick and the floor tiles they light.
#pragma once

#include <array>
#include <cstdint>

inline constexpr int LightCapacity = 50;
inline int32_t LightCount = 0;
inline std::array<int32_t, LightCapacity + 1> LightX{};
inline std::array<int32_t, LightCapacity + 1> LightY{};
inline std::array<double, LightCapacity + 1> LightPower{};

inline constexpr int FloorTileCapacity = 1100;
inline int32_t FloorTileCount = 0;
inline std::array<int32_t, FloorTileCapacity + 1> TileX{};
inline std::array<int32_t, FloorTileCapacity + 1> TileY{};
inline std::array<int32_t, FloorTileCapacity + 1> TileBrightness{};
inline std::array<int32_t, FloorTileCapacity + 1> TilePattern{};

// Adds a light for this tick; lights beyond LightCapacity are ignored.
void AddLight(int x, int y, double factor);
// Lays out the 840 floor tiles with one random pattern; NewGame sets FloorTileCount to 0 first.
void BuildFloor();
// Computes TileBrightness[i] (1..31) from this tick's lights.
void LightTile(int i);
