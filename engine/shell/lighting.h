// Lighting: the point lights added during a tick and the floor tiles they light. The light list is
// emptied at the start of every tick; the floor is laid out once per board.
#pragma once

#include <array>
#include <cstdint>

inline constexpr int LightCapacity = 50;
inline int32_t LightCount = 0;
inline std::array<int32_t, LightCapacity + 1> LightX{};
inline std::array<int32_t, LightCapacity + 1> LightY{};
inline std::array<double, LightCapacity + 1> LightPower{};

// The floor: 30 columns of 28 tiles, 20 x 20 pixels each, all of one pattern.
inline constexpr int FloorTileCapacity = 1100;
inline constexpr int FloorColumns = 30;
inline constexpr int FloorRows = 28;
inline constexpr int FloorTileSize = 20;
inline constexpr int FloorPatterns = 13;
inline constexpr int DarkestTile = 1;
inline constexpr int BrightestTile = 31;
inline int32_t FloorTileCount = 0;
inline std::array<int32_t, FloorTileCapacity + 1> TileX{};
inline std::array<int32_t, FloorTileCapacity + 1> TileY{};
inline std::array<int32_t, FloorTileCapacity + 1> TileBrightness{};
inline std::array<int32_t, FloorTileCapacity + 1> TilePattern{};

// Called by the logic of a tick, before the floor is drawn. The strength is factor scaled by the
// LICHT setting at the time of the call. Lights beyond LightCapacity in one tick are ignored.
void AddLight(int x, int y, double factor);
// Called by NewGame after it set FloorTileCount to 0: appends the 840 tiles, column by column,
// all with one freshly drawn pattern 1..13.
void BuildFloor();
// Called by DrawFloor for every tile, every tick: TileBrightness[i] becomes 1..31 from this tick's
// lights. A tile number outside 1..FloorTileCount is ignored.
void LightTile(int i);
// The nearest integer, halves to the even one, whatever rounding mode is set; the floor's light
// and the swung sprite positions round this way. Values beyond +-1e6 are cut to that.
int RoundHalfEven(double value);
